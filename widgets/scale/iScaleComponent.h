#pragma once

#include <memory>

#include "gui/streaming/FrameworkClasses.h"
#include "widgets/scale/iPositionComponent.h"
#include "widgets/scale/iScaleObject.h"

// The base of every widget that shows its value against a scale: it owns the tick and label
// settings (kept in a scale object, whose every change rebuilds the background), auto-scaling of
// the range or of the major ticks onto round values, and the label decimals over its own range.
// Descendants draw the scale: straight through the scale object, or round on their own.
class TiScaleComponent : public TiPositionComponent {
public:
    explicit TiScaleComponent(TComponent* owner);
    ~TiScaleComponent() override;

    static const TClassInfo& StaticClassInfo();

    bool ShowTicksMajor() const { return m_scale->ShowTicksMajor(); }
    void SetShowTicksMajor(bool value) { m_scale->SetShowTicksMajor(value); }
    bool ShowTicksMinor() const { return m_scale->ShowTicksMinor(); }
    void SetShowTicksMinor(bool value) { m_scale->SetShowTicksMinor(value); }
    bool ShowTickLabels() const { return m_scale->ShowTickLabels(); }
    void SetShowTickLabels(bool value) { m_scale->SetShowTickLabels(value); }
    int TickMajorCount() const { return m_scale->TickMajorCount(); }
    void SetTickMajorCount(int value) { m_scale->SetTickMajorCount(value); }
    TColor TickMajorColor() const { return m_scale->TickMajorColor(); }
    void SetTickMajorColor(TColor value) { m_scale->SetTickMajorColor(value); }
    int TickMajorLength() const { return m_scale->TickMajorLength(); }
    void SetTickMajorLength(int value) { m_scale->SetTickMajorLength(value); }
    TiTickMinorAlignment TickMinorAlignment() const { return m_scale->TickMinorAlignment(); }
    void SetTickMinorAlignment(TiTickMinorAlignment value) {
        m_scale->SetTickMinorAlignment(value);
    }
    int TickMinorCount() const { return m_scale->TickMinorCount(); }
    void SetTickMinorCount(int value) { m_scale->SetTickMinorCount(value); }
    TColor TickMinorColor() const { return m_scale->TickMinorColor(); }
    void SetTickMinorColor(TColor value) { m_scale->SetTickMinorColor(value); }
    int TickMinorLength() const { return m_scale->TickMinorLength(); }
    void SetTickMinorLength(int value) { m_scale->SetTickMinorLength(value); }
    int TickMargin() const { return m_scale->TickMargin(); }
    void SetTickMargin(int value) { m_scale->SetTickMargin(value); }
    int TickLabelMargin() const { return m_scale->TickLabelMargin(); }
    void SetTickLabelMargin(int value) { m_scale->SetTickLabelMargin(value); }
    TFont& TickLabelFont() { return m_scale->TickLabelFont(); }
    void SetTickLabelFont(const TFont& value) { m_scale->SetTickLabelFont(value); }
    int TickLabelPrecision() const { return m_scale->TickLabelPrecision(); }
    void SetTickLabelPrecision(int value) { m_scale->SetTickLabelPrecision(value); }
    TiPrecisionStyle PrecisionStyle() const { return m_scale->PrecisionStyle(); }
    void SetPrecisionStyle(TiPrecisionStyle value) { m_scale->SetPrecisionStyle(value); }
    TiBevelStyle TickMajorStyle() const { return m_scale->TickMajorStyle(); }
    void SetTickMajorStyle(TiBevelStyle value) { m_scale->SetTickMajorStyle(value); }
    TiBevelStyle TickMinorStyle() const { return m_scale->TickMinorStyle(); }
    void SetTickMinorStyle(TiBevelStyle value) { m_scale->SetTickMinorStyle(value); }

    bool AutoScaleEnabled() const { return m_autoScaleEnabled; }
    void SetAutoScaleEnabled(bool value);
    // Values below 2 are ignored.
    int AutoScaleDesiredTicks() const { return m_autoScaleDesiredTicks; }
    void SetAutoScaleDesiredTicks(int value);
    int AutoScaleMaxTicks() const { return m_autoScaleMaxTicks; }
    void SetAutoScaleMaxTicks(int value);
    TiAutoScaleStyle AutoScaleStyle() const { return m_autoScaleStyle; }
    void SetAutoScaleStyle(TiAutoScaleStyle value);
    // The round major ticks of the latest search that kept the range; kept when auto-scaling is
    // switched off or the style changes.
    double AutoScaleFirstTick() const { return m_autoScaleFirstTick; }
    double AutoScaleLastTick() const { return m_autoScaleLastTick; }

