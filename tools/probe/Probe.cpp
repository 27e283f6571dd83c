#include "tools/probe/Probe.h"

#include <charconv>
#include <ostream>
#include <sstream>

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/WinControl.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "gui/platform/headless/HeadlessPlatform.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/LayoutParser.h"
#include "gui/streaming/LayoutWriter.h"
#include "tools/probe/ProbeKeys.h"
#include "tools/probe/ProbeProperty.h"
#include "widgets/core/iComponent.h"

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

// The component's centre, or the point the step names relative to its top left.
TPoint PointOn(const TControl& control, const std::vector<std::string>& words) {
    if (words.size() == 4)
        return {control.Left() + Number(words[2], "X"), control.Top() + Number(words[3], "Y")};
    return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
}

// What follows the step's first two words, exactly as written: a value may hold blanks.
std::string TextAfterTwoWords(const std::string& line) {
    std::size_t pos = 0;
    for (int word = 0; word < 2; ++word) {
        pos = line.find_first_not_of(" \t", pos);
        pos = line.find_first_of(" \t", pos);
    }
    const std::size_t start = line.find_first_not_of(" \t", pos);
    const std::size_t end = line.find_last_not_of(" \t\r");
    return start == std::string::npos ? std::string() : line.substr(start, end + 1 - start);
}

// Values separated by blanks; a quoted string keeps its blanks (a doubled quote stands for one).
std::vector<TLayoutValue> Arguments(const std::string& text) {
    std::vector<TLayoutValue> values;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t\r", pos)) != std::string::npos) {
        std::size_t end = pos;
        bool quoted = false;
        for (; end < text.size() && (quoted || (text[end] != ' ' && text[end] != '\t')); ++end)
            if (text[end] == '\'')
                quoted = !quoted;
        values.push_back(TLayoutParser::ParseValueText(text.substr(pos, end - pos)));
        pos = end;
    }
    return values;
}

// The control's rectangle of the composed form, as one picture.
void SaveControlPng(const TBitmap& composed, const TControl& control, const std::string& path) {
    TBitmap picture(control.Width(), control.Height());
    for (int y = 0; y < control.Height(); ++y)
        for (int x = 0; x < control.Width(); ++x)
            picture.SetPixel(x, y, composed.Pixel(control.Left() + x, control.Top() + y));
    picture.SaveToPngFile(path);
}

const char* Boolean(bool value) {
    return value ? "True" : "False";
}

} // namespace

TProbe::TProbe(TApplication& app, THeadlessPlatform& platform, std::ostream& out)
    : m_app(app), m_platform(platform), m_out(out), m_mouse(platform) {}

TProbe::TOutcome TProbe::Step(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.empty() || words[0][0] == '#')
        return poContinue;
    const std::string& verb = words[0];
    if (verb == "quit")
        return poQuit;
    if (verb == "wait")
        Wait(words);
    else if (verb == "click" || verb == "press" || verb == "release" || verb == "move" ||
             verb == "dblclick")
        Mouse(verb, words);
    else if (verb == "clickat")
        ClickAt(words);
    else if (verb == "wheel")
        Wheel(words);
    else if (verb == "key" || verb == "keydown" || verb == "keyup")
        Key(verb, words);
    else if (verb == "get")
        Get(words);
    else if (verb == "set")
        Set(line, words);
    else if (verb == "call")
        Call(line, words);
    else if (verb == "shot")
        Shot(words);
    else if (verb == "paints")
        Paints(words);
    else if (verb == "close")
        DesktopClose(words);
    else
        throw Exception("Unknown step: " + verb);
    ReportPlatformNews();
    return m_app.Terminated() ? poEnded : poContinue;
}

void TProbe::Wait(const std::vector<std::string>& words) {
    ExpectWords(words, 2, "wait MS");
    const int ms = Number(words[1], "wait");
    if (ms < 0)
        throw Exception("wait needs a time of 0 ms or more");
    m_platform.AdvanceBy(ms);
}

void TProbe::Mouse(const std::string& verb, const std::vector<std::string>& words) {
    if (words.size() != 2 && words.size() != 4)
        throw Exception("Usage: " + verb + " FORM.COMPONENT [X Y]");
    TForm* form = nullptr;
    const TControl& control = FindControl(words[1], form);
    const TPoint screen = THeadlessPlatform::ClientToScreen(*form, PointOn(control, words));
    if (verb == "click")
        m_mouse.Click(screen);
    else if (verb == "press")
        m_mouse.Press(screen);
    else if (verb == "release")
        m_mouse.Release(screen);
    else if (verb == "move")
        m_mouse.Move(screen);
    else
        m_mouse.DoubleClick(screen);
}

void TProbe::ClickAt(const std::vector<std::string>& words) {
    ExpectWords(words, 4, "clickat FORM X Y");
    TForm& form = FindForm(words[1]);
    const TPoint client{Number(words[2], "X"), Number(words[3], "Y")};
    m_mouse.Click(THeadlessPlatform::ClientToScreen(form, client));
}

void TProbe::Wheel(const std::vector<std::string>& words) {
    ExpectWords(words, 3, "wheel FORM.COMPONENT DELTA");
    TForm* form = nullptr;
    const TControl& control = FindControl(words[1], form);
    const TPoint screen = THeadlessPlatform::ClientToScreen(*form, PointOn(control, {}));
    m_mouse.Wheel(screen, Number(words[2], "wheel"));
}

