#include "gui/controls/RichEdit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ControlsFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/framework/Utf8.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "support/PixelProbe.h"

namespace {

using ::testing::HasSubstr;

constexpr TColor Paper = RGB(255, 255, 255);

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// A page in Arial at 10 points; characters past ASCII in the body are written as \u words, as
// an RTF file carries them.
std::string Page(std::string_view body) {
    std::string page = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 "
                       "Arial;}}\\f0\\fs20 ";
    for (const char32_t c : DecodeUtf8(body))
        page += c < 0x80 ? std::string(1, static_cast<char>(c))
                         : "\\u" + std::to_string(static_cast<int>(c)) + "?";
    return page + "}";
}

std::string LongParagraph(std::string_view format) {
    std::string body(format);
    for (int i = 0; i < 12; ++i)
        body += " Генератор постоянного тока with independent excitation";
    return body + "\\par ";
}

std::string ManyLines(int count) {
    std::string body;
    for (int i = 0; i < count; ++i)
        body += "Line " + std::to_string(i) + "\\par ";
    return body;
}

int LineEnd(const TRtfLine& line) {
    return line.fragments.back().x + line.fragments.back().width;
}

class RichEditTest : public ControlsFixture {
protected:
    RichEditTest() {
        Form().SetBounds(0, 0, 600, 400);
        m_box = new TRichEdit(&Form());
        m_box->SetBounds(10, 10, 300, 200);
        m_box->SetScrollBars(ssVertical);
        m_box->SetReadOnly(true);
        m_box->SetParent(&Form());
    }

    TRichEdit& Box() { return *m_box; }
    void Load(std::string_view rtf) { m_box->LoadFromBytes(Bytes(rtf)); }
    const std::vector<TRtfLine>& Lines() { return m_box->Layout().Lines(); }
    int TextWidth() { return m_box->TextArea().Width() - 2 * TRichEdit::Margin; }
    // Form coordinates of a point of the box.
    TPoint OnBox(int x, int y) { return Screen(m_box->Left() + x, m_box->Top() + y); }
    // A point of the scroll bar's part, in screen coordinates.
    TPoint OnBar(const TRect& part) {
        return OnBox((part.Left + part.Right) / 2, (part.Top + part.Bottom) / 2);
    }
    // The ink of one text line on the form, in form coordinates.
    TRect LineInk(const TRtfLine& line) {
        const TRect area = m_box->TextArea();
        const TRect rect{m_box->Left() + area.Left,
                         m_box->Top() + area.Top + line.top - Box().ScrollPos(),
                         m_box->Left() + area.Right,
                         m_box->Top() + area.Top + line.top + line.height - Box().ScrollPos()};
        TBitmap part;
        CopyArea(Rendered(), rect, part);
        TRect ink = InkOf(part);
        return {ink.Left + rect.Left, ink.Top + rect.Top, ink.Right + rect.Left,
                ink.Bottom + rect.Top};
    }
    // The ink of one fragment of the first lines, which the box shows unscrolled.
    TRect FragmentInk(const TRtfLine& line, const TRtfFragment& fragment) {
        const TRect area = m_box->TextArea();
        const int left = m_box->Left() + area.Left + TRichEdit::Margin + fragment.x;
        const int top = m_box->Top() + area.Top + line.top;
        TBitmap part;
        CopyArea(Rendered(), {left, top, left + fragment.width, top + line.height}, part);
        return InkOf(part);
    }
    static TRect InkOf(const TBitmap& bitmap) {
        TRect box{bitmap.Width(), bitmap.Height(), -1, -1};
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (bitmap.Pixel(x, y) != Paper)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        return box;
    }

private:
    TRichEdit* m_box = nullptr;
};

} // namespace

