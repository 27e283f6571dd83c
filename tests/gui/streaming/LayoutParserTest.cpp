#include "gui/streaming/LayoutParser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/graphics/Exception.h"
#include "gui/streaming/Resources.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The value of the only property of a one-property layout.
TLayoutValue ValueOf(const std::string& text) {
    const TLayoutObject root = TLayoutParser::Parse("object A: TA\n  P = " + text + "\nend\n");
    EXPECT_EQ(root.Properties.size(), 1u) << text;
    return root.Properties.at(0).Value;
}

std::string ParseError(const std::string& text) {
    try {
        TLayoutParser::Parse(text);
    } catch (const EReadError& error) {
        return error.what();
    }
    return "no error";
}

TEST(LayoutParserTest, ObjectsPropertiesAndTheirLines) {
    const TLayoutObject root = TLayoutParser::Parse("object Form2: TForm2\n"
                                                    "  Left = 0\n"
                                                    "  Font.Style = [fsBold, fsItalic]\n"
                                                    "  OnCreate = FormCreate\n"
                                                    "  object Image1: TImage\n"
                                                    "    Tag = -7\n"
                                                    "  end\n"
                                                    "  object TLabel\n"
                                                    "  end\n"
                                                    "end\n");
    EXPECT_EQ(root.Name, "Form2");
    EXPECT_EQ(root.ClassName, "TForm2");
    EXPECT_EQ(root.Line, 1);
    ASSERT_EQ(root.Properties.size(), 3u);
    EXPECT_EQ(root.Properties[1].Path, "Font.Style");
    EXPECT_EQ(root.Properties[1].Line, 3);
    EXPECT_EQ(root.Properties[1].Value.Kind, lvSet);
    EXPECT_THAT(root.Properties[1].Value.Names, ElementsAre("fsBold", "fsItalic"));
    EXPECT_EQ(root.Properties[2].Value.Kind, lvIdent);
    EXPECT_EQ(root.Properties[2].Value.Text, "FormCreate");
    ASSERT_EQ(root.Children.size(), 2u);
    EXPECT_EQ(root.Children[0].Name, "Image1");
    EXPECT_EQ(root.Children[0].Line, 5);
    EXPECT_EQ(root.Children[0].Properties.at(0).Value.Integer, -7);
    EXPECT_EQ(root.Children[1].Name, "") << "a component without a name";
    EXPECT_EQ(root.Children[1].ClassName, "TLabel");
}

TEST(LayoutParserTest, NumbersInEveryNotation) {
    struct Case {
        std::string Text;
        TLayoutValueKind Kind;
        double Value;
    };
    const std::vector<Case> cases = {
        {"42", lvInteger, 42},          {"-42", lvInteger, -42},  {"$FF", lvInteger, 255},
        {"$ffffffff", lvInteger, -1},   {"-$10", lvInteger, -16}, {"100.0", lvDouble, 100},
        {"2.5e-10", lvDouble, 2.5e-10}, {"1E3", lvDouble, 1000},  {"-0.5", lvDouble, -0.5},
        {"7e+2", lvDouble, 700},
    };
    for (const Case& c : cases) {
        const TLayoutValue value = ValueOf(c.Text);
        EXPECT_EQ(value.Kind, c.Kind) << c.Text;
        EXPECT_EQ(value.AsDouble(), c.Value) << c.Text;
    }
}

TEST(LayoutParserTest, StringsJoinQuotesCodesAndContinuations) {
    EXPECT_EQ(ValueOf("'It''s'").AsString(), "It's");
    EXPECT_EQ(ValueOf("'a'#13#10'b'").AsString(), "a\r\nb");
    EXPECT_EQ(ValueOf("#$41'B'#67").AsString(), "ABC");
    EXPECT_EQ(ValueOf("'one ' +\n    'two' + #33").AsString(), "one two!");
    EXPECT_EQ(ValueOf("'Стенд'#1057").AsString(), "СтендС");
    EXPECT_EQ(ValueOf("''").AsString(), "");
}

TEST(LayoutParserTest, BinaryDataAllowsBlanksAndLineBreaks) {
    EXPECT_THAT(ValueOf("{\n  0A1b\n  FF }").Bytes, ElementsAre(0x0A, 0x1B, 0xFF));
    EXPECT_TRUE(ValueOf("{}").AsBytes().empty());
}

