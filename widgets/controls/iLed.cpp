#include "widgets/controls/iLed.h"

#include "gui/streaming/ClassBuilder.h"
#include "widgets/core/Numeric.h"

namespace {

// The off lamp of an automatic colour is the on colour at a third of its brightness.
constexpr int InactiveDivisor = 3;

} // namespace

TiLed::TiLed(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(Left(), Top(), 20, 20);
}

const TClassInfo& TiLed::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiLed>("TiLed", &TiCustomComponent::StaticClassInfo())
            .Boolean("Active", &TiLed::Active, &TiLed::SetActive, false)
            .Color("ActiveColor", &TiLed::ActiveColor, &TiLed::SetActiveColor, clLime)
            .Boolean("AutoInactiveColor", &TiLed::AutoInactiveColor, &TiLed::SetAutoInactiveColor,
                     true)
            .Color("InactiveColor", &TiLed::InactiveColor, &TiLed::SetInactiveColor, 0x005500)
            .Enumeration("BevelStyle", &TiLed::BevelStyle, &TiLed::SetBevelStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsLowered)
            .Event("OnChange", &TiLed::OnChange)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Build();
    return info;
}

void TiLed::SetActive(bool value) {
    if (value == m_active)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Active", allow);
    if (!allow)
        return;
    m_active = value;
    BackGroundChange();
    if (OnAfterChange)
        OnAfterChange(this, "Active");
    if (OnChange)
        OnChange(this);
}

void TiLed::SetBevelStyle(TiBevelStyle value) {
    if (value == m_bevelStyle)
        return;
    m_bevelStyle = value;
    BackGroundChange();
}

void TiLed::SetActiveColor(TColor value) {
    SetColorProperty(value, m_activeColor, ckBackGround);
}

void TiLed::SetAutoInactiveColor(bool value) {
    SetBooleanProperty(value, m_autoInactiveColor, ckBackGround);
}

void TiLed::SetInactiveColor(TColor value) {
    SetColorProperty(value, m_inactiveColor, ckBackGround);
}

TColor TiLed::LampColor() const {
    if (m_active)
        return m_activeColor;
    return m_autoInactiveColor ? DimColor(m_activeColor, InactiveDivisor) : m_inactiveColor;
}