TEST_F(RichEditTest, LoadingReplacesTheContentAndAFailedLoadKeepsIt) {
    const std::string good = WriteFile("11.rtf", Bytes(Page("Первая страница\\par")));
    Box().LoadFromFile(good);
    EXPECT_EQ(Box().PlainText(), "Первая страница\n");

    const std::string missing = WriteFile("x.rtf", {}) + ".gone";
    const std::string text = WriteFile("plain.rtf", Bytes("just text"));
    const std::string large = WriteFile("large.rtf", {});
    std::filesystem::resize_file(large, TRichEdit::MaxFileSize + 1);
    for (const std::string& path : {missing, text, large}) {
        try {
            Box().LoadFromFile(path);
            ADD_FAILURE() << "loaded " << path;
        } catch (const Exception& error) {
            EXPECT_THAT(error.what(), HasSubstr(path));
        }
        EXPECT_EQ(Box().PlainText(), "Первая страница\n");
    }
    EXPECT_THROW(Box().LoadFromBytes(Bytes("{\\rtf1 {unclosed")), Exception);
    EXPECT_EQ(Box().PlainText(), "Первая страница\n");

    Box().LoadFromBytes(Bytes(Page("Вторая\\par")));
    EXPECT_EQ(Box().PlainText(), "Вторая\n");
    Box().Clear();
    EXPECT_EQ(Box().PlainText(), "");
    EXPECT_TRUE(Lines().empty());
}

TEST_F(RichEditTest, TheTheoryScreensLayoutReadsAndWritesBack) {
    TControlClasses::RegisterAll();
    TForm& form = *App().CreateForm<TForm>();
    TLayoutReader::Read("object Form4: TForm\n"
                        "  object RichEdit1: TRichEdit\n"
                        "    Left = 560\n"
                        "    Top = 238\n"
                        "    Width = 417\n"
                        "    Height = 497\n"
                        "    ReadOnly = True\n"
                        "    ScrollBars = ssVertical\n"
                        "    TabOrder = 0\n"
                        "  end\n"
                        "end\n",
                        form, {});
    auto* box = dynamic_cast<TRichEdit*>(form.FindComponent("RichEdit1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->BoundsRect(), Bounds(560, 238, 417, 497));
    EXPECT_TRUE(box->ReadOnly());
    EXPECT_EQ(box->ScrollBars(), ssVertical);
    EXPECT_EQ(box->TabOrder(), 0);
    EXPECT_TRUE(box->TabStop());
    EXPECT_TRUE(box->WordWrap());
    EXPECT_EQ(box->Color(), clWindow);
    EXPECT_EQ(box->PlainText(), "");
    const std::string written = TLayoutWriter::Write(form);
    EXPECT_THAT(written, HasSubstr("ScrollBars = ssVertical"));
    EXPECT_THAT(written, HasSubstr("ReadOnly = True"));
    EXPECT_THAT(written, ::testing::Not(HasSubstr("TabStop")));
    EXPECT_THAT(written, ::testing::Not(HasSubstr("WordWrap")));
}

TEST_F(RichEditTest, JustifiedLinesReachTheRightMarginExceptTheLast) {
    Load(Page(LongParagraph("\\qj") + LongParagraph("\\ql")));
    const std::vector<TRtfLine>& lines = Lines();
    std::size_t firstLeft = 0;
    while (firstLeft < lines.size() && lines[firstLeft].fragments.front().x == 0 &&
           LineEnd(lines[firstLeft]) == TextWidth())
        ++firstLeft;
    ASSERT_GE(firstLeft, 3u) << "the justified lines but the last";
    EXPECT_LT(LineEnd(lines[firstLeft]), TextWidth()) << "the last line keeps its length";
    EXPECT_LT(LineEnd(lines[firstLeft + 1]), TextWidth() - 2) << "left-aligned lines stay ragged";

    const TRect area = Box().TextArea();
    const int rightMargin = Box().Left() + area.Left + TRichEdit::Margin + TextWidth();
    EXPECT_GE(LineInk(lines[0]).Right, rightMargin - 2);
    EXPECT_LE(LineInk(lines[0]).Right, rightMargin);
    Box().SetScrollPos(lines[firstLeft].top);
    EXPECT_GE(LineInk(lines[firstLeft - 1]).Right, rightMargin - 2);
    EXPECT_LT(LineInk(lines[firstLeft + 1]).Right, rightMargin - 4);
}

TEST_F(RichEditTest, CentredAndRightAlignedLinesSitInTheMiddleAndAtTheRight) {
    Load(Page("\\qc Середина\\par\\qr Справа\\par\\pard\\li1440\\ri720\\qr Отступ\\par"));
    const std::vector<TRtfLine>& lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    const TRtfFragment& centred = lines[0].fragments.front();
    EXPECT_NEAR(centred.x + centred.width / 2.0, TextWidth() / 2.0, 1.0);
    EXPECT_EQ(LineEnd(lines[1]), TextWidth());
    EXPECT_EQ(LineEnd(lines[2]), TextWidth() - 48);

    const TRect area = Box().TextArea();
    const double middle = Box().Left() + area.Left + TRichEdit::Margin + TextWidth() / 2.0;
    const TRect ink = LineInk(lines[0]);
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, middle, 2.0);
}

TEST_F(RichEditTest, IndentsTabsAndSpacingPlaceTheText) {
    Load(Page("\\sb300\\sa150\\li1440\\fi-720" + LongParagraph("") +
              "\\pard a\\tab b\\par\\pard\\tx2880 a\\tab b\\tab c\\par\\pard\\sl-480 exact\\par"));
    const std::vector<TRtfLine>& lines = Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].top, 20);
    EXPECT_EQ(lines[0].fragments.front().x, 48) << "the first line hangs out by half an inch";
    EXPECT_EQ(lines[1].fragments.front().x, 96);
    const std::size_t tabs = lines.size() - 3;
    EXPECT_EQ(lines[tabs].top, lines[tabs - 1].top + lines[tabs - 1].height + 10);
    ASSERT_EQ(lines[tabs].fragments.size(), 2u);
    EXPECT_EQ(lines[tabs].fragments[1].x, 48) << "a default stop every half inch";
    ASSERT_EQ(lines[tabs + 1].fragments.size(), 3u);
    EXPECT_EQ(lines[tabs + 1].fragments[1].x, 192) << "a set stop at two inches";
    EXPECT_EQ(lines[tabs + 1].fragments[2].x, 240) << "default stops after the set ones";
    EXPECT_EQ(lines.back().height, 32) << "exact spacing of 24 points";
}