TEST(LayoutParserTest, CollectionsHoldOnePropertyListPerItem) {
    const TLayoutValue value = ValueOf("<\n"
                                       "    item\n"
                                       "      Size = 10\n"
                                       "      Inner = <item X = 1 end>\n"
                                       "    end\n"
                                       "    item\n"
                                       "    end>");
    ASSERT_EQ(value.Kind, lvCollection);
    ASSERT_EQ(value.Items.size(), 2u);
    ASSERT_EQ(value.Items[0].size(), 2u);
    EXPECT_EQ(value.Items[0][0].Path, "Size");
    EXPECT_EQ(value.Items[0][0].Line, 4);
    EXPECT_EQ(value.Items[0][1].Value.Items.at(0).at(0).Path, "X");
    EXPECT_TRUE(value.Items[1].empty());
    EXPECT_TRUE(ValueOf("<>").Items.empty());
}

TEST(LayoutParserTest, ResourceReferencesBringTheEmbeddedBytes) {
    const TLayoutValue value = ValueOf("@'streaming/Greeting.txt'");
    const std::span<const std::uint8_t> bytes = value.AsBytes();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "Здравствуй, стенд!\n");
    // Used where the program carries them, not copied.
    EXPECT_TRUE(value.IsEmbedded());
    EXPECT_EQ(bytes.data(), TResources::Get("streaming/Greeting.txt").data());
    EXPECT_FALSE(ValueOf("{0A}").IsEmbedded());
}

TEST(LayoutParserTest, FaultsNameTheirLine) {
    const std::string head = "object A: TA\n";
    struct Case {
        std::string Text;
        std::string Message;
    };
    const std::vector<Case> cases = {
        {"", "Layout line 1: Expected 'object', found the end of the text"},
        {head + "  Left = 1\n", "Layout line 2: The text ends inside object A (missing 'end')"},
        {head + "  Caption = 'abc\nend", "Layout line 2: Unterminated string"},
        {head + "  Caption = #1114112\nend", "Layout line 2: Bad character code #1114112"},
        {head + "  Caption = #55296\nend", "Layout line 2: Bad character code #55296"},
        {head + "  Caption = '\xC3\x28'\nend", "Layout line 2: A string is not valid UTF-8"},
        {head + "  Caption = 'a' +\n  Left = 1\nend", "Layout line 3: Expected a string after '+'"},
        {head + "  Data = {\n 0A1 }\nend",
         "Layout line 2: Broken binary data: an odd number of hex digits"},
        {head + "  Data = {\n 0AZZ }\nend",
         "Layout line 3: Broken binary data: 'Z' is not a hex digit"},
        {head + "  Data = { 0A\n", "Layout line 2: Binary data is not closed with '}'"},
        {head + "  Left = 99999999999999999999\nend",
         "Layout line 2: Number out of range: 99999999999999999999"},
        {head + "  Ratio = 1e999\nend", "Layout line 2: Number out of range: 1e999"},
        {head + "  Left = $1FFFFFFFF\nend", "Layout line 2: Number out of range: $1FFFFFFFF"},
        {head + "  Left = 1.2.3\nend", "Layout line 2: Bad number: unexpected '.' after it"},
        {head + "  Left = ^\nend", "Layout line 2: Unexpected character '^'"},
        {head + "  Left 5\nend", "Layout line 2: Expected '=', found a number"},
        {head + "  Options = [a b]\nend", "Layout line 2: Expected ',', found 'b'"},
        {head + "  Items = <\n item\n X = 1\n end\n",
         "Layout line 5: The text ends inside an item list (missing '>')"},
        {head + "  Data = @'streaming/None.txt'\nend",
         "Layout line 2: Resource not found: streaming/None.txt"},
        {head + "end\nobject B: TB\nend",
         "Layout line 3: Text after the end of the layout: 'object'"},
        {head + "  object B: TB\n  end\n  Left = 1\nend",
         "Layout line 4: Properties of A must come before its nested objects"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseError(c.Text), c.Message) << c.Text;
}

TEST(LayoutParserTest, DeepNestingIsRefusedBeforeItExhaustsTheStack) {
    std::string objects;
    std::string items = "0";
    for (int i = 0; i < 1000; ++i) {
        objects += "object A: TA\n";
        items = "<item X = " + items + " end>";
    }
    EXPECT_THAT(ParseError(objects), HasSubstr("Objects are nested too deeply"));
    EXPECT_THAT(ParseError("object A: TA\n  X = " + items + "\nend"),
                HasSubstr("Item lists are nested too deeply"));
}

} // namespace
