#include "tools/probe/Probe.h"

#include <charconv>
#include <ostream>
#include <sstream>

#include "app/Program.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/WinControl.h"
#include "gui/graphics/Exception.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/LayoutWriter.h"
#include "tools/probe/ProbeKeys.h"

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

void ExpectWords(const std::vector<std::string>& words, std::size_t count, const char* usage) {
    if (words.size() != count)
        throw Exception(std::string("Usage: ") + usage);
}

int Number(const std::string& text, const char* what) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw Exception(std::string("Not a number for ") + what + ": " + text);
    return value;
}

TPoint Centre(const TControl& control) {
    return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
}

const char* Boolean(bool value) {
    return value ? "True" : "False";
}

} // namespace

TProbe::TProbe(TProgram& program, THeadlessPlatform& platform, std::ostream& out)
    : m_program(program), m_platform(platform), m_out(out) {}

TProbe::TOutcome TProbe::Step(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.empty() || words[0][0] == '#')
        return poContinue;
    const std::string& verb = words[0];
    if (verb == "quit")
        return poQuit;
    if (verb == "wait")
        Wait(words);
    else if (verb == "click" || verb == "press" || verb == "release")
        Mouse(verb, words);
    else if (verb == "clickat")
        ClickAt(words);
    else if (verb == "key")
        Key(words);
    else if (verb == "get")
        Get(words);
    else if (verb == "shot")
        Shot(words);
    else
        throw Exception("Unknown step: " + verb);
    ReportPlatformNews();
    return m_program.App().Terminated() ? poEnded : poContinue;
}

void TProbe::Wait(const std::vector<std::string>& words) {
    ExpectWords(words, 2, "wait MS");
    const int ms = Number(words[1], "wait");
    if (ms < 0)
        throw Exception("wait needs a time of 0 ms or more");
    m_platform.AdvanceBy(ms);
}

void TProbe::Mouse(const std::string& verb, const std::vector<std::string>& words) {
    ExpectWords(words, 2, "click|press|release FORM.COMPONENT");
    TForm* form = nullptr;
    const TControl& control = FindControl(words[1], form);
    const TPoint screen = THeadlessPlatform::ClientToScreen(*form, Centre(control));
    if (verb == "click")
        m_platform.Click(screen);
    else if (verb == "press")
        m_platform.MouseDown(screen);
    else
        m_platform.MouseUp(screen);
}

void TProbe::ClickAt(const std::vector<std::string>& words) {
    ExpectWords(words, 4, "clickat FORM X Y");
    TForm& form = FindForm(words[1]);
    const TPoint client{Number(words[2], "X"), Number(words[3], "Y")};
    m_platform.Click(THeadlessPlatform::ClientToScreen(form, client));
}

void TProbe::Key(const std::vector<std::string>& words) {
    ExpectWords(words, 3, "key FORM.COMPONENT KEY");
    const TProbeKey key = ParseProbeKey(words[2]);
    TForm* form = nullptr;
    TControl& control = FindControl(words[1], form);
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed)
        throw Exception(words[1] + " cannot take the keyboard focus");
    form->SetActiveControl(windowed);
    m_platform.PressKey(key.key, key.shift, key.character);
}

void TProbe::Get(const std::vector<std::string>& words) {
    ExpectWords(words, 2, "get FORM.COMPONENT.PROPERTY | get FORM.PROPERTY");
    const std::string& path = words[1];
    const std::size_t first = path.find('.');
    if (first == std::string::npos)
        throw Exception("Usage: get FORM.COMPONENT.PROPERTY | get FORM.PROPERTY");
    TForm& form = FindForm(path.substr(0, first));
    const std::string rest = path.substr(first + 1);
    const std::size_t second = rest.find('.');
    std::string value;
    if (second == std::string::npos) {
        value = FormValue(form, rest);
    } else {
        const TComponent* component = form.FindComponent(rest.substr(0, second));
        if (!component)
            throw Exception("Unknown component: " + path.substr(0, first + 1 + second));
        value = TLayoutWriter::ValueText(*component, rest.substr(second + 1));
    }
    m_out << path << " = " << value << '\n';
}

void TProbe::Shot(const std::vector<std::string>& words) {
    ExpectWords(words, 3, "shot FORM FILE.png");
    m_platform.SaveFormPng(FindForm(words[1]), words[2]);
}

// Error boxes and shell requests would be seen on a real desktop; here they are told.
void TProbe::ReportPlatformNews() {
    const auto& messages = m_platform.ErrorMessages();
    for (; m_messagesSeen < messages.size(); ++m_messagesSeen)
        m_out << "message: " << messages[m_messagesSeen].text << '\n';
    const auto& opened = m_platform.OpenedFiles();
    for (; m_opensSeen < opened.size(); ++m_opensSeen)
        m_out << "shell open: " << opened[m_opensSeen] << '\n';
}

TForm& TProbe::FindForm(const std::string& name) const {
    TApplication& app = m_program.App();
    for (int i = 0; i < app.FormCount(); ++i) {
        TForm& form = *app.Forms(i);
        const TClassInfo* info = TClassRegistry::Instance().FindByType(typeid(form));
        if (form.Name() == name || (info && info->Name() == name))
            return form;
    }
    throw Exception("Unknown form: " + name);
}

TControl& TProbe::FindControl(const std::string& formDotComponent, TForm*& form) const {
    const std::size_t dot = formDotComponent.find('.');
    if (dot == std::string::npos)
        throw Exception("Name a component as FORM.COMPONENT: " + formDotComponent);
    form = &FindForm(formDotComponent.substr(0, dot));
    const std::string name = formDotComponent.substr(dot + 1);
    auto* control = dynamic_cast<TControl*>(form->FindComponent(name));
    if (!control)
        throw Exception("Unknown component: " + formDotComponent);
    return *control;
}

// Besides its published properties a form tells whether it is shown, takes input, and is the
// front-most of the visible forms.
std::string TProbe::FormValue(TForm& form, const std::string& property) const {
    if (property == "Visible")
        return Boolean(form.Visible());
    if (property == "Enabled")
        return Boolean(form.Enabled());
    if (property == "Front")
        return Boolean(m_program.App().ActiveForm() == &form);
    return TLayoutWriter::ValueText(form, property);
}