void TProbe::Key(const std::string& verb, const std::vector<std::string>& words) {
    ExpectWords(words, 3, "key|keydown|keyup FORM.COMPONENT [Shift+][Ctrl+][Alt+]KEY");
    const TProbeKey key = ParseProbeKey(words[2]);
    TForm* form = nullptr;
    TControl& control = FindControl(words[1], form);
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed)
        throw Exception(words[1] + " cannot take the keyboard focus");
    form->SetActiveControl(windowed);
    // A key held down types its character, as on a real keyboard.
    if (verb == "keydown") {
        m_platform.KeyDown(key.key, key.shift, key.character);
        if (key.character && !(key.shift & ssAlt))
            m_platform.KeyPress(key.character);
    } else if (verb == "keyup") {
        m_platform.KeyUp(key.key, key.shift);
    } else {
        m_platform.PressKey(key.key, key.shift, key.character);
    }
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

void TProbe::Set(const std::string& line, const std::vector<std::string>& words) {
    if (words.size() < 3)
        throw Exception("Usage: set FORM.COMPONENT.PROPERTY VALUE");
    std::string property;
    TComponent& component = FindComponent(words[1], property);
    const std::string componentPath = words[1].substr(0, words[1].size() - property.size() - 1);
    TProbeProperty::Set(component, componentPath, property, TextAfterTwoWords(line));
    m_platform.AdvanceBy(0);
}

void TProbe::Call(const std::string& line, const std::vector<std::string>& words) {
    if (words.size() < 2)
        throw Exception("Usage: call FORM.COMPONENT.METHOD [ARGUMENT ...]");
    std::string name;
    TComponent& component = FindComponent(words[1], name);
    const TMethodInfo* method = TClassRegistry::Instance().Of(component).FindMethod(name);
    if (!method)
        throw Exception("Unknown method: " + words[1]);
    std::string result;
    try {
        const std::size_t start = line.find(words[1]) + words[1].size();
        result = method->Invoke(component, Arguments(line.substr(start)));
    } catch (const Exception& error) {
        throw Exception("Cannot call " + words[1] + ": " + error.what());
    }
    if (!result.empty())
        m_out << words[1] << " = " << result << '\n';
    m_platform.AdvanceBy(0);
}

void TProbe::Shot(const std::vector<std::string>& words) {
    ExpectWords(words, 3, "shot FORM FILE.png | shot FORM.COMPONENT FILE.png");
    if (words[1].find('.') == std::string::npos) {
        m_platform.SaveFormPng(FindForm(words[1]), words[2]);
        return;
    }
    TForm* form = nullptr;
    const TControl& control = FindControl(words[1], form);
    SaveControlPng(m_platform.Render(*form), control, words[2]);
}

void TProbe::DesktopClose(const std::vector<std::string>& words) {
    ExpectWords(words, 2, "close FORM");
    m_platform.DesktopClose(FindForm(words[1]));
}

void TProbe::Paints(const std::vector<std::string>& words) {
    ExpectWords(words, 2, "paints FORM.COMPONENT");
    TForm* form = nullptr;
    const auto* widget = dynamic_cast<const TiComponent*>(&FindControl(words[1], form));
    if (!widget)
        throw Exception(words[1] + " is no instrument widget; only widgets count their paints");
    m_out << words[1] << " paints = " << widget->PaintCount() << '\n';
}

// Error boxes and shell requests would be seen on a real desktop; here they are told.
void TProbe::ReportPlatformNews() {
    const auto& messages = m_platform.ErrorMessages();
    for (; m_messagesSeen < messages.size(); ++m_messagesSeen)
        m_out << "message: " << messages[m_messagesSeen].text << '\n';
    const auto& opened = m_platform.OpenedFiles();
    for (; m_opensSeen < opened.size(); ++m_opensSeen)
        m_out << "shell open: " << opened[m_opensSeen] << '\n';
    ReportPaintFailures();
}

// A widget whose painting fails keeps its old picture, which a look at a shot may not reveal.
void TProbe::ReportPaintFailures() {
    for (int f = 0; f < m_app.FormCount(); ++f) {
        const TForm& form = *m_app.Forms(f);
        for (int i = 0; i < form.ComponentCount(); ++i) {
            const auto* widget = dynamic_cast<const TiComponent*>(form.Components(i));
            if (!widget)
                continue;
            int& seen = m_paintFailuresSeen[widget];
            if (widget->PaintFailureCount() > seen)
                m_out << "paint failed: " << form.Name() << '.' << widget->Name() << '\n';
            seen = widget->PaintFailureCount();
        }
    }
}

TForm& TProbe::FindForm(const std::string& name) const {
    for (int i = 0; i < m_app.FormCount(); ++i) {
        TForm& form = *m_app.Forms(i);
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

// FORM.COMPONENT.PROPERTY: the component, and the property path after it.
TComponent& TProbe::FindComponent(const std::string& path, std::string& property) const {
    const std::size_t first = path.find('.');
    const std::size_t second = first == std::string::npos ? first : path.find('.', first + 1);
    if (second == std::string::npos)
        throw Exception("Name a property as FORM.COMPONENT.PROPERTY: " + path);
    TForm& form = FindForm(path.substr(0, first));
    TComponent* component = form.FindComponent(path.substr(first + 1, second - first - 1));
    if (!component)
        throw Exception("Unknown component: " + path.substr(0, second));
    property = path.substr(second + 1);
    return *component;
}

// Besides its published properties a form tells whether it is shown, takes input, and is the
// front-most of the visible forms.
std::string TProbe::FormValue(TForm& form, const std::string& property) const {
    if (property == "Visible")
        return Boolean(form.Visible());
    if (property == "Enabled")
        return Boolean(form.Enabled());
    if (property == "Front")
        return Boolean(m_app.ActiveForm() == &form);
    return TLayoutWriter::ValueText(form, property);
}
