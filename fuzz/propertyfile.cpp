#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gui/framework/Component.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/Font.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/PropertyFile.h"

namespace {

enum TMeterStyle : std::uint8_t { msLinear, msLog, msSquare };

// One property of each kind a property file carries, a setter that refuses some values and an
// event the file must never reach.
class TFuzzMeter : public TComponent {
public:
    explicit TFuzzMeter(TComponent* owner) : TComponent(owner) {}

    static const TClassInfo& ClassInfo() {
        static const TClassInfo& info =
            TClassBuilder<TFuzzMeter>("TFuzzMeter", &TFrameworkClasses::Component())
                .Object("Font", &TFuzzMeter::Font, TFrameworkClasses::Font())
                .Enumeration("Style", &TFuzzMeter::Style, &TFuzzMeter::SetStyle,
                             {"msLinear", "msLog", "msSquare"}, msLinear)
                .Set("Marks", &TFuzzMeter::Marks, &TFuzzMeter::SetMarks, {"mkMajor", "mkMinor"}, 0)
                .Double("Maximum", &TFuzzMeter::Maximum, &TFuzzMeter::SetMaximum)
                .String("Caption", &TFuzzMeter::Caption, &TFuzzMeter::SetCaption)
                .Boolean("Active", &TFuzzMeter::Active, &TFuzzMeter::SetActive, false)
                .Color("BackColor", &TFuzzMeter::BackColor, &TFuzzMeter::SetBackColor, clBtnFace)
                .Integer("Steps", &TFuzzMeter::Steps, &TFuzzMeter::SetSteps, 10)
                .Event("OnChange", &TFuzzMeter::OnChange)
                .Build();
        return info;
    }

    TFont& Font() { return m_font; }
    TMeterStyle Style() const { return m_style; }
    void SetStyle(TMeterStyle value) { m_style = value; }
    std::uint8_t Marks() const { return m_marks; }
    void SetMarks(std::uint8_t value) { m_marks = value; }
    double Maximum() const { return m_maximum; }
    void SetMaximum(double value) { m_maximum = value; }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { m_caption = value; }
    bool Active() const { return m_active; }
    void SetActive(bool value) { m_active = value; }
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor value) { m_backColor = value; }
    int Steps() const { return m_steps; }
    void SetSteps(int value) {
        if (value <= 0)
            throw Exception("Steps must be positive");
        m_steps = value;
    }

    TNotifyEvent OnChange;

private:
    TFont m_font;
    TMeterStyle m_style = msLinear;
    std::uint8_t m_marks = 0;
    double m_maximum = 100;
    std::string m_caption;
    bool m_active = false;
    TColor m_backColor = clBtnFace;
    int m_steps = 10;
};

std::string Reloaded(const std::string& text) {
    TFuzzMeter meter(nullptr);
    TPropertyFile::LoadFromText(meter, text);
    return TPropertyFile::SaveToText(meter, true);
}

} // namespace

// Any text either fails with Exception or loads; what is then saved loads again, and from the
// second save on the text no longer changes (the first may still lose what a cut line exposed).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzMeter::ClassInfo();
    TFuzzMeter meter(nullptr);
    try {
        TPropertyFile::LoadFromText(meter,
                                    std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Exception&) {
        return 0;
    }
    if (meter.OnChange)
        __builtin_trap();
    const std::string second = Reloaded(TPropertyFile::SaveToText(meter, true));
    if (Reloaded(second) != second)
        __builtin_trap();
    return 0;
}
