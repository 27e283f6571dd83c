#include "gui/controls/RtfReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/Exception.h"

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TRtfDocument Read(std::string_view text) {
    return TRtfReader::Read(Bytes(text));
}

std::string Text(std::string_view rtf) {
    return Read(rtf).PlainText();
}

const TRtfCharFormat& FormatOf(const TRtfDocument& document, std::size_t paragraph,
                               std::size_t run) {
    return document.Format(document.Paragraphs().at(paragraph).runs.at(run).format);
}

// The opening of a page saved by a word processor in a Russian edition of its system.
constexpr std::string_view WordHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
    "{\\fonttbl{\\f0\\froman\\fcharset204{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f1\\fswiss\\fcharset204 Arial;}{\\f2\\fnil\\fcharset0 Arial CYR;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\f0\\fs24 Normal;}{\\*\\cs10 Default Paragraph "
    "Font;}}\r\n"
    "{\\info{\\title Генератор}{\\author Someone}{\\creatim\\yr2009\\mo3\\dy1}}\r\n"
    "{\\*\\rsidtbl \\rsid1234}{\\*\\generator Msftedit 5.41.21.2509;}"
    "{\\*\\themedata 504b0304}{\\*\\colorschememapping 3c3f786d6c}"
    "{\\*\\latentstyles\\lsdstimax267{\\lsdlockedexcept Normal;heading 1;}}"
    "{\\*\\datastore 0105000002000000}{\\*\\xmlnstbl {\\xmlns1 http://x}}"
    "\\viewkind4\\uc1\\pard\\sa200\\sl276\\slmult1\\lang1049\\f0\\fs28 ";

std::string WordPage(std::string_view body) {
    return std::string(WordHeader) + std::string(body) + "\\par\r\n}\r\n";
}

} // namespace

TEST(RtfReaderTest, CodePageEscapesOfARussianWordProcessorPageBecomeCyrillic) {
    const TRtfDocument document =
        Read(WordPage("\\'c3\\'e5\\'ed\\'e5\\'f0\\'e0\\'f2\\'ee\\'f0 \\'b8\\'a8 \\'b9"));
    EXPECT_EQ(document.PlainText(), "Генератор ёЁ №\n");
    const TRtfCharFormat& format = FormatOf(document, 0, 0);
    EXPECT_EQ(format.fontName, "Times New Roman");
    EXPECT_EQ(format.halfPoints, 28);
    EXPECT_EQ(document.Paragraphs()[0].format.spaceAfter, 200);
    EXPECT_EQ(document.Paragraphs()[0].format.lineSpacing, 276);
    EXPECT_TRUE(document.Paragraphs()[0].format.lineMultiple);
}

TEST(RtfReaderTest, EscapesFollowTheDeclaredCodePageOrTheWesternDefault) {
    EXPECT_EQ(Text("{\\rtf1\\ansi caf\\'e9 \\'80\\par}"), "café €\n");
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1252 \\'e0\\par}"), "à\n");
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251 \\'e0\\par}"), "а\n");
    // A Cyrillic font decodes as 1251 even in a Western document.
    EXPECT_EQ(Text("{\\rtf1\\ansi{\\fonttbl{\\f3\\fcharset204 Arial;}}\\f3 \\'e0\\par}"), "а\n");
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251 \xe0\xe1\\par}"), "аб\n")
        << "unescaped 8-bit bytes use the code page too";
}

TEST(RtfReaderTest, UnicodeCharactersSkipTheirStandInsByTheCurrentCount) {
    EXPECT_EQ(Text("{\\rtf1 \\u1058?\\u1077?\\u1089?\\u1090?\\par}"), "Тест\n");
    EXPECT_EQ(Text("{\\rtf1 \\uc2\\u1058\\'3f\\'3fx\\par}"), "Тx\n");
    EXPECT_EQ(Text("{\\rtf1 \\uc0\\u1058 x\\par}"), "Тx\n");
    EXPECT_EQ(Text("{\\rtf1 \\u-3913?\\par}"), "\uF0B7\n") << "negative values wrap at 65536";
    EXPECT_EQ(Text("{\\rtf1 \\u-10179?\\u-8704?\\par}"), "\U0001F600\n");
    EXPECT_EQ(Text("{\\rtf1 {\\uc3\\u1058}abc\\par}"), "Тabc\n") << "a group ends the skipping";
}

