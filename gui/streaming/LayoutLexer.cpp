#include "gui/streaming/LayoutLexer.h"

#include <array>
#include <charconv>

#include "gui/streaming/LayoutError.h"
#include "gui/streaming/LayoutText.h"

namespace {

constexpr std::string_view Symbols = "=:.,[]<>@()";

constexpr std::array<std::int8_t, 256> HexDigits = [] {
    std::array<std::int8_t, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i)
        table['0' + i] = static_cast<std::int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table['A' + i] = static_cast<std::int8_t>(10 + i);
        table['a' + i] = static_cast<std::int8_t>(10 + i);
    }
    return table;
}();

int HexValue(char c) {
    return HexDigits[static_cast<unsigned char>(c)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Printable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F)
        return std::string(1, '#').append(std::to_string(byte));
    return std::string{'\'', c, '\''};
}

// Enough of a long run of digits to recognise it in a message.
std::string Excerpt(std::string_view text) {
    constexpr std::size_t Limit = 24;
    return text.size() <= Limit ? std::string(text) : std::string(text.substr(0, Limit)) + "...";
}

template <class T> bool Convert(std::string_view text, T& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

bool Convert(std::string_view text, double& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

TLayoutLexer::TLayoutLexer(std::string_view text) : m_text(text) {
    // A byte order mark that an editor put in front says nothing.
    if (m_text.starts_with("\xEF\xBB\xBF"))
        m_pos = 3;
    Advance();
}

TLayoutToken TLayoutLexer::Take() {
    TLayoutToken token = std::move(m_current);
    Advance();
    return token;
}

char TLayoutLexer::At(std::size_t offset) const {
    return m_pos + offset < m_text.size() ? m_text[m_pos + offset] : '\0';
}

void TLayoutLexer::Fail(const std::string& message) const {
    throw LayoutError(m_line, message);
}

void TLayoutLexer::SkipBlanks() {
    for (; !AtEnd(); ++m_pos) {
        const char c = m_text[m_pos];
        if (c == '\n')
            ++m_line;
        else if (c != ' ' && c != '\t' && c != '\r')
            return;
    }
}

void TLayoutLexer::Advance() {
    m_lastLine = m_line;
    SkipBlanks();
    m_current = TLayoutToken{};
    m_current.Line = AtEnd() ? m_lastLine : m_line;
    if (AtEnd())
        return;
    const char c = At(0);
    if (IsIdentStart(c)) {
        ReadIdent();
    } else if (IsDigit(c) || c == '-' || c == '$') {
        ReadNumber();
    } else if (c == '\'' || c == '#') {
        ReadString();
    } else if (c == '{') {
        ReadBinary();
    } else if (Symbols.find(c) != std::string_view::npos) {
        m_current.Kind = ltSymbol;
        m_current.Text = c;
        ++m_pos;
    } else {
        Fail("Unexpected character " + Printable(c));
    }
}

void TLayoutLexer::ReadIdent() {
    const std::size_t start = m_pos;
    while (IsIdentChar(At(0)))
        ++m_pos;
    m_current.Kind = ltIdent;
    m_current.Text = m_text.substr(start, m_pos - start);
}

void TLayoutLexer::ReadNumber() {
    const bool negative = At(0) == '-';
    if (negative)
        ++m_pos;
    if (At(0) == '$') {
        ++m_pos;
        m_current.Kind = ltInteger;
        m_current.Integer = negative ? -ReadHex() : ReadHex();
    } else if (IsDigit(At(0))) {
        ReadDecimal(negative);
    } else {
        Fail("Expected a number after '-'");
    }
    if (IsIdentChar(At(0)) || At(0) == '.')
        Fail("Bad number: unexpected " + Printable(At(0)) + " after it");
}

std::int64_t TLayoutLexer::ReadHex() {
    const std::size_t start = m_pos;
    while (HexValue(At(0)) >= 0)
        ++m_pos;
    const std::string_view digits = m_text.substr(start, m_pos - start);
    if (digits.empty())
        Fail("Expected hex digits after '$'");
    std::uint64_t value = 0;
    if (!Convert(digits, value, 16) || value > 0xFFFFFFFF)
        Fail("Number out of range: $" + Excerpt(digits));
    // A hex number is a 32-bit pattern, as colours and masks were written: $FFFFFFFF is -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

void TLayoutLexer::ReadDecimal(bool negative) {
    const std::size_t start = negative ? m_pos - 1 : m_pos;
    bool real = false;
    while (IsDigit(At(0)))
        ++m_pos;
    if (At(0) == '.' && IsDigit(At(1))) {
        real = true;
        for (++m_pos; IsDigit(At(0));)
            ++m_pos;
    }
    const bool signedExponent = (At(1) == '+' || At(1) == '-') && IsDigit(At(2));
    if ((At(0) == 'e' || At(0) == 'E') && (IsDigit(At(1)) || signedExponent)) {
        real = true;
        for (m_pos += signedExponent ? 2 : 1; IsDigit(At(0));)
            ++m_pos;
    }
    const std::string_view text = m_text.substr(start, m_pos - start);
    const bool converted =
        real ? Convert(text, m_current.Double) : Convert(text, m_current.Integer);
    if (!converted)
        Fail("Number out of range: " + Excerpt(text));
    m_current.Kind = real ? ltDouble : ltInteger;
}

void TLayoutLexer::ReadString() {
    m_current.Kind = ltString;
    do {
        while (At(0) == '\'' || At(0) == '#') {
            if (At(0) == '\'')
                ReadQuoted();
            else
                ReadCharacterCode();
        }
    } while (SkipContinuation());
}

void TLayoutLexer::ReadQuoted() {
    std::string part;
    for (++m_pos;; ++m_pos) {
        const char c = At(0);
        if (AtEnd() || c == '\n' || c == '\r')
            Fail("Unterminated string");
        if (c == '\'' && At(1) != '\'')
            break;
        if (c == '\'')
            ++m_pos;
        part += c;
    }
    ++m_pos;
    if (!IsValidUtf8(part))
        Fail("A string is not valid UTF-8");
    m_current.Text += part;
}

void TLayoutLexer::ReadCharacterCode() {
    ++m_pos;
    const bool hex = At(0) == '$';
    if (hex)
        ++m_pos;
    const std::size_t start = m_pos;
    while (hex ? HexValue(At(0)) >= 0 : IsDigit(At(0)))
        ++m_pos;
    const std::string_view digits = m_text.substr(start, m_pos - start);
    if (digits.empty())
        Fail("Expected a character code after '#'");
    std::uint32_t code = 0;
    if (!Convert(digits, code, hex ? 16 : 10) || !AppendUtf8(m_current.Text, code))
        Fail("Bad character code #" + std::string(hex ? "$" : "") + Excerpt(digits));
}

// A '+' after a string part, usually at the end of a line, joins the next part to it.
bool TLayoutLexer::SkipContinuation() {
    const std::size_t pos = m_pos;
    while (At(0) == ' ' || At(0) == '\t')
        ++m_pos;
    if (At(0) != '+') {
        m_pos = pos;
        return false;
    }
    ++m_pos;
    SkipBlanks();
    if (At(0) != '\'' && At(0) != '#')
        Fail("Expected a string after '+'");
    return true;
}

void TLayoutLexer::ReadBinary() {
    const int startLine = m_line;
    const std::size_t close = m_text.find('}', m_pos);
    if (close == std::string_view::npos)
        Fail("Binary data is not closed with '}'");
    std::vector<std::uint8_t>& bytes = m_current.Bytes;
    bytes.reserve((close - m_pos) / 2);
    int high = -1;
    for (++m_pos; m_pos < close; ++m_pos) {
        const char c = m_text[m_pos];
        if (const int value = HexValue(c); value >= 0) {
            if (high >= 0)
                bytes.push_back(static_cast<std::uint8_t>(high << 4 | value));
            high = high >= 0 ? -1 : value;
        } else if (c == '\n') {
            ++m_line;
        } else if (c != ' ' && c != '\t' && c != '\r') {
            Fail("Broken binary data: " + Printable(c) + " is not a hex digit");
        }
    }
    if (high >= 0)
        throw LayoutError(startLine, "Broken binary data: an odd number of hex digits");
    ++m_pos;
    m_current.Kind = ltBinary;
}
