#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gui/controls/RtfCodePage.h"
#include "gui/controls/RtfDocument.h"

// Reads RTF into paragraphs of formatted runs: fonts, sizes, styles, colours, paragraph
// alignment, indents, spacing and tab stops. Tables of fonts and colours are applied; pictures,
// objects, headers, style sheets and every other destination that is not body text are
// skipped.
class TRtfReader {
public:
    static constexpr std::size_t MaxDepth = 1024;

    // Throws Exception saying what is wrong when the bytes are not a complete RTF document.
    static TRtfDocument Read(std::span<const std::uint8_t> data);

private:
    enum TDestination : std::uint8_t { dText, dSkip, dFontTable, dColorTable };

    // What a group saves on opening and restores on closing.
    struct TState {
        TDestination destination = dText;
        TRtfCharFormat chars;
        int fontNumber = -1;
        bool hidden = false;
        TRtfParaFormat para;
        int unicodeSkip = 1;
        // The index of chars in the document, or -1 until text needs it.
        int formatIndex = -1;
    };

    struct TFontEntry {
        std::string name;
        int charset = -1;
    };

    explicit TRtfReader(std::span<const std::uint8_t> data);

    void ReadHeader();
    void ReadBody();
    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    void ReadControlWord();
    int ReadParameter(bool& present);
    void ReadHexByte();
    void SkipBinary(int count);
    void Keyword(std::string_view word, bool hasParameter, int parameter);
    bool DestinationKeyword(std::string_view word);
    bool CharacterKeyword(std::string_view word, bool hasParameter, int parameter);
    bool ParagraphKeyword(std::string_view word, bool hasParameter, int parameter);
    void TextKeyword(std::string_view word);
    void UnicodeCharacter(int parameter);

    void PlainByte(std::uint8_t byte);
    void CodePageByte(std::uint8_t byte);
    void TextCharacter(char32_t codePoint);
    void EmitCharacter(char32_t codePoint);
    void EndParagraph();
    void ResetCharacters();
    void CharactersChanged() { m_state.formatIndex = -1; }
    int FormatIndex();
    TRtfCodePage CurrentCodePage() const;
    std::string FontName(int number) const;
    void CommitFont();
    void CommitColor();
    void FontTableKeyword(std::string_view word, int parameter);
    void ColorTableKeyword(std::string_view word, int parameter);
    TColor ColorAt(int index) const;
    bool Skipping();
    [[noreturn]] void Fail(const std::string& reason) const;

    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
    TRtfDocument m_document;
    TState m_state;
    std::vector<TState> m_saved;
    bool m_finished = false;

    TRtfCodePage m_codePage;
    int m_defaultFont = 0;
    std::map<int, TFontEntry> m_fonts;
    // The number of the font-table entry being read, if one is open.
    std::optional<int> m_tableFont;
    TFontEntry m_pendingFont;
    std::vector<TColor> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorSet = false;

    // Characters still to drop after \u, standing in for readers without Unicode.
    int m_unicodeSkipLeft = 0;
    bool m_ignorableNext = false;
    char32_t m_highSurrogate = 0;
};