TEST(RtfReaderTest, GroupsRestoreTheCharacterFormatOnClosing) {
    const TRtfDocument document = Read("{\\rtf1 a{\\b b{\\i\\ul c}d}e\\b f\\b0 g\\par}");
    EXPECT_EQ(document.PlainText(), "abcdefg\n");
    const std::vector<TRtfRun>& runs = document.Paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 7u);
    EXPECT_FALSE(FormatOf(document, 0, 0).bold);
    EXPECT_TRUE(FormatOf(document, 0, 1).bold);
    const TRtfCharFormat& inner = FormatOf(document, 0, 2);
    EXPECT_TRUE(inner.bold && inner.italic && inner.underline);
    EXPECT_TRUE(FormatOf(document, 0, 3).bold && !FormatOf(document, 0, 3).italic);
    EXPECT_EQ(runs[4].format, runs[0].format) << "back to the outer format";
    EXPECT_TRUE(FormatOf(document, 0, 5).bold);
    EXPECT_EQ(runs[6].format, runs[0].format);

    const TRtfDocument scripts = Read("{\\rtf1 I{\\sub a}U\\super 2\\nosupersub x\\par}");
    EXPECT_EQ(FormatOf(scripts, 0, 1).script, rsSubscript);
    EXPECT_EQ(FormatOf(scripts, 0, 2).script, rsNormal);
    EXPECT_EQ(FormatOf(scripts, 0, 3).script, rsSuperscript);
    EXPECT_EQ(FormatOf(scripts, 0, 4).script, rsNormal);
}

TEST(RtfReaderTest, FontAndColourTablesNameTheRunsFormats) {
    const TRtfDocument document =
        Read(WordPage("\\f1\\fs20\\cf1 red \\f2\\cf2\\highlight1 blue\\plain plain \\cf9 unknown"));
    EXPECT_EQ(FormatOf(document, 0, 0).fontName, "Arial");
    EXPECT_EQ(FormatOf(document, 0, 0).halfPoints, 20);
    EXPECT_EQ(FormatOf(document, 0, 0).color, RGB(255, 0, 0));
    EXPECT_EQ(FormatOf(document, 0, 1).fontName, "Arial") << "the CYR suffix names the same face";
    EXPECT_EQ(FormatOf(document, 0, 1).color, RGB(0, 0, 255));
    EXPECT_EQ(FormatOf(document, 0, 1).highlight, RGB(255, 0, 0));
    const TRtfCharFormat& plain = FormatOf(document, 0, 2);
    EXPECT_EQ(plain.fontName, "Times New Roman") << "\\plain goes back to the default font";
    EXPECT_EQ(plain.halfPoints, 0);
    EXPECT_EQ(plain.color, clDefault);
    EXPECT_EQ(plain.highlight, clNone);
    EXPECT_EQ(document.Paragraphs()[0].runs.size(), 3u) << "an unknown colour is automatic";
}

TEST(RtfReaderTest, DestinationsThatAreNotBodyTextAreSkipped) {
    const std::string page = WordPage(
        "a{\\*\\foo secret {nested} \\par}b"
        "{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a\r\n0000000d49484452}c"
        "{\\*\\shppict{\\pict\\wmetafile8 0100}}{\\nonshppict{\\pict 00ff}}d"
        "{\\pict\\bin6 }{\\}\\\\}e{\\header head}{\\footer foot}{\\object{\\*\\objdata 01}}f"
        "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}");
    EXPECT_EQ(Text(page), "abcdeflink\n");
}

TEST(RtfReaderTest, ParagraphMarksEndParagraphsAndLineBreaksStayInside) {
    const TRtfDocument document =
        Read("{\\rtf1 one\\line two\\par three\\par\r\n\\par four}trailing }} junk");
    EXPECT_EQ(document.PlainText(), "one\vtwo\nthree\n\nfour\n");
    EXPECT_EQ(document.Paragraphs().size(), 4u);
    EXPECT_EQ(Text("{\\rtf1 }"), "");
    EXPECT_EQ(Text("{\\rtf1 a{}b{{}}\\par}"), "ab\n");
}

