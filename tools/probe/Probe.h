#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "tools/probe/ProbeMouse.h"

class TApplication;
class TComponent;
class TControl;
class TForm;
class THeadlessPlatform;
class TiComponent;

// Drives the program's forms on the headless desktop one step at a time, as a student would,
// and reports what it is asked about. Steps (F names a form, C a component on it):
//   wait MS | quit
//   click|press|release|move|dblclick F.C [X Y] | clickat F X Y | wheel F.C DELTA
//   key|keydown|keyup F.C [Shift+][Ctrl+][Alt+]KEY
//   get F.C.PROPERTY | get F.PROPERTY | set F.C.PROPERTY VALUE
//   call F.C.METHOD [ARGUMENT ...]   (arguments in layout text form, e.g. 'U' -96 105.5)
//   shot F FILE.png | shot F.C FILE.png | paints F.C | close F
// "close" is the desktop's close (Alt+F4, a title bar's button), not the program's own.
// A form is named by its class (TForm3) or its name (Form3); points are relative to the
// component's top left. A widget whose painting failed is told ("paint failed: F.C").
class TProbe {
public:
    enum TOutcome { poContinue, poQuit, poEnded };

    TProbe(TApplication& app, THeadlessPlatform& platform, std::ostream& out);

    // Throws Exception with a message for the user when the step cannot be carried out.
    TOutcome Step(const std::string& line);

private:
    void Wait(const std::vector<std::string>& words);
    void Mouse(const std::string& verb, const std::vector<std::string>& words);
    void ClickAt(const std::vector<std::string>& words);
    void Wheel(const std::vector<std::string>& words);
    void Key(const std::string& verb, const std::vector<std::string>& words);
    void Get(const std::vector<std::string>& words);
    void Set(const std::string& line, const std::vector<std::string>& words);
    void Call(const std::string& line, const std::vector<std::string>& words);
    void Shot(const std::vector<std::string>& words);
    void DesktopClose(const std::vector<std::string>& words);
    void Paints(const std::vector<std::string>& words);
    void ReportPlatformNews();
    void ReportPaintFailures();

    TForm& FindForm(const std::string& name) const;
    TControl& FindControl(const std::string& formDotComponent, TForm*& form) const;
    TComponent& FindComponent(const std::string& path, std::string& property) const;
    std::string FormValue(TForm& form, const std::string& property) const;

    TApplication& m_app;
    THeadlessPlatform& m_platform;
    std::ostream& m_out;
    TProbeMouse m_mouse;
    std::size_t m_messagesSeen = 0;
    std::size_t m_opensSeen = 0;
    std::map<const TiComponent*, int> m_paintFailuresSeen;
};
