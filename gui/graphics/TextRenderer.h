#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>
#include <pixman.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gui/graphics/Color.h"
#include "gui/graphics/Geometry.h"

class TFont;

// Measures and draws single lines of text with pango. Layouts are cached by font and text,
// because widgets draw the same few labels on every frame.
class TextRenderer {
public:
    struct Metrics {
        int ascent = 0;
        int descent = 0;
        int height = 0;
        int aveCharWidth = 0;
    };

    // Byte ranges [first, second) of the text to underline (the "&" accelerators).
    using Underlines = std::vector<std::pair<int, int>>;

    static TextRenderer& Instance();

    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    const Metrics& FontMetrics(const TFont& font);
    int Width(const TFont& font, std::string_view text, const Underlines& underlines = {});
    // Draws the line with the top of its cell at y, in the font's colour.
    void Draw(cairo_t* cr, const TFont& font, int x, int y, std::string_view text,
              const Underlines& underlines = {});

    // For checks of the installed fonts: glyphs no font can show, the family the font resolves
    // to, and whether that family itself has a glyph for every character.
    int UnknownGlyphs(const TFont& font, std::string_view text);
    std::string FamilyUsed(const TFont& font);
    bool FamilyCovers(const TFont& font, std::string_view text);

private:
    struct FontEntry {
        PangoFontDescription* description = nullptr;
        Metrics metrics;
    };
    struct LayoutEntry {
        PangoLayout* layout = nullptr;
        int width = 0;
        // From the top of the font's cell to the top of the layout, so baselines line up.
        int top = 0;
        // Without underlines or strike-through lines only glyphs are drawn, which a stamp
        // reproduces exactly.
        bool glyphsOnly = false;
        int draws = 0;
        // The glyphs' coverage, rendered once; where its top left lies from the layout's, and
        // the part of it that any glyph covers.
        cairo_surface_t* stamp = nullptr;
        pixman_image_t* stampImage = nullptr;
        int stampLeft = 0;
        int stampTop = 0;
        TRect inked;
    };

    TextRenderer();
    ~TextRenderer();

    FontEntry& Font(const TFont& font);
    LayoutEntry& Layout(const TFont& font, std::string_view text, const Underlines& underlines);
    PangoFontDescription* Describe(const TFont& font);
    Metrics Measure(PangoFontDescription* description);
    void ClearLayouts();
    static void FreeLayout(LayoutEntry& entry);
    void MakeStamp(LayoutEntry& entry);
    bool DrawStamp(cairo_t* cr, LayoutEntry& entry, TColor color, int x, int y);

    PangoFontMap* m_fontMap = nullptr;
    PangoContext* m_context = nullptr;
    std::unordered_map<std::string, FontEntry> m_fonts;
    std::unordered_map<std::string, LayoutEntry> m_layouts;
    // The key of the last font or layout asked for.
    std::string m_fontKey;
    std::string m_layoutKey;
};
