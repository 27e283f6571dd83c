#include "widgets/controls/iProgressComponent.h"

#include <cmath>

#include "gui/graphics/Exception.h"

namespace {

// The extra values are read straight into the fields, so they must be numbers a range can use.
double FiniteSectionEnd(const TLayoutValue& value, const char* name) {
    const double result = value.AsDouble();
    if (!std::isfinite(result))
        throw EReadError(std::string(name) + " is not a finite number");
    return result;
}

} // namespace

TiProgressComponent::TiProgressComponent(TComponent* owner) : TiPositionComponent(owner) {
    SetBounds(Left(), Top(), 16, 200);
}

const TClassInfo& TiProgressComponent::StaticClassInfo() {
    using C = TiProgressComponent;
    static const TClassInfo& info =
        TClassBuilder<C>("TiProgressComponent", &TiPositionComponent::StaticClassInfo())
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Color("SectionColor1", &C::SectionColor1, &C::SetSectionColor1, clLime)
            .Color("SectionColor2", &C::SectionColor2, &C::SetSectionColor2, clYellow)
            .Color("SectionColor3", &C::SectionColor3, &C::SetSectionColor3, clRed)
            .Double("SectionEnd1", &C::SectionEnd1, &C::SetSectionEnd1)
            .Double("SectionEnd2", &C::SectionEnd2, &C::SetSectionEnd2)
            .Integer("SectionCount", &C::SectionCount, &C::SetSectionCount, 1)
            .Boolean("ShowOffSegments", &C::ShowOffSegments, &C::SetShowOffSegments, true)
            // Section ends of 0 are not written as published reals, yet the constructor's are
            // 50 and 75.
            .Defined(
                "SectionEnd1_2", [](const C&) { return true; },
                [](const C& c) { return TLayoutValue::OfDouble(c.m_sectionEnd1); },
                [](C& c, const TLayoutValue& v) {
                    c.m_sectionEnd1 = FiniteSectionEnd(v, "SectionEnd1_2");
                })
            .Defined(
                "SectionEnd2_2", [](const C&) { return true; },
                [](const C& c) { return TLayoutValue::OfDouble(c.m_sectionEnd2); },
                [](C& c, const TLayoutValue& v) {
                    c.m_sectionEnd2 = FiniteSectionEnd(v, "SectionEnd2_2");
                })
            .Build();
    return info;
}

void TiProgressComponent::SetSectionColor1(TColor value) {
    SetColorProperty(value, m_sectionColor1, ckInvalidate);
}

void TiProgressComponent::SetSectionColor2(TColor value) {
    SetColorProperty(value, m_sectionColor2, ckInvalidate);
}

void TiProgressComponent::SetSectionColor3(TColor value) {
    SetColorProperty(value, m_sectionColor3, ckInvalidate);
}

void TiProgressComponent::SetSectionEnd1(double value) {
    SetDoubleProperty(value, m_sectionEnd1, ckInvalidate);
}

void TiProgressComponent::SetSectionEnd2(double value) {
    SetDoubleProperty(value, m_sectionEnd2, ckInvalidate);
}

void TiProgressComponent::SetSectionCount(int value) {
    if (value < 1 || value > MaxSectionCount)
        return;
    SetIntegerProperty(value, m_sectionCount, ckInvalidate);
}

void TiProgressComponent::SetShowOffSegments(bool value) {
    SetBooleanProperty(value, m_showOffSegments, ckInvalidate);
}

TColor TiProgressComponent::SectionColorAt(double value) const {
    TColor color = m_sectionColor1;
    if (m_sectionCount > 1 && value > m_sectionEnd1)
        color = m_sectionColor2;
    if (m_sectionCount > 2 && value > m_sectionEnd2)
        color = m_sectionColor3;
    return color;
}
