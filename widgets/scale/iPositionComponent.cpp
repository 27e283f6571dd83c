#include "widgets/scale/iPositionComponent.h"

#include <cmath>

#include "gui/graphics/Exception.h"

namespace {

// A stored layout may not hold a bound that no range can be drawn with.
double FiniteStoredValue(const TLayoutValue& value, const char* name) {
    const double result = value.AsDouble();
    if (!std::isfinite(result))
        throw EReadError(std::string(name) + " is not a finite number");
    return result;
}

} // namespace

TiPositionComponent::TiPositionComponent(TComponent* owner) : TiCustomComponent(owner) {}

TiPositionComponent::~TiPositionComponent() = default;

const TClassInfo& TiPositionComponent::StaticClassInfo() {
    using P = TiPositionComponent;
    static const TClassInfo& info =
        TClassBuilder<P>("TiPositionComponent", &TiCustomComponent::StaticClassInfo())
            // The range comes first: a property file sets each value through its setter, and a
            // position read before its range would be clamped to the old one.
            .Double("PositionMax", &P::PositionMax, &P::SetPositionMax)
            .Double("PositionMin", &P::PositionMin, &P::SetPositionMin)
            .Double("Position", &P::Position, &P::SetPosition)
            .Double("CurrentMax", &P::CurrentMax, &P::SetCurrentMax)
            .Double("CurrentMin", &P::CurrentMin, &P::SetCurrentMin)
            .Boolean("MinMaxFixed", &P::MinMaxFixed, &P::SetMinMaxFixed, false)
            .Event("OnPositionChange", &P::OnPositionChange)
            .Event("OnCurrentMaxChange", &P::OnCurrentMaxChange)
            .Event("OnCurrentMinChange", &P::OnCurrentMinChange)
            .Event("OnPositionOverMax", &P::OnPositionOverMax)
            .Event("OnPositionUnderMin", &P::OnPositionUnderMin)
            .Event("OnPositionOverLimit", &P::OnPositionOverLimit)
            .Event("OnPositionUnderLimit", &P::OnPositionUnderLimit)
            // A maximum of 0 is not written as a published real, yet the constructor's is 100.
            .Defined(
                "PositionMax_2", [](const P&) { return true; },
                [](const P& c) { return TLayoutValue::OfDouble(c.m_positionMax); },
                [](P& c, const TLayoutValue& v) {
                    c.m_positionMax = FiniteStoredValue(v, "PositionMax_2");
                })
            .Build();
    return info;
}

double TiPositionComponent::GetPosition() const {
    return m_position;
}

void TiPositionComponent::SetPosition(double value) {
    if (std::isnan(value))
        return;
    if (IsLoading()) {
        if (std::isfinite(value))
            m_position = value;
        return;
    }
    if (value > m_positionMax)
        value = m_positionMax;
    if (value < m_positionMin)
        value = m_positionMin;
    if (value == m_position)
        return;
    bool allow = true;
    if (OnBeforeChange)
        OnBeforeChange(this, "Position", allow);
    if (!allow)
        return;
    m_position = value;
    m_changedSinceFinished = true;
    TrackExtremes(m_position);
    FireThresholds(m_position);
    FireLimits(m_position);
    InvalidateChange();
    ReportPositionChange();
}

void TiPositionComponent::SetPositionMin(double value) {
    if (value != m_positionMin)
        SetRange(m_positionMax, value);
}

void TiPositionComponent::SetPositionMax(double value) {
    if (value != m_positionMax)
        SetRange(value, m_positionMin);
}

void TiPositionComponent::SetRange(double newMax, double newMin) {
    if (!std::isfinite(newMax) || !std::isfinite(newMin))
        return;
    if (newMax == m_positionMax && newMin == m_positionMin)
        return;
    m_positionMax = newMax;
    m_positionMin = newMin;
    if (!IsLoading() && !m_minMaxFixed) {
        if (m_currentMin < m_positionMin)
            SetCurrentMin(m_positionMin);
        if (m_currentMax > m_positionMax)
            SetCurrentMax(m_positionMax);
    }
    ClampPositionToRange();
    BackGroundChange();
}

double TiPositionComponent::PositionPercent(double value) const {
    if (value > m_positionMax)
        return 1;
    if (value >= m_positionMin && m_positionMax != m_positionMin)
        return (value - m_positionMin) / (m_positionMax - m_positionMin);
    return 0;
}

void TiPositionComponent::SetCurrentMax(double value) {
    if (std::isnan(value) || (IsLoading() && !std::isfinite(value)))
        return;
    if (!IsLoading()) {
        if (value < m_positionMin)
            value = m_positionMin;
        if (value > m_positionMax)
            value = m_positionMax;
    }
    if (value == m_currentMax)
        return;
    m_currentMax = value;
    if (m_showMaxPointer)
        InvalidateChange();
    if (IsLoading())
        return;
    if (OnCurrentMaxChange)
        OnCurrentMaxChange(this);
    if (GetPosition() > m_currentMax && OnPositionOverMax)
        OnPositionOverMax(this);
}