TEST(RtfReaderTest, ParagraphFormatsHoldUntilPard) {
    const TRtfDocument document = Read(
        "{\\rtf1\\qj\\li720\\ri360\\fi-360\\sb120\\sa240\\sl-300\\tx1440\\tx720\\tx1440 one\\par "
        "two\\par\\pard\\qc three\\par\\pard\\qr four\\par\\ql five\\par}");
    const TRtfParaFormat& first = document.Paragraphs()[0].format;
    EXPECT_EQ(first.alignment, raJustify);
    EXPECT_EQ(first.leftIndent, 720);
    EXPECT_EQ(first.rightIndent, 360);
    EXPECT_EQ(first.firstIndent, -360);
    EXPECT_EQ(first.spaceBefore, 120);
    EXPECT_EQ(first.spaceAfter, 240);
    EXPECT_EQ(first.lineSpacing, -300);
    EXPECT_FALSE(first.lineMultiple);
    EXPECT_EQ(first.tabStops, (std::vector<int>{720, 1440}));
    EXPECT_EQ(document.Paragraphs()[1].format, first);
    EXPECT_EQ(document.Paragraphs()[2].format.alignment, raCenter);
    EXPECT_EQ(document.Paragraphs()[2].format.leftIndent, 0);
    EXPECT_EQ(document.Paragraphs()[3].format.alignment, raRight);
    EXPECT_EQ(document.Paragraphs()[4].format.alignment, raLeft);
}

TEST(RtfReaderTest, SymbolsAndSpecialWordsBecomeTheirCharacters) {
    EXPECT_EQ(Text("{\\rtf1 a\\~b\\_c\\-d\\{\\}\\\\\\tab e\\emdash\\endash\\bullet"
                   "\\lquote\\rquote\\ldblquote\\rdblquote\\par}"),
              "a\u00A0b-cd{}\\\te\u2014\u2013\u2022\u2018\u2019\u201C\u201D\n");
    EXPECT_EQ(Text("{\\rtf1 seen{\\v hidden}\\v more\\v0  shown\\par}"), "seen shown\n");
    EXPECT_EQ(Text("{\\rtf1 a\r\nb\\\r\nc\\par}"), "ab\nc\n")
        << "a backslash before a line end is \\par";
}

TEST(RtfReaderTest, BrokenDocumentsAreRefusedWithAReason) {
    const std::string deep = "{\\rtf1 " + std::string(2000, '{') + std::string(2001, '}');
    const std::vector<std::string> broken = {
        "",
        "hello",
        "{\\rtf",
        "{\\pard text}",
        "{\\rtf1 abc",
        "{\\rtf1 {\\b abc}",
        "{\\rtf1 \\bin99 ab}",
        "{\\rtf1 \\bin-1 ab}",
        "{\\rtf1 \\fs99999999999 a}",
        "{\\rtf1 \\u4294967296 a}",
        "{\\rtf1 \\'zz}",
        "{\\rtf1 \\'4",
        "{\\rtf1 \\",
        deep,
    };
    for (const std::string& text : broken) {
        try {
            Read(text);
            ADD_FAILURE() << "accepted: " << text.substr(0, 40);
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find("RTF"), std::string::npos) << error.what();
        }
    }
}

TEST(RtfReaderTest, ExtremeButWellFormedValuesAreClamped) {
    const std::string nested =
        "{\\rtf1 " + std::string(1000, '{') + "x" + std::string(1000, '}') + "\\par}";
    EXPECT_EQ(Text(nested), "x\n");
    const TRtfDocument document =
        Read("{\\rtf1\\fs2147483647\\li-2147483648\\sb2147483647\\uc2147483647 x\\par}");
    EXPECT_EQ(FormatOf(document, 0, 0).halfPoints, 1000);
    EXPECT_EQ(document.Paragraphs()[0].format.leftIndent, -31680);
    EXPECT_EQ(document.Paragraphs()[0].format.spaceBefore, 31680);
}