TEST_F(RichEditTest, MixedSizesShareOneBaselineAndBoldIsWider) {
    Load(Page("{\\fs16 x}{\\fs60 x}\\par plain {\\b plain}\\par"));
    const std::vector<TRtfLine>& lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    const TRect small = FragmentInk(lines[0], lines[0].fragments[0]);
    const TRect large = FragmentInk(lines[0], lines[0].fragments[1]);
    EXPECT_GT(large.Height(), 2 * small.Height());
    EXPECT_NEAR(small.Bottom, large.Bottom, 1);

    EXPECT_GT(lines[1].fragments.back().width, lines[1].fragments.front().width);
}

TEST_F(RichEditTest, LayoutFollowsTheWidth) {
    Load(Page(LongParagraph("")));
    const std::size_t wide = Lines().size();
    Box().SetWidth(200);
    EXPECT_GT(Lines().size(), wide);
    Box().SetWordWrap(false);
    EXPECT_EQ(Lines().size(), 1u);
    for (const int side : {0, 3, 20, 40}) {
        Box().SetBounds(10, 10, side, side);
        EXPECT_NO_THROW(Rendered()) << "a box too small for its edge and bar still paints";
    }
}

TEST_F(RichEditTest, TheWheelAndTheKeysScrollTheFocusedBox) {
    Load(Page(ManyLines(60)));
    const int page = Box().ScrollBar().Page();
    const int last = Box().ContentHeight() - page;
    ASSERT_GT(last, 2 * page);
    Platform().MouseWheel(OnBox(100, 100), -120);
    EXPECT_EQ(Box().ScrollPos(), 3 * TRichEdit::LineStep);
    Platform().MouseWheel(OnBox(100, 100), 240);
    EXPECT_EQ(Box().ScrollPos(), 0);

    Platform().Click(OnBox(100, 100));
    ASSERT_TRUE(Box().Focused());
    Platform().PressKey(VK_DOWN);
    EXPECT_EQ(Box().ScrollPos(), TRichEdit::LineStep);
    Platform().PressKey(VK_NEXT);
    EXPECT_EQ(Box().ScrollPos(), TRichEdit::LineStep + page);
    Platform().PressKey(VK_PRIOR);
    Platform().PressKey(VK_UP);
    EXPECT_EQ(Box().ScrollPos(), 0);
    Platform().PressKey(VK_END);
    EXPECT_EQ(Box().ScrollPos(), last);
    Platform().PressKey(VK_DOWN);
    EXPECT_EQ(Box().ScrollPos(), last);
    Platform().PressKey(VK_HOME);
    EXPECT_EQ(Box().ScrollPos(), 0);

    Platform().PressKey('A', 0, U'a');
    EXPECT_EQ(Box().PlainText().substr(0, 7), "Line 0\n") << "the text cannot be edited";
}