void TiPositionComponent::SetCurrentMin(double value) {
    if (std::isnan(value) || (IsLoading() && !std::isfinite(value)))
        return;
    if (!IsLoading()) {
        if (value < m_positionMin)
            value = m_positionMin;
        if (value > m_positionMax)
            value = m_positionMax;
    }
    if (value == m_currentMin)
        return;
    m_currentMin = value;
    if (m_showMinPointer)
        InvalidateChange();
    if (IsLoading())
        return;
    if (OnCurrentMinChange)
        OnCurrentMinChange(this);
    if (GetPosition() < m_currentMin && OnPositionUnderMin)
        OnPositionUnderMin(this);
}

void TiPositionComponent::SetMinMaxFixed(bool value) {
    SetBooleanProperty(value, m_minMaxFixed, ckInvalidate);
}

void TiPositionComponent::SetShowMaxPointer(bool value) {
    SetBooleanProperty(value, m_showMaxPointer, ckBackGround);
}

void TiPositionComponent::SetShowMinPointer(bool value) {
    SetBooleanProperty(value, m_showMinPointer, ckBackGround);
}

void TiPositionComponent::SetMinMaxPointerMargin(int value) {
    SetIntegerProperty(value, m_minMaxPointerMargin, ckBackGround);
}

void TiPositionComponent::SetMinMaxPointerSize(int value) {
    SetIntegerProperty(value, m_minMaxPointerSize, ckBackGround);
}

void TiPositionComponent::SetMaxPointerColor(TColor value) {
    SetColorProperty(value, m_maxPointerColor, ckInvalidate);
}

void TiPositionComponent::SetMinPointerColor(TColor value) {
    SetColorProperty(value, m_minPointerColor, ckInvalidate);
}

void TiPositionComponent::SetMinMaxUserCanMove(bool value) {
    SetBooleanProperty(value, m_minMaxUserCanMove, ckInvalidate);
}

const TiLimitObject& TiPositionComponent::Limit(int index) const {
    if (index < 0 || index >= LimitCount())
        throw Exception("Limit Index out of bounds");
    return m_limits[static_cast<std::size_t>(index)];
}

void TiPositionComponent::AddLimit(const TiLimitObject& limit) {
    m_limits.push_back(limit);
    BackGroundChange();
}

void TiPositionComponent::ClearLimits() {
    if (m_limits.empty())
        return;
    m_limits.clear();
    BackGroundChange();
}

void TiPositionComponent::ClampPositionToRange() {
    if (IsLoading())
        return;
    if (GetPosition() < m_positionMin)
        SetPosition(m_positionMin);
    if (GetPosition() > m_positionMax)
        SetPosition(m_positionMax);
}

void TiPositionComponent::DoPositionChangeFinished() {
    if (IsLoading() || !m_changedSinceFinished)
        return;
    m_changedSinceFinished = false;
    PositionOutputHook();
    if (OnPositionChangeFinished)
        OnPositionChangeFinished(this);
}

void TiPositionComponent::SetPositionByUser(double value) {
    // Restored however the change ends, so a failing handler cannot leave every later change
    // marked as the user's.
    struct TUserChangeScope {
        bool& flag;
        bool before;
        explicit TUserChangeScope(bool& f) : flag(f), before(f) { flag = true; }
        ~TUserChangeScope() { flag = before; }
    } scope(m_userChange);
    SetPosition(value);
}

void TiPositionComponent::TrackExtremes(double position) {
    if (m_minMaxFixed)
        return;
    if (position > m_currentMax)
        SetCurrentMax(position);
    if (position < m_currentMin)
        SetCurrentMin(position);
}

void TiPositionComponent::FireThresholds(double position) {
    if (position > m_currentMax && OnPositionOverMax)
        OnPositionOverMax(this);
    if (position < m_currentMin && OnPositionUnderMin)
        OnPositionUnderMin(this);
}

void TiPositionComponent::FireLimits(double value) {
    // Indexed, not iterated: a handler may change the list.
    for (int i = 0; i < LimitCount(); ++i) {
        if (m_limits[i].UpperValue < value && OnPositionOverLimit)
            OnPositionOverLimit(this, i);
        if (i < LimitCount() && m_limits[i].LowerValue > value && OnPositionUnderLimit)
            OnPositionUnderLimit(this, i);
    }
}

void TiPositionComponent::ReportPositionChange() {
    if (!m_userChange)
        PositionOutputHook();
    if (OnAfterChange)
        OnAfterChange(this, "Position");
    if (OnPositionChange)
        OnPositionChange(this);
    if (m_userChange && OnPositionChangeUser)
        OnPositionChangeUser(this);
}
