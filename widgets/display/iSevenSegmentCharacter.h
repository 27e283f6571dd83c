#pragma once

#include <cstdint>
#include <string>

#include "widgets/core/iCustomComponent.h"

enum TSevenSegmentCharacter : std::uint8_t {
    ssc0,
    ssc1,
    ssc2,
    ssc3,
    ssc4,
    ssc5,
    ssc6,
    ssc7,
    ssc8,
    ssc9,
    sscA,
    sscB,
    sscC,
    sscD,
    sscE,
    sscF,
    sscPeriod,
    sscColon,
    sscPlus,
    sscMinus,
    sscBlank,
    sscLine,
    sscUpArrow,
    sscDownArrow,
    sscSemiColon,
    sscComma,
};

// The colours of lit and unlit segments, as one paint works them out.
struct TSegmentColors {
    TColor Lit;
    TColor Unlit;
};

// One character of a seven-segment readout. It paints itself, and it is also the engine that
// every multi-digit readout uses to draw any character code into any cell of its own canvas.
// A segment set is a byte with bit 0 for the top segment A, then B, C, D, E, F and the middle G.
class TiSevenSegmentCharacter : public TiCustomComponent {
public:
    explicit TiSevenSegmentCharacter(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    // The code a written character selects (letters in either case; anything unknown is blank),
    // and the character a code reads back as (letters in lower case).
    static TSevenSegmentCharacter CodeOfCharacter(char character);
    static char CharacterOfCode(TSevenSegmentCharacter code);

    TSevenSegmentCharacter Value() const { return m_value; }
    void SetValue(TSevenSegmentCharacter value);
    char Character() const { return CharacterOfCode(m_value); }
    void SetCharacter(char value) { SetValue(CodeOfCharacter(value)); }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    TColor SegmentColor() const { return m_segmentColor; }
    void SetSegmentColor(TColor value);
    TColor SegmentOffColor() const { return m_segmentOffColor; }
    void SetSegmentOffColor(TColor value);
    bool AutoSegmentOffColor() const { return m_autoSegmentOffColor; }
    void SetAutoSegmentOffColor(bool value);
    bool ShowOffSegments() const { return m_showOffSegments; }
    void SetShowOffSegments(bool value);
    bool PowerOff() const { return m_powerOff; }
    void SetPowerOff(bool value);
    int SegmentSize() const { return m_segmentSize; }
    void SetSegmentSize(int value);
    int SegmentSeperation() const { return m_segmentSeperation; }
    void SetSegmentSeperation(int value);
    int SegmentMargin() const { return m_segmentMargin; }
    void SetSegmentMargin(int value);
    bool UseSegmentBits() const { return m_useSegmentBits; }
    void SetUseSegmentBits(bool value);
    bool SegAOn() const { return m_segAOn; }
    void SetSegAOn(bool value);
    bool SegBOn() const { return m_segBOn; }
    void SetSegBOn(bool value);
    bool SegCOn() const { return m_segCOn; }
    void SetSegCOn(bool value);
    bool SegDOn() const { return m_segDOn; }
    void SetSegDOn(bool value);
    bool SegEOn() const { return m_segEOn; }
    void SetSegEOn(bool value);
    bool SegFOn() const { return m_segFOn; }
    void SetSegFOn(bool value);
    bool SegGOn() const { return m_segGOn; }
    void SetSegGOn(bool value);
    std::uint8_t SegmentBits() const;
    // Always repaints, as it stands for seven flags at once.
    void SetSegmentBits(std::uint8_t value);

    // Draws code into the cell at origin with this object's measures and colours. Nothing but
    // the character's own shapes is touched: no background, nothing outside the cell.
    void DrawCharacter(TCanvas& canvas, TPoint origin, TSevenSegmentCharacter code, int cellHeight,
                       int cellWidth) const;
    // The natural cell of the current Value, margins included.
    int GetCharacterWidth() const;
    int GetCharacterHeight() const;

protected:
    void DrawWidget(TCanvas& canvas) override;

private:
    TSegmentColors SegmentColors() const;
    std::uint8_t FreeSegmentSet() const;
    void ApplyAutoSize();
    void SetSegmentFlag(bool value, bool& field);

    std::string CharacterText() const { return std::string(1, Character()); }
    void SetCharacterText(const std::string& value);

    TSevenSegmentCharacter m_value = ssc0;
    bool m_autoSize = true;
    TColor m_segmentColor = clLime;
    TColor m_segmentOffColor = clGreen;
    bool m_autoSegmentOffColor = true;
    bool m_showOffSegments = true;
    bool m_powerOff = false;
    int m_segmentSize = 1;
    int m_segmentSeperation = 1;
    int m_segmentMargin = 2;
    bool m_useSegmentBits = false;
    bool m_segCOn = false;
    bool m_segDOn = false;
    bool m_segGOn = false;
    bool m_segAOn = false;
    bool m_segFOn = false;
    bool m_segBOn = false;
    bool m_segEOn = false;
};
