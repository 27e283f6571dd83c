#include "widgets/scale/iGaugeComponent.h"

#include <algorithm>
#include <cmath>

#include "gui/streaming/ClassBuilder.h"
#include "widgets/scale/iGaugePointer.h"

TiGaugeComponent::TiGaugeComponent(TComponent* owner) : TiScaleComponent(owner) {
    const auto repaint = [this](TObject*) {
        if (!Destroying())
            InvalidateChange();
    };
    const auto inserted = [this, repaint](TObject* subject) {
        if (auto* pointer = dynamic_cast<TiGaugePointer*>(subject))
            PointerAdded(*pointer);
        repaint(subject);
    };
    m_pointers = std::make_unique<TiGaugePointerManager>(repaint, inserted, repaint);
    m_pointers->Add();
}

TiGaugeComponent::~TiGaugeComponent() {
    BeginDestroy();
    m_pointers.reset();
}

const TClassInfo& TiGaugeComponent::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiGaugeComponent>("TiGaugeComponent", &TiScaleComponent::StaticClassInfo())
            .Defined(
                "SectionEnd1_2", [](const TiGaugeComponent&) { return true; },
                [](const TiGaugeComponent& c) { return TLayoutValue::OfDouble(c.m_sectionEnd[0]); },
                [](TiGaugeComponent& c, const TLayoutValue& v) {
                    c.m_sectionEnd[0] = v.AsDouble();
                })
            .Defined(
                "SectionEnd2_2", [](const TiGaugeComponent&) { return true; },
                [](const TiGaugeComponent& c) { return TLayoutValue::OfDouble(c.m_sectionEnd[1]); },
                [](TiGaugeComponent& c, const TLayoutValue& v) {
                    c.m_sectionEnd[1] = v.AsDouble();
                })
            .Defined(
                "Pointers", [](const TiGaugeComponent& c) { return c.PointerCount() > 0; },
                [](const TiGaugeComponent& c) { return c.m_pointers->WritePointers(); },
                [](TiGaugeComponent& c, const TLayoutValue& v) { c.ReadPointers(v); })
            .Build();
    return info;
}

// A stored collection may be empty or fail half-way; the widget still needs pointer 0.
void TiGaugeComponent::ReadPointers(const TLayoutValue& value) {
    struct TKeepFirst {
        TiGaugePointerManager& pointers;
        ~TKeepFirst() {
            if (pointers.Count() == 0)
                pointers.Add();
        }
    } keepFirst{*m_pointers};
    m_pointers->ReadPointers(value);
}

double TiGaugeComponent::GetPosition() const {
    return FirstPointer().Position();
}

void TiGaugeComponent::SetPosition(double value) {
    if (std::isnan(value))
        return;
    if (IsLoading()) {
        FirstPointer().SetPosition(value);
        return;
    }
    const double clamped = std::max(std::min(value, PositionMax()), PositionMin());
    if (FirstPointer().Position() == clamped)
        return;
    FirstPointer().SetPosition(clamped);
    TrackExtremes(clamped);
    FireThresholds(clamped);
    // The limits judge the value asked for, not the clamped one.
    FireLimits(value);
    ReportPositionChange();
}

void TiGaugeComponent::SetPointerPosition(int index, double value) {
    if (!std::isfinite(value))
        return;
    Pointer(index).SetPosition(value);
    TrackExtremes(value);
    FireThresholds(value);
}

void TiGaugeComponent::ClampPositionToRange() {
    for (int i = 0; i < PointerCount(); ++i) {
        TiGaugePointer& pointer = Pointer(i);
        if (pointer.Position() < PositionMin())
            pointer.SetPosition(PositionMin());
        if (pointer.Position() > PositionMax())
            pointer.SetPosition(PositionMax());
    }
}

void TiGaugeComponent::DeletePointer(int index) {
    if (index != 0)
        m_pointers->Delete(index);
}

void TiGaugeComponent::SetSectionCount(int value) {
    SetIntegerProperty(std::clamp(value, 0, MaxSectionCount), m_sectionCount, ckBackGround);
}

void TiGaugeComponent::StoreSectionEnd(int index, double value) {
    SetDoubleProperty(value, m_sectionEnd[index], ckBackGround);
}

void TiGaugeComponent::StoreSectionColor(int index, TColor value) {
    SetColorProperty(value, m_sectionColor[index], ckBackGround);
}

std::vector<TGaugeSection> TiGaugeComponent::Sections() const {
    std::vector<TGaugeSection> sections;
    double start = PositionMin();
    for (int k = 1; k <= m_sectionCount; ++k) {
        double end = k <= 4 ? m_sectionEnd[k - 1] : PositionMax();
        end = std::max(std::min(end, PositionMax()), PositionMin());
        if (end < start || k == m_sectionCount)
            end = PositionMax();
        sections.push_back({start, end, m_sectionColor[k - 1]});
        if (end == PositionMax())
            break;
        start = end;
    }
    return sections;
}

int TiGaugeComponent::PointerSize() const {
    return FirstPointer().Size();
}

void TiGaugeComponent::SetPointerSize(int value) {
    FirstPointer().SetSize(value);
}

int TiGaugeComponent::PointerMargin() const {
    return FirstPointer().Margin();
}

void TiGaugeComponent::SetPointerMargin(int value) {
    FirstPointer().SetMargin(value);
}

TColor TiGaugeComponent::PointerColor() const {
    return FirstPointer().Color();
}

void TiGaugeComponent::SetPointerColor(TColor value) {
    FirstPointer().SetColor(value);
}

int TiGaugeComponent::PointerStyleValue() const {
    return FirstPointer().Style();
}

void TiGaugeComponent::SetPointerStyleValue(int value) {
    FirstPointer().SetStyle(value);
}
