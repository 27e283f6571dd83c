#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum TLayoutTokenKind : std::uint8_t {
    ltEndOfText,
    ltIdent,
    ltInteger,
    ltDouble,
    ltString,
    ltBinary,
    // One of = : . , [ ] < > @ ( ) in Text.
    ltSymbol,
};

struct TLayoutToken {
    TLayoutTokenKind Kind = ltEndOfText;
    int Line = 1;
    // The name of an identifier, the decoded text of a string, the character of a symbol.
    std::string Text;
    std::int64_t Integer = 0;
    double Double = 0;
    std::vector<std::uint8_t> Bytes;
};

// Cuts layout text into tokens. A string token already joins its quoted parts, character codes
// (#13) and '+' continuations; a binary token is the decoded bytes of { hex }. Faults throw
// EReadError naming the line.
class TLayoutLexer {
public:
    explicit TLayoutLexer(std::string_view text);

    const TLayoutToken& Current() const { return m_current; }
    // Hands over the current token and moves to the next.
    TLayoutToken Take();

private:
    void Advance();
    void SkipBlanks();
    char At(std::size_t offset) const;
    bool AtEnd() const { return m_pos >= m_text.size(); }
    [[noreturn]] void Fail(const std::string& message) const;

    void ReadIdent();
    void ReadNumber();
    std::int64_t ReadHex();
    void ReadDecimal(bool negative);
    void ReadString();
    void ReadQuoted();
    void ReadCharacterCode();
    bool SkipContinuation();
    void ReadBinary();

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    // Where the last token ended: the end of the text is reported there, not on a blank line
    // after it.
    int m_lastLine = 1;
    TLayoutToken m_current;
};
