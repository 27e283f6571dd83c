#pragma once

#include <memory>
#include <vector>

#include "widgets/scale/iGaugePointerManager.h"
#include "widgets/scale/iScaleComponent.h"

class TiGaugePointer;

// One coloured stretch of a gauge's scale.
struct TGaugeSection {
    double Start = 0;
    double End = 0;
    TColor Color = clBlack;
};

// A scale widget with one or more pointers and up to five coloured sections. Pointer 0 carries
// the widget's Position; CurrentMin and CurrentMax follow pointer 0 only.
class TiGaugeComponent : public TiScaleComponent {
public:
    static constexpr int MaxSectionCount = 5;

    explicit TiGaugeComponent(TComponent* owner);
    ~TiGaugeComponent() override;

    static const TClassInfo& StaticClassInfo();

    double GetPosition() const override;
    // Clamps to the range; a value that is not a finite number is refused.
    void SetPosition(double value) override;

    int PointerCount() const { return m_pointers->Count(); }
    // Throws Exception "List index out of bounds (N)" for an index beyond the list.
    TiGaugePointer& Pointer(int index) const { return m_pointers->Items(index); }
    // Returns the index of the new pointer.
    int AddPointer() { return m_pointers->Add(); }
    // Pointer 0 carries the widget's Position and is never deleted.
    void DeletePointer(int index);
    // Moves one pointer without clamping; the extremes follow it.
    void SetPointerPosition(int index, double value);

    int SectionCount() const { return m_sectionCount; }
    // Kept within 0 .. 5.
    void SetSectionCount(int value);
    double SectionEnd1() const { return m_sectionEnd[0]; }
    void SetSectionEnd1(double value) { StoreSectionEnd(0, value); }
    double SectionEnd2() const { return m_sectionEnd[1]; }
    void SetSectionEnd2(double value) { StoreSectionEnd(1, value); }
    double SectionEnd3() const { return m_sectionEnd[2]; }
    void SetSectionEnd3(double value) { StoreSectionEnd(2, value); }
    double SectionEnd4() const { return m_sectionEnd[3]; }
    void SetSectionEnd4(double value) { StoreSectionEnd(3, value); }
    TColor SectionColor1() const { return m_sectionColor[0]; }
    void SetSectionColor1(TColor value) { StoreSectionColor(0, value); }
    TColor SectionColor2() const { return m_sectionColor[1]; }
    void SetSectionColor2(TColor value) { StoreSectionColor(1, value); }
    TColor SectionColor3() const { return m_sectionColor[2]; }
    void SetSectionColor3(TColor value) { StoreSectionColor(2, value); }
    TColor SectionColor4() const { return m_sectionColor[3]; }
    void SetSectionColor4(TColor value) { StoreSectionColor(3, value); }
    TColor SectionColor5() const { return m_sectionColor[4]; }
    void SetSectionColor5(TColor value) { StoreSectionColor(4, value); }
    // The stretches to paint, from PositionMin up to PositionMax; none when SectionCount is 0.
    std::vector<TGaugeSection> Sections() const;

    // Pointer 0's appearance, published by the gauges.
    int PointerSize() const;
    void SetPointerSize(int value);
    int PointerMargin() const;
    void SetPointerMargin(int value);
    TColor PointerColor() const;
    void SetPointerColor(TColor value);
    int PointerStyleValue() const;
    void SetPointerStyleValue(int value);

protected:
    void ClampPositionToRange() override;
    // Called when a pointer joins the list.
    virtual void PointerAdded(TiGaugePointer& pointer) { (void)pointer; }

private:
    TiGaugePointer& FirstPointer() const { return m_pointers->Items(0); }
    void ReadPointers(const TLayoutValue& value);
    void StoreSectionEnd(int index, double value);
    void StoreSectionColor(int index, TColor value);

    std::unique_ptr<TiGaugePointerManager> m_pointers;
    double m_sectionEnd[4] = {50, 75, 0, 0};
    int m_sectionCount = 0;
    TColor m_sectionColor[MaxSectionCount] = {clGreen, clYellow, clRed, clYellow, clYellow};
};
