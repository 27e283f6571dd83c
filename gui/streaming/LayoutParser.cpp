#include "gui/streaming/LayoutParser.h"

#include "gui/streaming/ClassInfo.h"
#include "gui/streaming/LayoutError.h"
#include "gui/streaming/Resources.h"

namespace {

std::string Describe(const TLayoutToken& token) {
    switch (token.Kind) {
    case ltEndOfText:
        return "the end of the text";
    case ltIdent:
        return "'" + token.Text + "'";
    case ltInteger:
    case ltDouble:
        return "a number";
    case ltString:
        return "a string";
    case ltBinary:
        return "binary data";
    case ltSymbol:
        return "'" + token.Text + "'";
    }
    return "something else";
}

std::string Title(const TLayoutObject& object) {
    return object.Name.empty() ? object.ClassName : object.Name;
}

} // namespace

TLayoutObject TLayoutParser::Parse(std::string_view text) {
    TLayoutParser parser(text);
    TLayoutObject root = parser.ParseObject(0);
    if (!parser.AtEnd())
        parser.Fail("Text after the end of the layout: " + Describe(parser.m_lexer.Current()));
    return root;
}

TLayoutValue TLayoutParser::ParseValueText(std::string_view text) {
    TLayoutParser parser(text);
    TLayoutValue value = parser.ParseValue(0);
    if (!parser.AtEnd())
        parser.Fail("Text after the value: " + Describe(parser.m_lexer.Current()));
    return value;
}

TLayoutObject TLayoutParser::ParseObject(int depth) {
    if (depth > MaxDepth)
        Fail("Objects are nested too deeply");
    TLayoutObject object;
    ParseHeader(object);
    ParseBody(object, depth);
    return object;
}

// "object Name: ClassName", or "object ClassName" for a component without a name.
void TLayoutParser::ParseHeader(TLayoutObject& object) {
    object.Line = m_lexer.Current().Line;
    ExpectKeyword("object");
    std::string first = ExpectIdent("a component name");
    if (AtSymbol(':')) {
        m_lexer.Take();
        object.Name = std::move(first);
        object.ClassName = ExpectIdent("a class name");
    } else {
        object.ClassName = std::move(first);
    }
}

void TLayoutParser::ParseBody(TLayoutObject& object, int depth) {
    while (!AtKeyword("end")) {
        if (AtEnd())
            Fail("The text ends inside object " + Title(object) + " (missing 'end')");
        if (AtKeyword("object"))
            object.Children.push_back(ParseObject(depth + 1));
        else if (!object.Children.empty())
            Fail("Properties of " + Title(object) + " must come before its nested objects");
        else
            object.Properties.push_back(ParseProperty(depth));
    }
    m_lexer.Take();
}

TLayoutProperty TLayoutParser::ParseProperty(int depth) {
    TLayoutProperty property;
    property.Line = m_lexer.Current().Line;
    property.Path = ParsePath();
    ExpectSymbol('=');
    property.Value = ParseValue(depth);
    return property;
}

std::string TLayoutParser::ParsePath() {
    std::string path = ExpectIdent("a property name");
    while (AtSymbol('.')) {
        m_lexer.Take();
        path += '.' + ExpectIdent("a property name after '.'");
    }
    return path;
}

TLayoutValue TLayoutParser::ParseValue(int depth) {
    const TLayoutToken& token = m_lexer.Current();
    switch (token.Kind) {
    case ltInteger:
        return TLayoutValue::OfInteger(m_lexer.Take().Integer);
    case ltDouble:
        return TLayoutValue::OfDouble(m_lexer.Take().Double);
    case ltString:
        return TLayoutValue::OfString(m_lexer.Take().Text);
    case ltIdent:
        return TLayoutValue::OfIdent(m_lexer.Take().Text);
    case ltBinary:
        return TLayoutValue::OfBytes(m_lexer.Take().Bytes);
    default:
        break;
    }
    if (AtSymbol('['))
        return ParseSet();
    if (AtSymbol('<'))
        return ParseItems(depth + 1);
    if (AtSymbol('@'))
        return ParseResource();
    Unexpected("a value");
}

TLayoutValue TLayoutParser::ParseSet() {
    TLayoutValue set;
    set.Kind = lvSet;
    ExpectSymbol('[');
    if (AtSymbol(']')) {
        m_lexer.Take();
        return set;
    }
    for (;;) {
        set.Names.push_back(ExpectIdent("a set element"));
        if (AtSymbol(']'))
            break;
        ExpectSymbol(',');
    }
    m_lexer.Take();
    return set;
}

TLayoutValue TLayoutParser::ParseItems(int depth) {
    if (depth > MaxDepth)
        Fail("Item lists are nested too deeply");
    TLayoutValue items;
    items.Kind = lvCollection;
    ExpectSymbol('<');
    while (!AtSymbol('>')) {
        if (AtEnd())
            Fail("The text ends inside an item list (missing '>')");
        ExpectKeyword("item");
        items.Items.push_back(ParseItem(depth));
    }
    m_lexer.Take();
    return items;
}

std::vector<TLayoutProperty> TLayoutParser::ParseItem(int depth) {
    std::vector<TLayoutProperty> properties;
    while (!AtKeyword("end")) {
        if (AtEnd())
            Fail("The text ends inside an item (missing 'end')");
        properties.push_back(ParseProperty(depth));
    }
    m_lexer.Take();
    return properties;
}

// @'name': the bytes of a file the build embedded.
TLayoutValue TLayoutParser::ParseResource() {
    ExpectSymbol('@');
    if (m_lexer.Current().Kind != ltString)
        Unexpected("a resource name in quotes after '@'");
    const std::string name = m_lexer.Current().Text;
    const auto data = TResources::Find(name);
    if (!data)
        Fail("Resource not found: " + name);
    m_lexer.Take();
    return TLayoutValue::OfEmbedded(*data);
}

bool TLayoutParser::AtSymbol(char symbol) const {
    const TLayoutToken& token = m_lexer.Current();
    return token.Kind == ltSymbol && token.Text[0] == symbol;
}

bool TLayoutParser::AtKeyword(std::string_view keyword) const {
    const TLayoutToken& token = m_lexer.Current();
    return token.Kind == ltIdent && SameText(token.Text, keyword);
}

void TLayoutParser::ExpectSymbol(char symbol) {
    if (!AtSymbol(symbol))
        Unexpected(std::string("'") + symbol + "'");
    m_lexer.Take();
}

void TLayoutParser::ExpectKeyword(std::string_view keyword) {
    if (!AtKeyword(keyword))
        Unexpected("'" + std::string(keyword) + "'");
    m_lexer.Take();
}

std::string TLayoutParser::ExpectIdent(std::string_view what) {
    if (m_lexer.Current().Kind != ltIdent)
        Unexpected(what);
    return m_lexer.Take().Text;
}

void TLayoutParser::Fail(const std::string& message) const {
    throw LayoutError(m_lexer.Current().Line, message);
}

void TLayoutParser::Unexpected(std::string_view expected) const {
    Fail("Expected " + std::string(expected) + ", found " + Describe(m_lexer.Current()));
}
