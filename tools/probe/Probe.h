#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TComponent;
class TControl;
class TForm;
class THeadlessPlatform;
class TProgram;

// Drives the real program on the headless desktop one step at a time, as a student would, and
// reports what it is asked about. Steps:
//   wait MS | click F.C | press F.C | release F.C | clickat F X Y | key F.C KEY
//   get F.C.PROPERTY | get F.PROPERTY | shot F FILE.png | quit
// A form F is named by its class (TForm3) or its name (Form3).
class TProbe {
public:
    enum TOutcome { poContinue, poQuit, poEnded };

    TProbe(TProgram& program, THeadlessPlatform& platform, std::ostream& out);

    // Throws Exception with a message for the user when the step cannot be carried out.
    TOutcome Step(const std::string& line);

private:
    void Wait(const std::vector<std::string>& words);
    void Mouse(const std::string& verb, const std::vector<std::string>& words);
    void ClickAt(const std::vector<std::string>& words);
    void Key(const std::vector<std::string>& words);
    void Get(const std::vector<std::string>& words);
    void Shot(const std::vector<std::string>& words);
    void ReportPlatformNews();

    TForm& FindForm(const std::string& name) const;
    TControl& FindControl(const std::string& formDotComponent, TForm*& form) const;
    std::string FormValue(TForm& form, const std::string& property) const;

    TProgram& m_program;
    THeadlessPlatform& m_platform;
    std::ostream& m_out;
    std::size_t m_messagesSeen = 0;
    std::size_t m_opensSeen = 0;
};
