#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gui/streaming/LayoutLexer.h"
#include "gui/streaming/LayoutValue.h"

// One "object Name: ClassName ... end" block: its properties in the order written, then the
// objects nested in it.
struct TLayoutObject {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;
};

// Reads layout text into a tree without knowing any class. Resource references (@'name') are
// resolved here, so the tree holds their bytes.
class TLayoutParser {
public:
    // Throws EReadError naming the line of the first fault.
    static TLayoutObject Parse(std::string_view text);
    // One value written alone ("True", "12.5", "'ВКЛ'", "[fsBold]"), as a tool takes it from
    // its user. Throws EReadError when the text is not exactly one value.
    static TLayoutValue ParseValueText(std::string_view text);

private:
    // Deeper objects or item lists are refused before they could exhaust the stack.
    static constexpr int MaxDepth = 32;

    explicit TLayoutParser(std::string_view text) : m_lexer(text) {}

    TLayoutObject ParseObject(int depth);
    void ParseHeader(TLayoutObject& object);
    void ParseBody(TLayoutObject& object, int depth);
    TLayoutProperty ParseProperty(int depth);
    std::string ParsePath();
    TLayoutValue ParseValue(int depth);
    TLayoutValue ParseSet();
    TLayoutValue ParseItems(int depth);
    std::vector<TLayoutProperty> ParseItem(int depth);
    TLayoutValue ParseResource();

    bool AtSymbol(char symbol) const;
    bool AtKeyword(std::string_view keyword) const;
    bool AtEnd() const { return m_lexer.Current().Kind == ltEndOfText; }
    void ExpectSymbol(char symbol);
    void ExpectKeyword(std::string_view keyword);
    std::string ExpectIdent(std::string_view what);
    [[noreturn]] void Fail(const std::string& message) const;
    [[noreturn]] void Unexpected(std::string_view expected) const;

    TLayoutLexer m_lexer;
};
