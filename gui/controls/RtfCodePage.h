#pragma once

#include <cstdint>
#include <string>

// The single-byte Windows code pages that RTF files name for their 8-bit characters, and the
// UTF-8 writing of the characters they give.
class TRtfCodePage {
public:
    // Code pages other than 1251 (Cyrillic) read as 1252 (Western), the format's default.
    explicit TRtfCodePage(int number = 1252);
    // The code page of a font's \fcharset. Only the Cyrillic charset overrides the document's
    // page: hand-written files often mark Cyrillic fonts as Western and still mean 1251.
    static TRtfCodePage ForCharset(int charset, TRtfCodePage fallback);

    int Number() const { return m_cyrillic ? 1251 : 1252; }
    char32_t Decode(std::uint8_t byte) const;

    // Code points that UTF-8 cannot carry (surrogates, values past U+10FFFF) come out as U+FFFD.
    static void AppendUtf8(std::string& text, char32_t codePoint);

private:
    bool m_cyrillic = false;
};
