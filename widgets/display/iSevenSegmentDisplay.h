#pragma once

#include <cstdint>
#include <memory>

#include "widgets/core/iCustomComponent.h"
#include "widgets/display/iSevenSegmentCharacter.h"

enum TiLeadingStyle : std::uint8_t { ilsNone, ilsZeros, ilsSpaces };

// The look shared by multi-character seven-segment readouts. Every cell is drawn by one hidden
// character that receives the readout's measures and colours before each paint.
class TiSevenSegmentDisplay : public TiCustomComponent {
public:
    explicit TiSevenSegmentDisplay(TComponent* owner);
    ~TiSevenSegmentDisplay() override;

    static const TClassInfo& StaticClassInfo();

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    // Published only by the readouts that have digit cells.
    int DigitCount() const { return m_digitCount; }
    void SetDigitCount(int value);
    int DigitSpacing() const { return m_digitSpacing; }
    void SetDigitSpacing(int value);
    TiLeadingStyle LeadingStyle() const { return m_leadingStyle; }
    void SetLeadingStyle(TiLeadingStyle value);
    int SegmentMargin() const { return m_segmentMargin; }
    void SetSegmentMargin(int value);
    TColor SegmentColor() const { return m_segmentColor; }
    void SetSegmentColor(TColor value);
    int SegmentSeperation() const { return m_segmentSeperation; }
    void SetSegmentSeperation(int value);
    int SegmentSize() const { return m_segmentSize; }
    void SetSegmentSize(int value);
    bool ShowOffSegments() const { return m_showOffSegments; }
    void SetShowOffSegments(bool value);
    bool PowerOff() const { return m_powerOff; }
    void SetPowerOff(bool value);
    bool AutoSegmentOffColor() const { return m_autoSegmentOffColor; }
    void SetAutoSegmentOffColor(bool value);
    TColor SegmentOffColor() const { return m_segmentOffColor; }
    void SetSegmentOffColor(TColor value);

    TNotifyEvent OnValueChange;

protected:
    // The size the readout needs for its cells at the current measures.
    virtual void CalcAutoSize(int& width, int& height) = 0;
    void ApplyAutoSize();
    // Run at the start of every paint: the drawing character takes the readout's look.
    void TransferSettings();
    TiSevenSegmentCharacter& DrawingCharacter() { return *m_character; }

private:
    std::unique_ptr<TiSevenSegmentCharacter> m_character;
    bool m_autoSize = true;
    int m_digitCount = 4;
    int m_digitSpacing = 6;
    TiLeadingStyle m_leadingStyle = ilsSpaces;
    int m_segmentMargin = 5;
    TColor m_segmentColor = clWhite;
    int m_segmentSeperation = 1;
    int m_segmentSize = 1;
    bool m_showOffSegments = true;
    bool m_powerOff = false;
    bool m_autoSegmentOffColor = true;
    TColor m_segmentOffColor = clGray;
};
