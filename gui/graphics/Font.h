#pragma once

#include <cstdint>
#include <string>

#include "gui/graphics/Color.h"
#include "gui/graphics/GraphicsObject.h"

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles: bit (1 << style) for each style present.
using TFontStyles = std::uint8_t;

constexpr TFontStyles FontStyleBit(TFontStyle style) {
    return static_cast<TFontStyles>(1u << style);
}

class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    TFont(const TFont&) = delete;
    // Copies every attribute and notifies once; the owner's change notification stays.
    TFont& operator=(const TFont& source);

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& value);
    // Negative: the em size in pixels; positive: the height of the character cell.
    int Height() const { return m_height; }
    void SetHeight(int value);
    // Points at 96 pixels per inch, derived from the height.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles value);
    bool HasStyle(TFontStyle style) const { return (m_style & FontStyleBit(style)) != 0; }

    bool SameFace(const TFont& other) const {
        return m_name == other.m_name && m_height == other.m_height && m_style == other.m_style;
    }

private:
    std::string m_name = "MS Sans Serif";
    int m_height = -11;
    TColor m_color = clWindowText;
    TFontStyles m_style = 0;
};
