#include <gtest/gtest.h>

#include "SwitchFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/controls/SwitchClasses.h"
#include "widgets/controls/iSwitchLed.h"

namespace {

class SwitchLed : public SwitchFixture {
protected:
    SwitchLed() {
        for (TiSwitchLed* s : {plain, mains}) {
            s->OnChange = [this](TObject*) { events.push_back("change"); };
            s->OnChangeUser = [this](TObject*) { events.push_back("user"); };
        }
        // The bench's mains switch.
        mains->SetActiveColor(clRed);
        mains->SetCaption("ВЫКЛ");
        mains->CaptionFont().SetName("Arial");
        mains->CaptionFont().SetHeight(-11);
        mains->CaptionFont().SetStyle(FontStyleBit(fsBold));
        mains->SetCaptionAlignment(islcaOppisiteSide);
        mains->SetIndicatorHeight(5);
        mains->SetIndicatorMargin(4);
        mains->SetShowFocusRect(false);
        mains->SetBackGroundColor(clBtnHighlight);
        Settle();
    }

    int CountPixels(const TiSwitchLed& s, const TRect& area, TColor color) {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += At(s, x, y) == color;
        return count;
    }

    TiSwitchLed* plain = Place<TiSwitchLed>(200, 20, 40, 28);
    TiSwitchLed* mains = Place<TiSwitchLed>(8, 32, 41, 33);
};

TEST_F(SwitchLed, DefaultLampAndCaptionPlaces) {
    EXPECT_EQ(plain->FaceRect(), Rect(0, 0, 39, 27));
    EXPECT_EQ(plain->LampRect(), Rect(6, 18, 34, 22));
    EXPECT_EQ(plain->CaptionRect(), Rect(0, 0, 39, 16));
    EXPECT_EQ(plain->CaptionOptions(), 34u | 512u | 1024u | 128u);
    // The lamp's outline includes its right and bottom edge, highlighted in white.
    EXPECT_EQ(At(*plain, 6, 18), clBlack);
    EXPECT_EQ(At(*plain, 20, 20), RGB(0, 85, 0));
    EXPECT_EQ(At(*plain, 20, 22), clWhite);
    EXPECT_EQ(At(*plain, 34, 20), clWhite);
}

TEST_F(SwitchLed, TheMainsSwitchShowsItsRedLampBelowTheCaption) {
    EXPECT_EQ(mains->LampRect(), Rect(4, 23, 36, 28));
    EXPECT_EQ(mains->CaptionRect(), Rect(0, 2, 40, 23));
    EXPECT_EQ(mains->CaptionOptions() & 0xFF, 10u | 128u);
    EXPECT_EQ(At(*mains, 10, 25), RGB(85, 0, 0));
    EXPECT_EQ(At(*mains, 4, 23), clBlack);
    EXPECT_EQ(At(*mains, 10, 28), clWhite);
    // Black caption text in the upper part of the face.
    EXPECT_GT(CountPixels(*mains, Rect(2, 2, 39, 20), clBlack), 10);

    Click(*mains, 20, 15);
    Settle();
    EXPECT_EQ(At(*mains, 10, 25), clRed);
}

TEST_F(SwitchLed, AClickTogglesOnceAndTheClickHandlerSeesTheNewState) {
    bool activeAtClick = false;
    mains->OnClick = [&](TObject*) {
        activeAtClick = mains->Active();
        events.push_back("click");
    };
    Click(*mains, 20, 15);
    EXPECT_TRUE(mains->Active());
    EXPECT_TRUE(activeAtClick);
    EXPECT_EQ(events, (std::vector<std::string>{"change", "user", "click"}));
}

TEST_F(SwitchLed, AReleaseOutsideCancelsThePress) {
    Press(*mains, 20, 15);
    Settle();
    EXPECT_TRUE(mains->Pressed());
    Release(*mains, 60, 15);
    EXPECT_FALSE(mains->Pressed());
    EXPECT_FALSE(mains->Active());
    EXPECT_TRUE(events.empty());
    // The right and bottom edges are outside the switch.
    Press(*mains, 20, 15);
    Release(*mains, 41, 15);
    EXPECT_FALSE(mains->Active());
}

TEST_F(SwitchLed, ACodeChangeIsNotTheUsers) {
    plain->SetActive(true);
    plain->SetActive(true);
    EXPECT_EQ(events, std::vector<std::string>{"change"});
    plain->OnBeforeChange = [](TObject*, const std::string&, bool& allow) { allow = false; };
    plain->SetActive(false);
    EXPECT_TRUE(plain->Active());
}

TEST_F(SwitchLed, HoldingTheSpaceBarPushesTheFaceInAndReleasingTogglesOnce) {
    plain->SetFocus();
    Settle();
    // Focused, not pressed: a dark outer line, the lamp in place.
    EXPECT_EQ(At(*plain, 10, 0), Shown(cl3DDkShadow));
    EXPECT_EQ(At(*plain, 6, 18), clBlack);

    Platform().KeyDown(VK_SPACE);
    Settle();
    EXPECT_EQ(At(*plain, 10, 0), clBlack);
    EXPECT_EQ(At(*plain, 10, 1), Shown(cl3DDkShadow));
    EXPECT_EQ(At(*plain, 7, 19), clBlack);
    EXPECT_NE(At(*plain, 6, 18), clBlack);
    EXPECT_FALSE(plain->Active());

    Platform().KeyUp(VK_SPACE);
    Settle();
    EXPECT_TRUE(plain->Active());
    EXPECT_EQ(events, (std::vector<std::string>{"change", "user"}));
    EXPECT_EQ(At(*plain, 10, 0), Shown(cl3DDkShadow));
}

TEST_F(SwitchLed, LosingTheFocusWhileHeldTogglesNothing) {
    plain->SetFocus();
    Press(*plain, 20, 10);
    mains->SetFocus();
    Release(*plain, 20, 10);
    EXPECT_FALSE(plain->Active());
    EXPECT_FALSE(plain->Pressed());
    EXPECT_TRUE(events.empty());
}

TEST_F(SwitchLed, TheCaptionsAcceleratorTogglesInEitherCase) {
    plain->SetCaption("&Mains");
    Platform().PressKey('M', ssAlt, U'm');
    EXPECT_TRUE(plain->Active());
    EXPECT_TRUE(plain->Focused());
    EXPECT_EQ(events, (std::vector<std::string>{"change", "user"}));

    mains->SetCaption("&Вкл");
    Platform().PressKey('D', ssAlt, U'В');
    EXPECT_TRUE(mains->Active());
    Platform().PressKey('X', ssAlt, U'x');
    EXPECT_TRUE(plain->Active());

    mains->SetEnabled(false);
    Platform().PressKey('D', ssAlt, U'в');
    EXPECT_TRUE(mains->Active());
}

TEST_F(SwitchLed, FrameLinesFollowTheBorderSize) {
    plain->SetBorderSize(0);
    EXPECT_EQ(plain->BorderSize(), 2);
    plain->SetBorderSize(4);
    plain->SetBorderHighlightColor(clYellow);
    plain->SetBorderShadowColor(clBlue);
    Settle();
    EXPECT_EQ(plain->FaceRect(), Rect(2, 2, 37, 25));
    EXPECT_EQ(At(*plain, 10, 0), clWhite);
    for (int a = 1; a <= 3; ++a) {
        EXPECT_EQ(At(*plain, 10, a), clYellow) << a;
        EXPECT_EQ(At(*plain, 10, 27 - a), clBlue) << a;
    }
    EXPECT_EQ(At(*plain, 10, 27), clBlack);
    EXPECT_NE(At(*plain, 10, 23), clBlue);

    plain->SetShowFocusRect(false);
    plain->SetFocus();
    Settle();
    EXPECT_EQ(At(*plain, 10, 23), clBlue);
}

TEST_F(SwitchLed, TheFocusRectangleLiesThreePixelsInsideTheFace) {
    const TRect row = Rect(3, 3, 36, 4);
    EXPECT_EQ(CountPixels(*plain, row, Shown(clBtnFace)), row.Width());
    plain->SetFocus();
    Settle();
    EXPECT_LT(CountPixels(*plain, row, Shown(clBtnFace)), row.Width());
    plain->SetShowFocusRect(false);
    Settle();
    EXPECT_EQ(CountPixels(*plain, row, Shown(clBtnFace)), row.Width());
}

TEST_F(SwitchLed, ADisabledCaptionIsEngraved) {
    plain->CaptionFont().SetHeight(-16);
    plain->CaptionFont().SetStyle(FontStyleBit(fsBold));
    Settle();
    const TRect inside = Rect(2, 2, 37, 17);
    const TColor face = Shown(clBtnFace);
    auto lighterThanFace = [&] {
        int count = 0;
        for (int y = inside.Top; y < inside.Bottom; ++y)
            for (int x = inside.Left; x < inside.Right; ++x)
                count += GetRValue(At(*plain, x, y)) > GetRValue(face);
        return count;
    };
    EXPECT_EQ(lighterThanFace(), 0);
    plain->SetEnabled(false);
    Settle();
    EXPECT_GT(lighterThanFace(), 10);
}

TEST_F(SwitchLed, AGlyphReplacesTheLampAndTheLampNeedsBothSides) {
    plain->SetAutoLedSize(false);
    plain->SetIndicatorWidth(1);
    Settle();
    EXPECT_EQ(CountPixels(*plain, Rect(2, 17, 37, 25), clBlack), 0);

    TBitmap glyph(6, 4);
    glyph.Fill(clBlue);
    glyph.SetPixel(0, 3, clFuchsia);
    plain->SetGlyph(glyph);
    Settle();
    EXPECT_EQ(plain->LampRect(), Rect(17, 18, 23, 22));
    EXPECT_EQ(At(*plain, 17, 18), clBlue);
    EXPECT_EQ(At(*plain, 17, 21), Shown(clBtnFace));
    plain->SetActive(true);
    Settle();
    EXPECT_EQ(At(*plain, 18, 19), clBlue);
}

TEST_F(SwitchLed, LampAndCaptionOnEverySide) {
    plain->SetBounds(200, 20, 60, 40);
    plain->SetIndicatorAlignment(isaLeft);
    // F = (0, 0, 59, 39): the lamp is 10 wide and 39 - 10 high, left of the caption.
    EXPECT_EQ(plain->LampRect(), Rect(5, 20 - 14, 15, 20 + 14));
    EXPECT_EQ(plain->CaptionRect(), Rect(17, 0, 59, 39));
    EXPECT_EQ(plain->CaptionOptions() & 0x3F, 17u);
    plain->SetCaptionAlignment(islcaOppisiteSide);
    EXPECT_EQ(plain->CaptionRect(), Rect(15, 0, 57, 39));
    EXPECT_EQ(plain->CaptionOptions() & 0x3F, 20u);

    plain->SetIndicatorAlignment(isaRight);
    EXPECT_EQ(plain->LampRect(), Rect(44, 6, 54, 34));
    EXPECT_EQ(plain->CaptionRect(), Rect(2, 0, 44, 39));
    plain->SetCaptionAlignment(islcaIndicator);
    EXPECT_EQ(plain->CaptionRect(), Rect(0, 0, 42, 39));
    EXPECT_EQ(plain->CaptionOptions() & 0x3F, 20u);

    plain->SetIndicatorAlignment(isaTop);
    EXPECT_EQ(plain->LampRect(), Rect(30 - 24, 5, 30 + 24, 9));
    EXPECT_EQ(plain->CaptionRect(), Rect(0, 11, 59, 39));
    EXPECT_EQ(plain->CaptionOptions() & 0x3F, 10u);
    plain->SetWordWrap(true);
    EXPECT_EQ(plain->CaptionOptions() & (64u | 128u), 64u);
    Settle();
    EXPECT_EQ(At(*plain, 10, 6), RGB(0, 85, 0));
}

TEST_F(SwitchLed, AnEmptyCaptionSurvivesTheLayout) {
    TControlClasses::RegisterAll();
    TSwitchClasses::RegisterAll();
    form->SetName("Form2");
    mains->SetName("iSwitchLed1");
    mains->SetCaption("");
    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_NE(text.find("Caption_2 = ''"), std::string::npos) << text;

    TForm* copy = App().CreateForm<TForm>();
    THandlerTable handlers;
    TLayoutReader::Read(text, *copy, handlers);
    auto* read = dynamic_cast<TiSwitchLed*>(copy->FindComponent("iSwitchLed1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Caption(), "");
    EXPECT_EQ(read->ActiveColor(), clRed);
    EXPECT_EQ(read->IndicatorHeight(), 5);
    EXPECT_EQ(TLayoutWriter::Write(*copy), text);
}

} // namespace