TEST_F(RichEditTest, TheScrollBarStepsPagesAndDragsTheThumb) {
    Load(Page(ManyLines(60)));
    const TRtfScrollBar& bar = Box().ScrollBar();
    const int page = bar.Page();
    Platform().Click(OnBar(bar.DownButton()));
    EXPECT_EQ(Box().ScrollPos(), TRichEdit::LineStep);
    Platform().AdvanceBy(1000);
    Platform().Click(OnBar(bar.UpButton()));
    EXPECT_EQ(Box().ScrollPos(), 0);

    const TRect track = bar.Track();
    Platform().AdvanceBy(1000);
    Platform().Click(OnBox(track.Left + 8, track.Bottom - 3));
    EXPECT_EQ(Box().ScrollPos(), page);

    const TRect thumb = bar.Thumb();
    const TPoint grip = OnBar(thumb);
    Platform().AdvanceBy(1000);
    Platform().MouseMove(grip);
    Platform().MouseDown(grip);
    Platform().MouseMove({grip.X + 40, grip.Y + track.Height()});
    EXPECT_EQ(Box().ScrollPos(), bar.MaxPosition()) << "the drag follows the pointer off the bar";
    EXPECT_EQ(bar.Thumb().Bottom, track.Bottom);
    Platform().MouseMove({grip.X, grip.Y - track.Height()});
    Platform().MouseUp({grip.X, grip.Y - track.Height()});
    EXPECT_EQ(Box().ScrollPos(), 0);
}

TEST_F(RichEditTest, HoldingAnArrowOrTheTrackRepeatsUntilReleasedOrReached) {
    Load(Page(ManyLines(200)));
    const TRtfScrollBar& bar = Box().ScrollBar();
    const TPoint arrow = OnBar(bar.DownButton());
    Platform().MouseMove(arrow);
    Platform().MouseDown(arrow);
    Platform().AdvanceBy(TRichEdit::RepeatDelay - 1);
    EXPECT_EQ(Box().ScrollPos(), TRichEdit::LineStep);
    Platform().AdvanceBy(1 + 4 * TRichEdit::RepeatPeriod);
    EXPECT_EQ(Box().ScrollPos(), 6 * TRichEdit::LineStep);
    Platform().MouseUp(arrow);
    Platform().AdvanceBy(1000);
    EXPECT_EQ(Box().ScrollPos(), 6 * TRichEdit::LineStep);

    const TPoint low = OnBox(bar.Track().Left + 8, bar.Track().Top + bar.Track().Height() / 2);
    Platform().MouseMove(low);
    Platform().MouseDown(low);
    Platform().AdvanceBy(5000);
    Platform().MouseUp(low);
    const TRect thumb = bar.Thumb();
    const int y = bar.Track().Top + bar.Track().Height() / 2;
    EXPECT_TRUE(thumb.Top <= y && y < thumb.Bottom) << "paging stops under the pointer";
    EXPECT_LT(Box().ScrollPos(), bar.MaxPosition());
}

