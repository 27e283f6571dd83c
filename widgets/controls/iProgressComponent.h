#pragma once

#include "widgets/scale/iPositionComponent.h"

// The base of segmented bar displays: up to three colour sections along the range and the
// choice of showing unlit segments dimmed.
class TiProgressComponent : public TiPositionComponent {
public:
    static constexpr int MaxSectionCount = 3;

    explicit TiProgressComponent(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    TColor SectionColor1() const { return m_sectionColor1; }
    void SetSectionColor1(TColor value);
    TColor SectionColor2() const { return m_sectionColor2; }
    void SetSectionColor2(TColor value);
    TColor SectionColor3() const { return m_sectionColor3; }
    void SetSectionColor3(TColor value);
    double SectionEnd1() const { return m_sectionEnd1; }
    void SetSectionEnd1(double value);
    double SectionEnd2() const { return m_sectionEnd2; }
    void SetSectionEnd2(double value);
    // Only 1, 2 or 3 are taken; other values are ignored.
    int SectionCount() const { return m_sectionCount; }
    void SetSectionCount(int value);
    bool ShowOffSegments() const { return m_showOffSegments; }
    void SetShowOffSegments(bool value);

    // The colour of a segment standing for this value: the section it lies in.
    TColor SectionColorAt(double value) const;

private:
    TColor m_sectionColor1 = clLime;
    TColor m_sectionColor2 = clYellow;
    TColor m_sectionColor3 = clRed;
    double m_sectionEnd1 = 50;
    double m_sectionEnd2 = 75;
    int m_sectionCount = 1;
    bool m_showOffSegments = true;
};
