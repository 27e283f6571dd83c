#include "widgets/controls/iSwitchMultiPosition.h"

#include <algorithm>

#include "gui/framework/Application.h"
#include "gui/framework/Utf8.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/FlagScope.h"

namespace {

// Wheel notches closer together than this are one turn of the wheel.
constexpr double WheelIntervalMs = 30;
constexpr double MsPerDay = 24.0 * 60 * 60 * 1000;
const char* const EmptyName = "???";

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

TiSwitchMultiPosition::TiSwitchMultiPosition(TComponent* owner) : TiCustomComponent(owner) {
    SetPositionLabels("Off, On");
    m_positionLabelActiveFont.OnChange = [this](TObject*) { BackGroundChange(); };
    m_positionLabelInactiveFont.OnChange = [this](TObject*) { BackGroundChange(); };
    SetTabStop(true);
}

const TClassInfo& TiSwitchMultiPosition::StaticClassInfo() {
    using C = TiSwitchMultiPosition;
    static const TClassInfo& info =
        TClassBuilder<C>("TiSwitchMultiPosition", &TiCustomComponent::StaticClassInfo())
            .Default("TabStop", true)
            .Integer("Position", &C::Position, &C::SetPosition, 0)
            .String("PositionLabels", &C::PositionLabels, &C::SetPositionLabels)
            .Integer("PositionLabelMargin", &C::PositionLabelMargin, &C::SetPositionLabelMargin, 5)
            .Object("PositionLabelActiveFont", &C::PositionLabelActiveFont,
                    TFrameworkClasses::Font())
            .Object("PositionLabelInactiveFont", &C::PositionLabelInactiveFont,
                    TFrameworkClasses::Font())
            .Boolean("ShowPositionLabels", &C::ShowPositionLabels, &C::SetShowPositionLabels, true)
            .Boolean("ShowPositionIndicators", &C::ShowPositionIndicators,
                     &C::SetShowPositionIndicators, true)
            .Integer("PositionIndicatorSize", &C::PositionIndicatorSize,
                     &C::SetPositionIndicatorSize, 3)
            .Integer("PositionIndicatorMargin", &C::PositionIndicatorMargin,
                     &C::SetPositionIndicatorMargin, 10)
            .Color("PositionIndicatorColor", &C::PositionIndicatorColor,
                   &C::SetPositionIndicatorColor, clAqua)
            .Enumeration("PositionIndicatorBevelStyle", &C::PositionIndicatorBevelStyle,
                         &C::SetPositionIndicatorBevelStyle, {"ibsNone", "ibsRaised", "ibsLowered"},
                         ibsLowered)
            .Boolean("ShowFocusRect", &C::ShowFocusRect, &C::SetShowFocusRect, true)
            .Integer("KeyArrowStepSize", &C::KeyArrowStepSize, &C::SetKeyArrowStepSize, 1)
            .Integer("KeyPageStepSize", &C::KeyPageStepSize, &C::SetKeyPageStepSize, 2)
            .Event("OnPositionChange", &C::OnPositionChange)
            .Event("OnPositionChangeUser", &C::OnPositionChangeUser)
            .Event("OnPositionChangeFinished", &C::OnPositionChangeFinished)
            .Color("BackGroundColor", &TiComponent::BackGroundColor,
                   &TiComponent::SetBackGroundColor, clBtnFace)
            .Build();
    return info;
}

// The value is compared before it is limited, so a write beyond an end that lands on the
// current position still reports a change. Layouts store Position before PositionLabels, so
// nothing is limited while loading; parsing the names does it afterwards.
void TiSwitchMultiPosition::SetPosition(int value) {
    if (value == m_position)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Position", allow);
    if (!allow)
        return;
    m_position = value;
    m_changedSinceFinished = true;
    if (!IsLoading())
        m_position = std::clamp(m_position, 0, std::max(PositionCount() - 1, 0));
    BackGroundChange();
    if (!IsLoading()) {
        if (OnAfterChange)
            OnAfterChange(this, "Position");
        if (OnPositionChange)
            OnPositionChange(this);
        if (m_userChange && OnPositionChangeUser)
            OnPositionChangeUser(this);
    }
    OPCOutputData("Position", m_position);
}

void TiSwitchMultiPosition::SetPositionByUser(int value) {
    TFlagScope scope(m_userChange);
    SetPosition(value);
}

void TiSwitchMultiPosition::FinishChange() {
    if (IsLoading() || !m_changedSinceFinished)
        return;
    m_changedSinceFinished = false;
    if (OnPositionChangeFinished)
        OnPositionChangeFinished(this);
}

void TiSwitchMultiPosition::SetPositionLabels(const std::string& value) {
    if (DecodeUtf8(value).size() >= MaxPositionLabelsLength)
        throw Exception("Position Label String Must be < 256 Characters");
    if (value == m_positionLabels)
        return;
    m_positionLabels = value;
    ParseNames();
    BackGroundChange();
}

// An empty name between two commas shows as "???"; a comma at the end adds nothing.
void TiSwitchMultiPosition::ParseNames() {
    m_names.clear();
    std::string item;
    for (char c : m_positionLabels) {
        if (c != ',') {
            item += c;
            continue;
        }
        const std::string name = Trimmed(item);
        m_names.push_back(name.empty() ? EmptyName : name);
        item.clear();
    }
    if (const std::string last = Trimmed(item); !last.empty())
        m_names.push_back(last);
    if (m_names.empty())
        m_position = 0;
    else if (m_position > PositionCount() - 1)
        m_position = PositionCount() - 1;
}

void TiSwitchMultiPosition::SetPositionLabelMargin(int value) {
    SetIntegerProperty(value, m_positionLabelMargin, ckBackGround);
}

void TiSwitchMultiPosition::SetPositionLabelActiveFont(const TFont& value) {
    m_positionLabelActiveFont = value;
    BackGroundChange();
}

void TiSwitchMultiPosition::SetPositionLabelInactiveFont(const TFont& value) {
    m_positionLabelInactiveFont = value;
    BackGroundChange();
}

void TiSwitchMultiPosition::SetShowPositionLabels(bool value) {
    SetBooleanProperty(value, m_showPositionLabels, ckBackGround);
}

void TiSwitchMultiPosition::SetShowPositionIndicators(bool value) {
    SetBooleanProperty(value, m_showPositionIndicators, ckBackGround);
}

void TiSwitchMultiPosition::SetPositionIndicatorSize(int value) {
    SetIntegerProperty(value, m_positionIndicatorSize, ckBackGround);
}

void TiSwitchMultiPosition::SetPositionIndicatorMargin(int value) {
    SetIntegerProperty(value, m_positionIndicatorMargin, ckBackGround);
}

void TiSwitchMultiPosition::SetPositionIndicatorColor(TColor value) {
    SetColorProperty(value, m_positionIndicatorColor, ckBackGround);
}

void TiSwitchMultiPosition::SetPositionIndicatorBevelStyle(TiBevelStyle value) {
    if (value == m_positionIndicatorBevelStyle)
        return;
    m_positionIndicatorBevelStyle = value;
    BackGroundChange();
}

void TiSwitchMultiPosition::SetKeyPageStepSize(int value) {
    SetIntegerProperty(value, m_keyPageStepSize, ckBackGround);
}

void TiSwitchMultiPosition::SetKeyArrowStepSize(int value) {
    SetIntegerProperty(value, m_keyArrowStepSize, ckBackGround);
}

void TiSwitchMultiPosition::SetShowFocusRect(bool value) {
    SetBooleanProperty(value, m_showFocusRect, ckBackGround);
}

// The arrows move the switch instead of the focus.
void TiSwitchMultiPosition::WantSpecialKeyHook(TKey& charCode, int& result) {
    if (charCode >= VK_LEFT && charCode <= VK_DOWN)
        result = 1;
}

void TiSwitchMultiPosition::KeyDownHook(TKey& key, TShiftState) {
    m_keyHeld = true;
    m_dragging = false;
    TFlagScope scope(m_userChange);
    if (StepByKey(key))
        key = 0;
}

// Returns whether the key is one of the switch's own.
bool TiSwitchMultiPosition::StepByKey(TKey key) {
    switch (key) {
    case VK_LEFT:
    case VK_DOWN:
        SetPosition(m_position - m_keyArrowStepSize);
        return true;
    case VK_RIGHT:
    case VK_UP:
        SetPosition(m_position + m_keyArrowStepSize);
        return true;
    case VK_PRIOR:
        SetPosition(m_position + m_keyPageStepSize);
        return true;
    case VK_NEXT:
        SetPosition(m_position - m_keyPageStepSize);
        return true;
    case VK_HOME:
        SetPosition(0);
        return true;
    case VK_END:
        SetPosition(PositionCount() - 1);
        return true;
    default:
        return false;
    }
}

void TiSwitchMultiPosition::KeyUpHook(TKey&, TShiftState) {
    InvalidateChange();
    if (!m_keyHeld)
        return;
    m_keyHeld = false;
    m_dragging = false;
    FinishChange();
}

void TiSwitchMultiPosition::KillFocusHook() {
    TiCustomComponent::KillFocusHook();
    m_dragging = false;
    m_keyHeld = false;
}

// One position per notch, at most one every 30 ms; the wheel is not counted as the user's
// change and finishes nothing.
bool TiSwitchMultiPosition::MouseWheelHook(int wheelDelta, TShiftState shift, TPoint mousePos) {
    const bool handled = TiCustomComponent::MouseWheelHook(wheelDelta, shift, mousePos);
    const TDateTime now = Now();
    if ((now - m_lastWheel) * MsPerDay >= WheelIntervalMs) {
        m_lastWheel = now;
        SetPosition(m_position + (wheelDelta > 0) - (wheelDelta < 0));
    }
    return handled;
}