    // With auto-scaling on, a bound written outside loading is a request: the search decides the
    // range that results.
    void SetPositionMin(double value) override;
    void SetPositionMax(double value) override;
    // A stored layout is auto-scaled once, on the range it holds.
    void Loaded() override;

    // Label decimals over this component's range.
    virtual int LabelDecimals() const;

    // Its Sender is the scale object.
    TOnCustomizeTickLabel OnCustomizeTickLabel;

    // What the scale-bearing widgets publish, with the stream defaults (the label margin is the
    // widget's own).
    template <class C>
    static void PublishScaleProperties(TClassBuilder<C>& builder, int tickLabelMargin);
    // What only straight scales publish.
    template <class C> static void PublishTickStyles(TClassBuilder<C>& builder);

protected:
    TiScaleObject& Scale() { return *m_scale; }
    const TiScaleObject& Scale() const { return *m_scale; }
    void ApplyAutoScale(double min, double max);

private:
    std::unique_ptr<TiScaleObject> m_scale;
    bool m_autoScaleEnabled = false;
    int m_autoScaleDesiredTicks = 5;
    int m_autoScaleMaxTicks = 6;
    TiAutoScaleStyle m_autoScaleStyle = iassAutoMinMax;
    double m_autoScaleLastTick = 0;
    double m_autoScaleFirstTick = 0;
};

template <class C>
void TiScaleComponent::PublishScaleProperties(TClassBuilder<C>& builder, int tickLabelMargin) {
    using S = TiScaleComponent;
    builder.Boolean("ShowTicksMajor", &S::ShowTicksMajor, &S::SetShowTicksMajor, true)
        .Boolean("ShowTicksMinor", &S::ShowTicksMinor, &S::SetShowTicksMinor, true)
        .Boolean("ShowTickLabels", &S::ShowTickLabels, &S::SetShowTickLabels, true)
        .Integer("TickMajorCount", &S::TickMajorCount, &S::SetTickMajorCount, 5)
        .Color("TickMajorColor", &S::TickMajorColor, &S::SetTickMajorColor, clBlack)
        .Integer("TickMajorLength", &S::TickMajorLength, &S::SetTickMajorLength, 7)
        .Enumeration("TickMinorAlignment", &S::TickMinorAlignment, &S::SetTickMinorAlignment,
                     {"itmnaInside", "itmnaCenter", "itmnaOutside"}, itmnaInside)
        .Integer("TickMinorCount", &S::TickMinorCount, &S::SetTickMinorCount, 4)
        .Color("TickMinorColor", &S::TickMinorColor, &S::SetTickMinorColor, clBlack)
        .Integer("TickMinorLength", &S::TickMinorLength, &S::SetTickMinorLength, 3)
        .Integer("TickMargin", &S::TickMargin, &S::SetTickMargin, 5)
        .Integer("TickLabelMargin", &S::TickLabelMargin, &S::SetTickLabelMargin, tickLabelMargin)
        .Object("TickLabelFont", &S::TickLabelFont, TFrameworkClasses::Font())
        .Integer("TickLabelPrecision", &S::TickLabelPrecision, &S::SetTickLabelPrecision, 0)
        .Enumeration("PrecisionStyle", &S::PrecisionStyle, &S::SetPrecisionStyle,
                     {"ipsSignificantDigits", "ipsFixedDecimalPoints"}, ipsFixedDecimalPoints)
        .Event("OnCustomizeTickLabel", &S::OnCustomizeTickLabel)
        .Boolean("AutoScaleEnabled", &S::AutoScaleEnabled, &S::SetAutoScaleEnabled, false)
        .Integer("AutoScaleDesiredTicks", &S::AutoScaleDesiredTicks, &S::SetAutoScaleDesiredTicks,
                 5)
        .Integer("AutoScaleMaxTicks", &S::AutoScaleMaxTicks, &S::SetAutoScaleMaxTicks, 6)
        .Enumeration("AutoScaleStyle", &S::AutoScaleStyle, &S::SetAutoScaleStyle,
                     {"iassAutoMinMax", "iassFixedMinMax"}, iassAutoMinMax);
}

template <class C> void TiScaleComponent::PublishTickStyles(TClassBuilder<C>& builder) {
    using S = TiScaleComponent;
    const std::vector<std::string> styles = {"ibsNone", "ibsRaised", "ibsLowered"};
    builder
        .Enumeration("TickMajorStyle", &S::TickMajorStyle, &S::SetTickMajorStyle, styles, ibsNone)
        .Enumeration("TickMinorStyle", &S::TickMinorStyle, &S::SetTickMinorStyle, styles, ibsNone);
}
