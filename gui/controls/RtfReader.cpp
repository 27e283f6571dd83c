#include "gui/controls/RtfReader.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

#include "gui/graphics/Exception.h"

namespace {

// 22 inches: wider than any page, so larger indents and spacings are mistakes.
constexpr int MaxTwips = 31680;
constexpr std::size_t MaxTabStops = 64;
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 1000;
constexpr int MaxUnicodeSkip = 64;
constexpr int MaxDigits = 10;
constexpr std::size_t MaxFontName = 255;

// Destinations whose content never belongs to the body text.
constexpr std::string_view SkippedDestinations[] = {
    "annotation",
    "atnauthor",
    "atnid",
    "author",
    "bkmkend",
    "bkmkstart",
    "buptim",
    "colorschememapping",
    "comment",
    "company",
    "creatim",
    "datastore",
    "doccomm",
    "docvar",
    "falt",
    "fldinst",
    "filetbl",
    "footer",
    "footerf",
    "footerl",
    "footerr",
    "footnote",
    "generator",
    "header",
    "headerf",
    "headerl",
    "headerr",
    "info",
    "keywords",
    "latentstyles",
    "listoverridetable",
    "listtable",
    "mmathPr",
    "nonshppict",
    "object",
    "objdata",
    "operator",
    "panose",
    "pgdsctbl",
    "pict",
    "pnseclvl",
    "printim",
    "private",
    "revtbl",
    "revtim",
    "rsidtbl",
    "shp",
    "sp",
    "stylesheet",
    "subject",
    "sv",
    "tc",
    "template",
    "themedata",
    "title",
    "txe",
    "userprops",
    "xe",
};

constexpr std::string_view UnderlineWords[] = {
    "ul",      "uld",  "uldash", "uldashd", "uldashdd", "uldb",       "ulhwave",
    "ulldash", "ulth", "ulthd",  "ulw",     "ulwave",   "ululdbwave",
};

struct TSpecialCharacter {
    std::string_view word;
    char32_t codePoint;
};

constexpr TSpecialCharacter SpecialCharacters[] = {
    {"line", U'\v'},       {"tab", U'\t'},        {"cell", U'\t'},     {"emdash", 0x2014},
    {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
    {"qmspace", 0x2005},
};

template <std::size_t N> bool Contains(const std::string_view (&words)[N], std::string_view word) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

bool IsLetter(std::uint8_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

int HexValue(std::uint8_t c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsBlank(std::uint8_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int Twips(int value, int low = -MaxTwips) {
    return std::clamp(value, low, MaxTwips);
}

// Font tables from Russian editions of old word processors name their fonts "Arial CYR";
// the face is the plain one.
std::string CleanFontName(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::string clean = name.substr(first, name.find_last_not_of(' ') - first + 1);
    constexpr std::string_view Cyr = " CYR";
    if (clean.size() > Cyr.size() && clean.ends_with(Cyr))
        clean.resize(clean.size() - Cyr.size());
    return clean;
}

} // namespace

TRtfDocument TRtfReader::Read(std::span<const std::uint8_t> data) {
    TRtfReader reader(data);
    reader.ReadHeader();
    reader.ReadBody();
    return std::move(reader.m_document);
}

TRtfReader::TRtfReader(std::span<const std::uint8_t> data) : m_data(data) {}

void TRtfReader::ReadHeader() {
    while (m_pos < m_data.size() && IsBlank(m_data[m_pos]))
        ++m_pos;
    constexpr std::string_view Signature = "{\\rtf";
    const std::size_t left = m_data.size() - m_pos;
    if (left < Signature.size() ||
        !std::equal(Signature.begin(), Signature.end(), m_data.begin() + m_pos))
        throw Exception("Not an RTF document: it does not begin with {\\rtf");
    ++m_pos;
    OpenGroup();
}

void TRtfReader::ReadBody() {
    while (!m_finished) {
        if (m_pos >= m_data.size())
            Fail("the document ends before all its groups are closed");
        const std::uint8_t c = m_data[m_pos++];
        if (c == '{')
            OpenGroup();
        else if (c == '}')
            CloseGroup();
        else if (c == '\\')
            ReadControl();
        else
            PlainByte(c);
    }
}

void TRtfReader::OpenGroup() {
    m_unicodeSkipLeft = 0;
    if (m_saved.size() >= MaxDepth)
        Fail("groups are nested more than " + std::to_string(MaxDepth) + " deep");
    m_saved.push_back(m_state);
}

void TRtfReader::CloseGroup() {
    m_unicodeSkipLeft = 0;
    m_ignorableNext = false;
    if (m_state.destination == dFontTable)
        CommitFont();
    if (m_saved.size() == 1) {
        m_document.Finish(m_state.para, FormatIndex());
        m_finished = true;
    }
    m_state = std::move(m_saved.back());
    m_saved.pop_back();
}

void TRtfReader::ReadControl() {
    if (m_pos >= m_data.size())
        Fail("the document ends inside a control word");
    const std::uint8_t c = m_data[m_pos];
    if (IsLetter(c)) {
        ReadControlWord();
        return;
    }
    ++m_pos;
    if (c == '\'') {
        ReadHexByte();
        return;
    }
    if (Skipping())
        return;
    switch (c) {
    case '*':
        m_ignorableNext = true;
        break;
    case '{':
    case '}':
    case '\\':
        TextCharacter(c);
        break;
    case '~':
        TextCharacter(0xA0);
        break;
    case '_':
        TextCharacter('-');
        break;
    case '\r':
    case '\n':
        EndParagraph();
        break;
    default:
        // The optional hyphen and the index and formula marks show nothing.
        break;
    }
}

void TRtfReader::ReadControlWord() {
    const std::size_t start = m_pos;
    while (m_pos < m_data.size() && IsLetter(m_data[m_pos]))
        ++m_pos;
    const std::string_view word(reinterpret_cast<const char*>(m_data.data()) + start,
                                m_pos - start);
    bool hasParameter = false;
    const int parameter = ReadParameter(hasParameter);
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;
    if (word == "bin") {
        SkipBinary(parameter);
        Skipping();
        return;
    }
    if (Skipping())
        return;
    Keyword(word, hasParameter, parameter);
}

int TRtfReader::ReadParameter(bool& present) {
    const bool negative =
        m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && IsDigit(m_data[m_pos + 1]);
    if (negative)
        ++m_pos;
    std::int64_t value = 0;
    int digits = 0;
    while (m_pos < m_data.size() && IsDigit(m_data[m_pos])) {
        if (++digits > MaxDigits)
            Fail("a number in a control word is too long");
        value = value * 10 + (m_data[m_pos++] - '0');
    }
    present = digits > 0;
    value = negative ? -value : value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        Fail("a number in a control word is out of range");
    return static_cast<int>(value);
}

void TRtfReader::ReadHexByte() {
    if (m_data.size() - m_pos < 2)
        Fail("the document ends inside a \\' escape");
    const int high = HexValue(m_data[m_pos]);
    const int low = HexValue(m_data[m_pos + 1]);
    if (high < 0 || low < 0)
        Fail("a \\' escape is not followed by two hexadecimal digits");
    m_pos += 2;
    if (!Skipping())
        CodePageByte(static_cast<std::uint8_t>(high * 16 + low));
}

void TRtfReader::SkipBinary(int count) {
    if (count < 0 || m_data.size() - m_pos < static_cast<std::size_t>(count))
        Fail("binary data runs past the end of the document");
    m_pos += static_cast<std::size_t>(count);
}

bool TRtfReader::Skipping() {
    if (m_unicodeSkipLeft == 0)
        return false;
    --m_unicodeSkipLeft;
    return true;
}

void TRtfReader::Keyword(std::string_view word, bool hasParameter, int parameter) {
    const bool ignorable = std::exchange(m_ignorableNext, false);
    if (DestinationKeyword(word))
        return;
    if (ignorable) {
        // A destination marked as optional that we do not know: none of them holds body text.
        m_state.destination = dSkip;
        return;
    }
    if (word == "u") {
        UnicodeCharacter(parameter);
        return;
    }
    if (word == "uc") {
        m_state.unicodeSkip = std::clamp(hasParameter ? parameter : 1, 0, MaxUnicodeSkip);
        return;
    }
    switch (m_state.destination) {
    case dFontTable:
        FontTableKeyword(word, parameter);
        return;
    case dColorTable:
        ColorTableKeyword(word, parameter);
        return;
    case dSkip:
        return;
    case dText:
        break;
    }
    if (word == "ansicpg")
        m_codePage = TRtfCodePage(parameter);
    else if (word == "deff")
        m_defaultFont = parameter;
    else if (!CharacterKeyword(word, hasParameter, parameter) &&
             !ParagraphKeyword(word, hasParameter, parameter))
        TextKeyword(word);
}

bool TRtfReader::DestinationKeyword(std::string_view word) {
    TDestination destination = dSkip;
    if (word == "fonttbl")
        destination = dFontTable;
    else if (word == "colortbl")
        destination = dColorTable;
    else if (!Contains(SkippedDestinations, word))
        return false;
    if (m_state.destination != dSkip)
        m_state.destination = destination;
    return true;
}

void TRtfReader::FontTableKeyword(std::string_view word, int parameter) {
    if (word == "f") {
        CommitFont();
        m_tableFont = parameter;
    } else if (word == "fcharset") {
        m_pendingFont.charset = parameter;
    }
}

void TRtfReader::ColorTableKeyword(std::string_view word, int parameter) {
    const int component = std::clamp(parameter, 0, 255);
    if (word == "red")
        m_red = component;
    else if (word == "green")
        m_green = component;
    else if (word == "blue")
        m_blue = component;
    else
        return;
    m_colorSet = true;
}

bool TRtfReader::CharacterKeyword(std::string_view word, bool hasParameter, int parameter) {
    TState& s = m_state;
    const bool on = !hasParameter || parameter != 0;
    if (word == "plain")
        ResetCharacters();
    else if (word == "f")
        s.fontNumber = parameter;
    else if (word == "fs")
        s.chars.halfPoints =
            std::clamp(hasParameter ? parameter : 24, MinHalfPoints, MaxHalfPoints);
    else if (word == "b")
        s.chars.bold = on;
    else if (word == "i")
        s.chars.italic = on;
    else if (word == "strike")
        s.chars.strikeOut = on;
    else if (Contains(UnderlineWords, word))
        s.chars.underline = on;
    else if (word == "ulnone")
        s.chars.underline = false;
    else if (word == "cf")
        s.chars.color = ColorAt(parameter);
    else if (word == "highlight" || word == "cb" || word == "chcbpat")
        s.chars.highlight = ColorAt(parameter) == clDefault ? clNone : ColorAt(parameter);
    else if (word == "v")
        s.hidden = on;
    else if (word == "sub")
        s.chars.script = rsSubscript;
    else if (word == "super")
        s.chars.script = rsSuperscript;
    else if (word == "nosupersub")
        s.chars.script = rsNormal;
    else
        return false;
    CharactersChanged();
    return true;
}

bool TRtfReader::ParagraphKeyword(std::string_view word, bool hasParameter, int parameter) {
    TRtfParaFormat& p = m_state.para;
    if (word == "pard")
        p = {};
    else if (word == "ql")
        p.alignment = raLeft;
    else if (word == "qc")
        p.alignment = raCenter;
    else if (word == "qr")
        p.alignment = raRight;
    else if (word == "qj")
        p.alignment = raJustify;
    else if (word == "li")
        p.leftIndent = Twips(parameter);
    else if (word == "ri")
        p.rightIndent = Twips(parameter);
    else if (word == "fi")
        p.firstIndent = Twips(parameter);
    else if (word == "sb")
        p.spaceBefore = Twips(parameter, 0);
    else if (word == "sa")
        p.spaceAfter = Twips(parameter, 0);
    else if (word == "sl")
        p.lineSpacing = Twips(parameter);
    else if (word == "slmult")
        p.lineMultiple = !hasParameter || parameter != 0;
    else if (word == "tx") {
        const int stop = Twips(parameter, 0);
        const auto at = std::lower_bound(p.tabStops.begin(), p.tabStops.end(), stop);
        if (p.tabStops.size() < MaxTabStops && (at == p.tabStops.end() || *at != stop))
            p.tabStops.insert(at, stop);
    } else
        return false;
    return true;
}

void TRtfReader::TextKeyword(std::string_view word) {
    if (word == "par" || word == "sect" || word == "page" || word == "row") {
        EndParagraph();
        return;
    }
    for (const auto& [name, codePoint] : SpecialCharacters) {
        if (word == name) {
            TextCharacter(codePoint);
            return;
        }
    }
}

void TRtfReader::UnicodeCharacter(int parameter) {
    const int value = parameter < 0 ? parameter + 65536 : parameter;
    TextCharacter(value < 0 ? 0xFFFD : static_cast<char32_t>(value));
    m_unicodeSkipLeft = m_state.unicodeSkip;
}

void TRtfReader::PlainByte(std::uint8_t byte) {
    // Line ends are only there to keep lines short; they are no characters of the text.
    if (byte == '\r' || byte == '\n' || Skipping())
        return;
    if (byte >= 0x80)
        CodePageByte(byte);
    else if (byte >= 0x20 || byte == '\t')
        TextCharacter(byte);
}

void TRtfReader::CodePageByte(std::uint8_t byte) {
    TextCharacter(CurrentCodePage().Decode(byte));
}

void TRtfReader::TextCharacter(char32_t codePoint) {
    switch (m_state.destination) {
    case dText:
        if (!m_state.hidden)
            EmitCharacter(codePoint);
        break;
    case dFontTable:
        if (codePoint == ';')
            CommitFont();
        else if (m_pendingFont.name.size() < MaxFontName)
            TRtfCodePage::AppendUtf8(m_pendingFont.name, codePoint);
        break;
    case dColorTable:
        if (codePoint == ';')
            CommitColor();
        break;
    case dSkip:
        break;
    }
}

// Characters past U+FFFF come as two \u words, a high and a low surrogate.
void TRtfReader::EmitCharacter(char32_t codePoint) {
    std::string utf8;
    const bool high = codePoint >= 0xD800 && codePoint <= 0xDBFF;
    const bool low = codePoint >= 0xDC00 && codePoint <= 0xDFFF;
    if (m_highSurrogate != 0 && low) {
        codePoint = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (codePoint - 0xDC00);
    } else if (m_highSurrogate != 0) {
        TRtfCodePage::AppendUtf8(utf8, 0xFFFD);
    }
    m_highSurrogate = high ? codePoint : 0;
    if (!high && (codePoint >= 0x20 || codePoint == U'\t' || codePoint == U'\v'))
        TRtfCodePage::AppendUtf8(utf8, codePoint);
    m_document.AppendText(FormatIndex(), utf8);
}

void TRtfReader::EndParagraph() {
    if (m_state.destination != dText)
        return;
    m_highSurrogate = 0;
    m_document.EndParagraph(m_state.para, FormatIndex());
}

void TRtfReader::ResetCharacters() {
    m_state.chars = {};
    m_state.fontNumber = -1;
    m_state.hidden = false;
}

int TRtfReader::FormatIndex() {
    if (m_state.formatIndex < 0) {
        TRtfCharFormat format = m_state.chars;
        format.fontName = FontName(m_state.fontNumber);
        m_state.formatIndex = m_document.AddFormat(format);
    }
    return m_state.formatIndex;
}

TRtfCodePage TRtfReader::CurrentCodePage() const {
    if (m_state.destination != dText)
        return m_codePage;
    const auto font = m_fonts.find(m_state.fontNumber < 0 ? m_defaultFont : m_state.fontNumber);
    return font == m_fonts.end() ? m_codePage
                                 : TRtfCodePage::ForCharset(font->second.charset, m_codePage);
}

std::string TRtfReader::FontName(int number) const {
    auto font = m_fonts.find(number < 0 ? m_defaultFont : number);
    if (font == m_fonts.end())
        font = m_fonts.find(m_defaultFont);
    return font == m_fonts.end() ? std::string() : font->second.name;
}

void TRtfReader::CommitFont() {
    if (m_tableFont) {
        m_pendingFont.name = CleanFontName(m_pendingFont.name);
        m_fonts[*m_tableFont] = m_pendingFont;
    }
    m_tableFont.reset();
    m_pendingFont = {};
}

void TRtfReader::CommitColor() {
    m_colors.push_back(m_colorSet ? RGB(static_cast<std::uint8_t>(m_red),
                                        static_cast<std::uint8_t>(m_green),
                                        static_cast<std::uint8_t>(m_blue))
                                  : clDefault);
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

TColor TRtfReader::ColorAt(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_colors.size() ? m_colors[index]
                                                                           : clDefault;
}

void TRtfReader::Fail(const std::string& reason) const {
    throw Exception("Not a valid RTF document: " + reason + " (at byte " + std::to_string(m_pos) +
                    ")");
}
