#include "widgets/display/iSevenSegmentDisplay.h"

#include <algorithm>

#include "gui/streaming/ClassBuilder.h"
#include "widgets/display/DisplaySize.h"

namespace {

constexpr int MaxDigitCount = 32;
constexpr int MaxSegmentSize = 100;

} // namespace

TiSevenSegmentDisplay::TiSevenSegmentDisplay(TComponent* owner)
    : TiCustomComponent(owner), m_character(std::make_unique<TiSevenSegmentCharacter>(nullptr)) {
    SetBounds(Left(), Top(), 15, 15);
    SetBackGroundColor(clBlack);
    // The character only ever draws into the readout's canvas, never into a window of its own.
    m_character->BeginUpdate();
    m_character->SetSegmentMargin(0);
    m_character->SetAutoSize(false);
}

TiSevenSegmentDisplay::~TiSevenSegmentDisplay() {
    BeginDestroy();
}

const TClassInfo& TiSevenSegmentDisplay::StaticClassInfo() {
    using C = TiSevenSegmentDisplay;
    static const TClassInfo& info =
        TClassBuilder<C>("TiSevenSegmentDisplay", &TiCustomComponent::StaticClassInfo())
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Integer("DigitSpacing", &C::DigitSpacing, &C::SetDigitSpacing, 6)
            .Integer("SegmentMargin", &C::SegmentMargin, &C::SetSegmentMargin, 5)
            .Color("SegmentColor", &C::SegmentColor, &C::SetSegmentColor, clWhite)
            .Integer("SegmentSeperation", &C::SegmentSeperation, &C::SetSegmentSeperation, 1)
            .Integer("SegmentSize", &C::SegmentSize, &C::SetSegmentSize, 1)
            .Boolean("ShowOffSegments", &C::ShowOffSegments, &C::SetShowOffSegments, true)
            .Boolean("PowerOff", &C::PowerOff, &C::SetPowerOff, false)
            .Color("SegmentOffColor", &C::SegmentOffColor, &C::SetSegmentOffColor, clGray)
            .Boolean("AutoSegmentOffColor", &C::AutoSegmentOffColor, &C::SetAutoSegmentOffColor,
                     true)
            .Event("OnValueChange", &C::OnValueChange)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBlack)
            .Enumeration("BorderStyle", &TiComponent::BorderStyle, &TiComponent::SetBorderStyle,
                         {"ibsNone", "ibsRaised", "ibsLowered"}, ibsNone)
            .Boolean("Transparent", &TiVCLComponent::Transparent, &TiVCLComponent::SetTransparent,
                     false)
            .Build();
    return info;
}

void TiSevenSegmentDisplay::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetDigitCount(int value) {
    value = std::clamp(value, 1, MaxDigitCount);
    if (value == m_digitCount)
        return;
    m_digitCount = value;
    ApplyAutoSize();
    InvalidateChange();
}

// Negative spacing is allowed: the cells then overlap.
void TiSevenSegmentDisplay::SetDigitSpacing(int value) {
    value = std::clamp(value, -MaxDisplayMeasure, MaxDisplayMeasure);
    if (value == m_digitSpacing)
        return;
    m_digitSpacing = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetLeadingStyle(TiLeadingStyle value) {
    if (value == m_leadingStyle)
        return;
    m_leadingStyle = value;
    InvalidateChange();
}

// The drawing character keeps a margin of 0: this margin is around the whole row of cells.
void TiSevenSegmentDisplay::SetSegmentMargin(int value) {
    value = std::clamp(value, 0, MaxDisplayMeasure);
    if (value == m_segmentMargin)
        return;
    m_segmentMargin = value;
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetSegmentColor(TColor value) {
    if (value == m_segmentColor)
        return;
    m_segmentColor = value;
    m_character->SetSegmentColor(value);
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetSegmentSeperation(int value) {
    value = std::clamp(value, 0, MaxDisplayMeasure);
    if (value == m_segmentSeperation)
        return;
    m_segmentSeperation = value;
    m_character->SetSegmentSeperation(value);
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetSegmentSize(int value) {
    value = std::clamp(value, 1, MaxSegmentSize);
    if (value == m_segmentSize)
        return;
    m_segmentSize = value;
    m_character->SetSegmentSize(value);
    ApplyAutoSize();
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetShowOffSegments(bool value) {
    SetBooleanProperty(value, m_showOffSegments, ckInvalidate);
}

void TiSevenSegmentDisplay::SetPowerOff(bool value) {
    SetBooleanProperty(value, m_powerOff, ckInvalidate);
}

void TiSevenSegmentDisplay::SetAutoSegmentOffColor(bool value) {
    if (value == m_autoSegmentOffColor)
        return;
    m_autoSegmentOffColor = value;
    m_character->SetAutoSegmentOffColor(value);
    InvalidateChange();
}

void TiSevenSegmentDisplay::SetSegmentOffColor(TColor value) {
    if (value == m_segmentOffColor)
        return;
    m_segmentOffColor = value;
    m_character->SetSegmentOffColor(value);
    InvalidateChange();
}

void TiSevenSegmentDisplay::ApplyAutoSize() {
    if (!m_autoSize || IsLoading())
        return;
    int width = 0;
    int height = 0;
    CalcAutoSize(width, height);
    const TSize size = FittedSize(width, height);
    SetWidth(size.cx);
    SetHeight(size.cy);
}

void TiSevenSegmentDisplay::TransferSettings() {
    m_character->SetSegmentMargin(0);
    m_character->SetSegmentColor(m_segmentColor);
    m_character->SetSegmentOffColor(m_segmentOffColor);
    m_character->SetAutoSegmentOffColor(m_autoSegmentOffColor);
    m_character->SetSegmentSize(m_segmentSize);
    m_character->SetSegmentSeperation(m_segmentSeperation);
    m_character->SetShowOffSegments(m_showOffSegments);
    m_character->SetPowerOff(m_powerOff);
}
