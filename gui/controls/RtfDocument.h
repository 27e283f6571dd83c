#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/Color.h"

enum TRtfAlignment : std::uint8_t { raLeft, raCenter, raRight, raJustify };
enum TRtfScript : std::uint8_t { rsNormal, rsSubscript, rsSuperscript };

// How a run of characters looks. An empty font name, a zero size or the colour clDefault
// leave that part to the box's own font.
struct TRtfCharFormat {
    std::string fontName;
    int halfPoints = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // Formulas in the pages index their quantities: smaller text below or above the baseline.
    TRtfScript script = rsNormal;
    TColor color = clDefault;
    TColor highlight = clNone;

    bool operator==(const TRtfCharFormat&) const = default;
};

// Paragraph measures in twips (1/1440 inch), as the file gives them.
struct TRtfParaFormat {
    TRtfAlignment alignment = raLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    // Added to the left indent on the first line; negative for a hanging indent.
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    // Zero: single spacing. With lineMultiple, 240 is single; otherwise a positive value is the
    // least line height and a negative one the exact height.
    int lineSpacing = 0;
    bool lineMultiple = false;
    std::vector<int> tabStops;

    bool operator==(const TRtfParaFormat&) const = default;
};

// Text in one format; '\t' is a tab and '\v' a line break inside the paragraph.
struct TRtfRun {
    int format = 0;
    std::string text;
};

struct TRtfParagraph {
    TRtfParaFormat format;
    std::vector<TRtfRun> runs;
    // The format of the paragraph mark, which sizes an empty paragraph.
    int endFormat = 0;
};

// Paragraphs of runs, with every distinct character format kept once.
class TRtfDocument {
public:
    TRtfDocument();

    // The index of the format, added if it is new.
    int AddFormat(const TRtfCharFormat& format);
    const TRtfCharFormat& Format(int index) const { return m_formats[index]; }
    const std::vector<TRtfCharFormat>& Formats() const { return m_formats; }
    const std::vector<TRtfParagraph>& Paragraphs() const { return m_paragraphs; }

    // Appends to the open paragraph, joining the last run when the format is the same.
    void AppendText(int format, std::string_view text);
    // Closes the open paragraph with these formats and opens the next.
    void EndParagraph(const TRtfParaFormat& format, int endFormat);
    // Keeps the open paragraph only when it holds text, since files end their last paragraph
    // with a mark of their own.
    void Finish(const TRtfParaFormat& format, int endFormat);

    // Every paragraph followed by '\n'.
    std::string PlainText() const;

private:
    std::vector<TRtfCharFormat> m_formats;
    std::vector<TRtfParagraph> m_paragraphs;
    TRtfParagraph m_open;
};
