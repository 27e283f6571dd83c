#include "widgets/scale/iScaleComponent.h"

#include <cmath>

namespace {

constexpr int MinAutoScaleTicks = 2;

} // namespace

TiScaleComponent::TiScaleComponent(TComponent* owner)
    : TiPositionComponent(owner), m_scale(std::make_unique<TiScaleObject>()) {
    m_scale->SetPrecisionStyle(ipsFixedDecimalPoints);
    m_scale->OnChange = [this](TObject*) { BackGroundChange(); };
    m_scale->OnCustomizeTickLabel = [this](TObject* sender, int index, std::string& text) {
        if (OnCustomizeTickLabel)
            OnCustomizeTickLabel(sender, index, text);
    };
    m_scale->SetAutoScaleDesiredTicks(m_autoScaleDesiredTicks);
    m_scale->SetAutoScaleMaxTicks(m_autoScaleMaxTicks);
    m_scale->SetShowTicksMajor(true);
    m_scale->SetShowTicksMinor(true);
    m_scale->SetShowTickLabels(true);
}

TiScaleComponent::~TiScaleComponent() {
    // Nothing may repaint through a scale object that is going away.
    m_scale->OnChange = nullptr;
}

const TClassInfo& TiScaleComponent::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiScaleComponent>("TiScaleComponent", &TiPositionComponent::StaticClassInfo())
            .Build();
    return info;
}

void TiScaleComponent::SetAutoScaleEnabled(bool value) {
    if (value == m_autoScaleEnabled)
        return;
    m_autoScaleEnabled = value;
    m_scale->SetAutoScaleEnabled(value);
    ApplyAutoScale(PositionMin(), PositionMax());
}

void TiScaleComponent::SetAutoScaleStyle(TiAutoScaleStyle value) {
    if (value == m_autoScaleStyle)
        return;
    m_autoScaleStyle = value;
    m_scale->SetAutoScaleStyle(value);
    ApplyAutoScale(PositionMin(), PositionMax());
}

void TiScaleComponent::SetAutoScaleDesiredTicks(int value) {
    if (value < MinAutoScaleTicks || value == m_autoScaleDesiredTicks)
        return;
    m_autoScaleDesiredTicks = value;
    m_scale->SetAutoScaleDesiredTicks(value);
    ApplyAutoScale(PositionMin(), PositionMax());
}

void TiScaleComponent::SetAutoScaleMaxTicks(int value) {
    if (value < MinAutoScaleTicks || value == m_autoScaleMaxTicks)
        return;
    m_autoScaleMaxTicks = value;
    m_scale->SetAutoScaleMaxTicks(value);
    ApplyAutoScale(PositionMin(), PositionMax());
}

void TiScaleComponent::SetPositionMin(double value) {
    if (m_autoScaleEnabled && !IsLoading())
        ApplyAutoScale(value, PositionMax());
    else
        TiPositionComponent::SetPositionMin(value);
}

void TiScaleComponent::SetPositionMax(double value) {
    if (m_autoScaleEnabled && !IsLoading())
        ApplyAutoScale(PositionMin(), value);
    else
        TiPositionComponent::SetPositionMax(value);
}

void TiScaleComponent::Loaded() {
    TiPositionComponent::Loaded();
    ApplyAutoScale(PositionMin(), PositionMax());
}

int TiScaleComponent::LabelDecimals() const {
    return TiScaleObject::LabelDecimalsFor(m_scale->PrecisionStyle(), m_scale->TickLabelPrecision(),
                                           std::abs(PositionMax() - PositionMin()));
}

void TiScaleComponent::ApplyAutoScale(double min, double max) {
    if (!m_autoScaleEnabled || IsLoading() || !std::isfinite(min) || !std::isfinite(max))
        return;
    // A search that finds no round grid leaves the requested range as it is and the tick count
    // as it was.
    if (m_autoScaleStyle == iassAutoMinMax) {
        const TiScaleObject::TAutoRange range =
            TiScaleObject::AutoScaleRange(m_autoScaleDesiredTicks, m_autoScaleMaxTicks, min, max);
        SetRange(range.NewMax, range.NewMin);
        if (range.Found)
            m_scale->SetTickMajorCount(range.TickCount);
        return;
    }
    const TiScaleObject::TFixedTicks ticks =
        TiScaleObject::FixedScaleRange(m_autoScaleDesiredTicks, m_autoScaleMaxTicks, min, max);
    SetRange(max, min);
    m_autoScaleLastTick = ticks.LastTick;
    m_autoScaleFirstTick = ticks.FirstTick;
    m_scale->SetAutoScaleLastTick(ticks.LastTick);
    m_scale->SetAutoScaleFirstTick(ticks.FirstTick);
    BackGroundChange();
    if (ticks.Found)
        m_scale->SetTickMajorCount(ticks.TickCount);
}
