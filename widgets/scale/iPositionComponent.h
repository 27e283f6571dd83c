#pragma once

#include <functional>
#include <vector>

#include "gui/streaming/ClassBuilder.h"
#include "widgets/core/iCustomComponent.h"
#include "widgets/scale/iLimitObject.h"

using TOnPositionLimit = std::function<void(TObject* sender, int index)>;

// The base of every widget that shows or sets one real value: the value, its range, the
// extremes it has reached (or fixed thresholds), a list of limits, and which events fire when.
// It draws nothing itself.
//
// Outside loading the value always lies in the range. While a layout is read, values are taken
// as they stand and no event fires; the range is settled when the layout is complete.
class TiPositionComponent : public TiCustomComponent {
public:
    explicit TiPositionComponent(TComponent* owner);
    ~TiPositionComponent() override;

    static const TClassInfo& StaticClassInfo();

    double Position() const { return GetPosition(); }
    virtual double GetPosition() const;
    // Not-a-number is refused; infinities are clamped like any other value out of range.
    virtual void SetPosition(double value);

    double PositionMin() const { return m_positionMin; }
    virtual void SetPositionMin(double value);
    double PositionMax() const { return m_positionMax; }
    virtual void SetPositionMax(double value);
    // Both bounds at once, so that a range can move past its old one without being clamped on the
    // way. Bounds that are not finite numbers are refused.
    void SetRange(double newMax, double newMin);
    // Where the value lies in the range, from 0 to 1; an empty range gives 0, or 1 above it.
    double PositionPercent(double value) const;

    double CurrentMax() const { return m_currentMax; }
    void SetCurrentMax(double value);
    double CurrentMin() const { return m_currentMin; }
    void SetCurrentMin(double value);
    // The extremes stop following the value and act as thresholds.
    bool MinMaxFixed() const { return m_minMaxFixed; }
    void SetMinMaxFixed(bool value);

    // Published by the widgets that draw the extremes as pointers.
    bool ShowMaxPointer() const { return m_showMaxPointer; }
    void SetShowMaxPointer(bool value);
    bool ShowMinPointer() const { return m_showMinPointer; }
    void SetShowMinPointer(bool value);
    int MinMaxPointerMargin() const { return m_minMaxPointerMargin; }
    void SetMinMaxPointerMargin(int value);
    int MinMaxPointerSize() const { return m_minMaxPointerSize; }
    void SetMinMaxPointerSize(int value);
    TColor MaxPointerColor() const { return m_maxPointerColor; }
    void SetMaxPointerColor(TColor value);
    TColor MinPointerColor() const { return m_minPointerColor; }
    void SetMinPointerColor(TColor value);
    bool MinMaxUserCanMove() const { return m_minMaxUserCanMove; }
    void SetMinMaxUserCanMove(bool value);

    // Nothing in the program adds limits; the list and its guarded reads serve the gauges.
    int LimitCount() const { return static_cast<int>(m_limits.size()); }
    // Throws Exception "Limit Index out of bounds" for an index outside 0 .. LimitCount - 1.
    const TiLimitObject& Limit(int index) const;
    double LimitUpperValue(int index) const { return Limit(index).UpperValue; }
    double LimitLowerValue(int index) const { return Limit(index).LowerValue; }
    int LimitPointerSize(int index) const { return Limit(index).PointerSize; }
    int LimitPointerMargin(int index) const { return Limit(index).PointerMargin; }
    std::uint8_t LimitOutside(int index) const { return Limit(index).Outside; }
    TColor LimitUpperColor(int index) const { return Limit(index).UpperColor; }
    TColor LimitLowerColor(int index) const { return Limit(index).LowerColor; }
    bool LimitShowUpperPointer(int index) const { return Limit(index).ShowUpperPointer; }
    bool LimitShowLowerPointer(int index) const { return Limit(index).ShowLowerPointer; }
    void AddLimit(const TiLimitObject& limit);
    void ClearLimits();

    TNotifyEvent OnPositionChange;
    TNotifyEvent OnCurrentMaxChange;
    TNotifyEvent OnCurrentMinChange;
    TNotifyEvent OnPositionOverMax;
    TNotifyEvent OnPositionUnderMin;
    TOnPositionLimit OnPositionOverLimit;
    TOnPositionLimit OnPositionUnderLimit;
    // Published by the widgets the user moves.
    TNotifyEvent OnPositionChangeFinished;
    TNotifyEvent OnPositionChangeUser;

    // What the widgets that draw the extremes publish, with the stream defaults.
    template <class C> static void PublishMinMaxPointers(TClassBuilder<C>& builder);
    // What the widgets the user moves publish.
    template <class C> static void PublishUserEvents(TClassBuilder<C>& builder);

protected:
    // Lets an outside data connection hear of the value; runs once per programmatic change and
    // once at the end of a user's interaction.
    virtual void PositionOutputHook() {}
    virtual void ClampPositionToRange();

    // Ends a user's interaction (mouse or key release, wheel step) that changed the value.
    void DoPositionChangeFinished();
    // Sets the value on the user's behalf: OnPositionChangeUser fires and the output hook waits
    // for DoPositionChangeFinished.
    void SetPositionByUser(double value);
    bool UserChange() const { return m_userChange; }
    bool PositionChangedSinceFinished() const { return m_changedSinceFinished; }
    // A new interaction starts: only what it changes will be reported finished.
    void ClearPositionChangedSinceFinished() { m_changedSinceFinished = false; }

    // The steps of a value change after it is stored, for widgets that keep the value elsewhere.
    void TrackExtremes(double position);
    void FireThresholds(double position);
    void FireLimits(double value);
    void ReportPositionChange();

private:
    double m_position = 0;
    double m_positionMax = 100;
    double m_positionMin = 0;
    double m_currentMax = 0;
    double m_currentMin = 0;
    bool m_minMaxFixed = false;
    bool m_showMaxPointer = false;
    bool m_showMinPointer = false;
    int m_minMaxPointerMargin = 0;
    int m_minMaxPointerSize = 8;
    TColor m_maxPointerColor = clAqua;
    TColor m_minPointerColor = clYellow;
    bool m_minMaxUserCanMove = false;

    bool m_changedSinceFinished = false;
    bool m_userChange = false;
    std::vector<TiLimitObject> m_limits;
};

template <class C> void TiPositionComponent::PublishMinMaxPointers(TClassBuilder<C>& builder) {
    using P = TiPositionComponent;
    builder.Boolean("ShowMaxPointer", &P::ShowMaxPointer, &P::SetShowMaxPointer, false)
        .Boolean("ShowMinPointer", &P::ShowMinPointer, &P::SetShowMinPointer, false)
        .Integer("MinMaxPointerMargin", &P::MinMaxPointerMargin, &P::SetMinMaxPointerMargin, 0)
        .Integer("MinMaxPointerSize", &P::MinMaxPointerSize, &P::SetMinMaxPointerSize, 8)
        .Color("MaxPointerColor", &P::MaxPointerColor, &P::SetMaxPointerColor, clAqua)
        .Color("MinPointerColor", &P::MinPointerColor, &P::SetMinPointerColor, clYellow)
        .Boolean("MinMaxUserCanMove", &P::MinMaxUserCanMove, &P::SetMinMaxUserCanMove, false);
}

template <class C> void TiPositionComponent::PublishUserEvents(TClassBuilder<C>& builder) {
    builder.Event("OnPositionChangeFinished", &TiPositionComponent::OnPositionChangeFinished)
        .Event("OnPositionChangeUser", &TiPositionComponent::OnPositionChangeUser);
}
