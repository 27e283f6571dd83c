#pragma once

#include <iosfwd>
#include <memory>
#include <string>

class TApplication;
class TForm;
class THeadlessPlatform;

// One form read from a layout file (root object of class TForm), alone on the headless
// desktop and shown, with every event of its components told to the log: where widgets are
// tried out without the program around them.
class TLayoutBench {
public:
    // Throws Exception naming the file for a layout that cannot be read, that is not a TForm or
    // that names an event handler (there are none to wire).
    TLayoutBench(const std::string& fileName, std::ostream& log);
    ~TLayoutBench();
    TLayoutBench(const TLayoutBench&) = delete;
    TLayoutBench& operator=(const TLayoutBench&) = delete;

    TApplication& App() { return *m_application; }
    THeadlessPlatform& Platform() { return *m_platform; }

private:
    void ReadForm(const std::string& fileName, const std::string& text);

    std::unique_ptr<TApplication> m_application;
    THeadlessPlatform* m_platform = nullptr;
    TForm* m_form = nullptr;
};