TEST_F(RichEditTest, ScrollingMovesThePaintedText) {
    Load(Page(ManyLines(60)));
    const TRect area = Box().TextArea();
    const TRect strip{Box().Left() + area.Left, Box().Top() + area.Top + 40,
                      Box().Left() + area.Right, Box().Top() + area.Top + 120};
    TBitmap before;
    CopyArea(Rendered(), strip, before);
    Box().SetScrollPos(TRichEdit::LineStep);
    TBitmap after;
    CopyArea(Rendered(), strip.Inflate(0, 0), after);
    int compared = 0;
    for (int y = 0; y + TRichEdit::LineStep < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x, ++compared)
            ASSERT_EQ(after.Pixel(x, y), before.Pixel(x, y + TRichEdit::LineStep)) << x << "," << y;
    EXPECT_GT(compared, 0);
    EXPECT_NE(InkOf(before).Right, -1);
}

TEST_F(RichEditTest, TheBarLooksDisabledAndIgnoresClicksWhenTheTextFits) {
    Load(Page("Короткий текст\\par"));
    const TRtfScrollBar& bar = Box().ScrollBar();
    EXPECT_FALSE(bar.Enabled());
    EXPECT_TRUE(bar.Thumb().IsEmpty());
    const TRect down = bar.DownButton();
    const int arrowX = Box().Left() + (down.Left + down.Right) / 2;
    const int arrowY = Box().Top() + (down.Top + down.Bottom) / 2 - 1;
    EXPECT_EQ(ColorToRGB(At(arrowX, arrowY)), ColorToRGB(clBtnShadow));
    Platform().Click(OnBar(down));
    EXPECT_EQ(Box().ScrollPos(), 0);

    Load(Page(ManyLines(60)));
    EXPECT_EQ(ColorToRGB(At(arrowX, arrowY)), ColorToRGB(clBtnText));
    EXPECT_EQ(ColorToRGB(At(Box().Left(), Box().Top())), ColorToRGB(clBtnShadow))
        << "the sunken edge";
    EXPECT_EQ(ColorToRGB(At(Box().Left() + Box().Width() - 1, Box().Top() + Box().Height() - 1)),
              ColorToRGB(clBtnHighlight));
}

TEST_F(RichEditTest, SubscriptsSitBelowAndSuperscriptsAboveTheBaseline) {
    Load(Page("\\fs40 x{\\sub x}x{\\super x}x\\nosupersub x\\par"));
    const TRtfLine& line = Lines().at(0);
    ASSERT_EQ(line.fragments.size(), 5u);
    const TRect normal = FragmentInk(line, line.fragments[0]);
    const TRect sub = FragmentInk(line, line.fragments[1]);
    const TRect super = FragmentInk(line, line.fragments[3]);
    EXPECT_LT(sub.Height(), normal.Height());
    EXPECT_GT(sub.Bottom, normal.Bottom + 2);
    EXPECT_LT(super.Bottom, normal.Bottom - 6);
    EXPECT_LT(super.Top, normal.Top);
    for (const std::size_t after : {2u, 4u}) {
        const TRect back = FragmentInk(line, line.fragments[after]);
        EXPECT_EQ(back.Top, normal.Top) << "back on the baseline";
        EXPECT_EQ(back.Bottom, normal.Bottom);
    }
}

TEST_F(RichEditTest, ColoursAndHighlightsPaintTheirRuns) {
    Load("{\\rtf1{\\colortbl;\\red200\\green0\\blue0;\\red255\\green255\\blue0;}"
         "\\fs28\\cf1 red {\\highlight2 wide   gap}\\par}");
    const TRtfLine& line = Lines().at(0);
    ASSERT_EQ(line.fragments.size(), 4u);
    const TRect area = Box().TextArea();
    const int left = Box().Left() + area.Left + TRichEdit::Margin;
    const int top = Box().Top() + area.Top + line.top;
    TBitmap red;
    const TRtfFragment& first = line.fragments[0];
    CopyArea(Rendered(), {left + first.x, top, left + first.x + first.width, top + line.height},
             red);
    EXPECT_GT(CountPixels(red, RGB(200, 0, 0)), 10);
    const TRtfFragment& gap = line.fragments[2];
    EXPECT_EQ(At(left + gap.x + gap.width / 2, top + line.height / 2), RGB(255, 255, 0))
        << "the highlight runs on under the spaces";
    EXPECT_EQ(At(left + gap.x + gap.width / 2, top + line.height + 2), Paper);
}
