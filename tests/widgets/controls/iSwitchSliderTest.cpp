#include <gtest/gtest.h>

#include <string>

#include "SwitchFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/controls/SwitchClasses.h"
#include "widgets/controls/iSwitchSlider.h"

namespace {

class SwitchSlider : public SwitchFixture {
protected:
    SwitchSlider() {
        for (TiSwitchSlider* s : {mode, plain}) {
            s->OnPositionChange = [this](TObject*) { events.push_back("change"); };
            s->OnPositionChangeUser = [this](TObject*) { events.push_back("user"); };
            s->OnPositionChangeFinished = [this](TObject*) { events.push_back("finished"); };
        }
        // The bench's mode switch.
        mode->SetPositionLabels("3, 2, 1, 0");
        mode->SetPosition(3);
        for (TFont* font : {&mode->PositionLabelActiveFont(), &mode->PositionLabelInactiveFont()}) {
            font->SetName("Arial");
            font->SetHeight(-27);
        }
        mode->PositionLabelActiveFont().SetColor(clYellow);
        mode->SetPositionIndicatorSize(10);
        mode->SetPositionIndicatorMargin(6);
        mode->SetPositionIndicatorStyle(issisLine);
        mode->SetPointerIndicatorInactiveColor(clNavy);
        mode->SetPointerHeight(10);
        mode->SetTrackColor(clMaroon);
        mode->SetShowFocusRect(false);
        Settle();
        events.clear();
    }

    TiSwitchSlider::TLayout LayoutOf(const TiSwitchSlider& s) {
        TBitmap scratch(1, 1);
        return s.Layout(scratch.Canvas());
    }
    int CountPixels(const TControl& c, const TRect& area, TColor color) {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += At(c, x, y) == color;
        return count;
    }

    TiSwitchSlider* mode = Place<TiSwitchSlider>(8, 96, 65, 137);
    TiSwitchSlider* plain = Place<TiSwitchSlider>(200, 100, 80, 80);
};

using Events = std::vector<std::string>;

TEST_F(SwitchSlider, TheModeSwitchPutsPositionThreeAtTheTopBesideItsActiveName) {
    EXPECT_EQ(mode->PositionCount(), 4);
    EXPECT_EQ(mode->TravelLength(), 117);
    const auto layout = LayoutOf(*mode);
    EXPECT_EQ(layout.Track, Rect(5, 5, 18, 132));
    EXPECT_EQ(layout.Pointer, Rect(1, 5, 22, 15));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(132 - mode->PositionOffset(i), 127 - 39 * i) << i;

    // Etched line marks from x = 24 to 34: black, white beneath.
    EXPECT_EQ(At(*mode, 24, 127), clBlack);
    EXPECT_EQ(At(*mode, 33, 127), clBlack);
    EXPECT_EQ(At(*mode, 28, 128), clWhite);
    EXPECT_EQ(At(*mode, 34, 127), Shown(clBtnFace));
    EXPECT_EQ(At(*mode, 28, 10), clBlack);
    // The pointer at the top, lit along its upper-left edges.
    EXPECT_EQ(At(*mode, 1, 10), clWhite);
    EXPECT_EQ(At(*mode, 8, 10), Shown(clBtnFace));
    EXPECT_EQ(At(*mode, 8, 100), clMaroon);
    // The name of the current position in the active font, from x = 39 on.
    EXPECT_GT(CountPixels(*mode, Rect(39, 0, 65, 30), clYellow), 10);
    EXPECT_EQ(CountPixels(*mode, Rect(0, 0, 39, 137), clYellow), 0);
    EXPECT_EQ(CountPixels(*mode, Rect(39, 110, 65, 137), clYellow), 0);
}

TEST_F(SwitchSlider, APressSelectsTheNearestPositionWhereverItLands) {
    Press(*mode, 30, 49);
    EXPECT_EQ(mode->Position(), 2);
    Release(*mode, 30, 49);
    Click(*mode, 60, 0);
    EXPECT_EQ(mode->Position(), 3);
    Click(*mode, 2, 136);
    EXPECT_EQ(mode->Position(), 0);
    Settle();
    EXPECT_GT(CountPixels(*mode, Rect(39, 110, 65, 137), clYellow), 10);
}

TEST_F(SwitchSlider, DraggingSnapsAsItGoesAndFinishesOnce) {
    std::vector<int> seen;
    mode->OnPositionChange = [&](TObject*) { seen.push_back(mode->Position()); };
    Press(*mode, 10, 127);
    for (int y = 120; y >= 0; y -= 10)
        Move(*mode, 10, y);
    Release(*mode, 10, 0);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(std::count(events.begin(), events.end(), "finished"), 1);
    EXPECT_EQ(events.back(), "finished");
}

TEST_F(SwitchSlider, TheClickHandlerSeesThePositionAlreadyChosen) {
    int atClick = -1;
    mode->OnClick = [&](TObject*) { atClick = mode->Position(); };
    Click(*mode, 30, 88);
    EXPECT_EQ(atClick, 1);
}

TEST_F(SwitchSlider, KeysStepStopAtTheEndsAndFinishOnRelease) {
    plain->SetFocus();
    Platform().PressKey(VK_RIGHT);
    EXPECT_EQ(plain->Position(), 1);
    EXPECT_EQ(events, (Events{"change", "user", "finished"}));
    Platform().PressKey(VK_UP);
    Platform().PressKey(VK_UP);
    EXPECT_EQ(plain->Position(), 2);
    Platform().PressKey(VK_HOME);
    EXPECT_EQ(plain->Position(), 0);
    Platform().PressKey(VK_PRIOR);
    EXPECT_EQ(plain->Position(), 2);
    Platform().PressKey(VK_NEXT);
    EXPECT_EQ(plain->Position(), 0);
    Platform().PressKey(VK_END);
    EXPECT_EQ(plain->Position(), 2);
    Platform().PressKey(VK_DOWN);
    Platform().PressKey(VK_LEFT);
    EXPECT_EQ(plain->Position(), 0);
    // The arrows stayed with the switch instead of moving the focus.
    EXPECT_TRUE(plain->Focused());
}

TEST_F(SwitchSlider, HoldingAKeyLightsThePointerUntilItIsReleased) {
    plain->SetPointerStyle(ispsBarColor);
    plain->SetFocus();
    Settle();
    const TRect p = LayoutOf(*plain).Pointer;
    const int cx = (p.Left + p.Right) / 2;
    const int cy = (p.Top + p.Bottom) / 2;
    EXPECT_EQ(At(*plain, cx, cy), clBlack);
    Platform().KeyDown(VK_RIGHT);
    Settle();
    const TRect moved = LayoutOf(*plain).Pointer;
    EXPECT_EQ(At(*plain, (moved.Left + moved.Right) / 2, (moved.Top + moved.Bottom) / 2), clRed);
    Platform().KeyUp(VK_RIGHT);
    Settle();
    EXPECT_EQ(At(*plain, (moved.Left + moved.Right) / 2, (moved.Top + moved.Bottom) / 2), clBlack);
}

TEST_F(SwitchSlider, TheWheelStepsAtMostOncePer30MsAndIsNotTheUsersChange) {
    plain->SetFocus();
    Wheel(*plain, 120);
    EXPECT_EQ(plain->Position(), 1);
    Settle(10);
    Wheel(*plain, 120);
    EXPECT_EQ(plain->Position(), 1);
    Settle(40);
    Wheel(*plain, -120);
    EXPECT_EQ(plain->Position(), 0);
    EXPECT_EQ(events, (Events{"change", "change"}));
}

TEST_F(SwitchSlider, AWriteBeyondTheEndStillReportsAChange) {
    plain->SetPosition(2);
    events.clear();
    plain->SetPosition(7);
    EXPECT_EQ(plain->Position(), 2);
    EXPECT_EQ(events, Events{"change"});
    plain->SetPosition(-3);
    EXPECT_EQ(plain->Position(), 0);
}

TEST_F(SwitchSlider, NamesAreTrimmedEmptyOnesShowAsQuestionMarksAndATrailingCommaAddsNothing) {
    plain->SetPositionLabels(" A ,, B ,");
    EXPECT_EQ(plain->PositionNames(), (Events{"A", "???", "B"}));
    plain->SetPositionLabels(",");
    EXPECT_EQ(plain->PositionNames(), Events{"???"});
    mode->SetPositionLabels("x, y");
    EXPECT_EQ(mode->Position(), 1);
    mode->SetPositionLabels("");
    EXPECT_EQ(mode->PositionCount(), 0);
    EXPECT_EQ(mode->Position(), 0);
}

TEST_F(SwitchSlider, PositionLabelsMustStayUnder256Characters) {
    const std::string longest(255, 'a');
    plain->SetPositionLabels(longest);
    EXPECT_EQ(plain->PositionLabels(), longest);
    try {
        plain->SetPositionLabels(longest + "b");
        FAIL() << "accepted 256 characters";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Position Label String Must be < 256 Characters");
    }
    EXPECT_EQ(plain->PositionLabels(), longest);
    // Characters, not bytes: 255 Cyrillic letters fit.
    std::string cyrillic;
    for (int i = 0; i < 255; ++i)
        cyrillic += "ж";
    plain->SetPositionLabels(cyrillic);
    EXPECT_EQ(plain->PositionLabels(), cyrillic);
}

TEST_F(SwitchSlider, SwitchesWithoutTwoPositionsOrRoomToTravelStayPutAndPaint) {
    plain->SetPositionLabels("Only");
    plain->SetFocus();
    Click(*plain, 40, 10);
    Platform().PressKey(VK_UP);
    Platform().PressKey(VK_END);
    Wheel(*plain, 120);
    EXPECT_EQ(plain->Position(), 0);

    plain->SetPositionLabels("");
    Click(*plain, 40, 10);
    Platform().PressKey(VK_END);
    Settle();
    EXPECT_EQ(plain->Position(), 0);

    plain->SetPositionLabels("a, b, c");
    plain->SetPointerHeight(200);
    EXPECT_LT(plain->TravelLength(), 0);
    Click(*plain, 40, 10);
    Settle();
    EXPECT_EQ(plain->Position(), 0);
    EXPECT_EQ(At(*plain, 2, 2), Shown(clBtnFace));
}

TEST_F(SwitchSlider, TurningTheSwitchTurnsItsRectangle) {
    plain->SetBounds(200, 100, 80, 40);
    plain->SetOrientation(ioHorizontal);
    EXPECT_EQ(plain->Width(), 40);
    EXPECT_EQ(plain->Height(), 80);
}

TEST_F(SwitchSlider, HorizontalSwitchesRunLeftToRightWithNamesOnEitherSide) {
    plain->SetOrientation(ioHorizontal);
    plain->SetBounds(200, 100, 137, 65);
    plain->SetPosition(2);
    auto layout = LayoutOf(*plain);
    EXPECT_EQ(layout.Track, Rect(5, 5, 132, 18));
    // t = 137 - 8 - 10 = 119, s = 59.5: the pointer starts at 5 + round(119).
    EXPECT_EQ(layout.Pointer, Rect(124, 1, 132, 22));
    plain->SetOrientationLabels(iosTopLeft);
    layout = LayoutOf(*plain);
    EXPECT_EQ(layout.Track, Rect(5, 65 - 5 - 13, 132, 60));
    plain->SetPointerStyle(ispsLed);
    plain->SetOffsetY(3);
    layout = LayoutOf(*plain);
    EXPECT_EQ(layout.Track, Rect(5, 65 - 17 - 3, 132, 65 - 3));
    EXPECT_EQ(layout.Pointer.Right, 132 - 2);
    // Pressing at the right end picks the last position.
    Click(*plain, 136, 30);
    Click(*plain, 3, 30);
    EXPECT_EQ(plain->Position(), 0);
}

TEST_F(SwitchSlider, AutoCenterShiftsTheDrawingAcrossTheTravel) {
    plain->SetBounds(200, 100, 200, 80);
    const int left = LayoutOf(*plain).Track.Left;
    plain->SetAutoCenter(true);
    const int centred = LayoutOf(*plain).Track.Left;
    EXPECT_GT(centred, left + 40);
    plain->SetOrientationLabels(iosTopLeft);
    EXPECT_EQ(LayoutOf(*plain).Track.Right, 200 - (centred - left) - 5);
}

TEST_F(SwitchSlider, TheBenchLayoutKeepsPositionThreeThoughItPrecedesTheNames) {
    TControlClasses::RegisterAll();
    TSwitchClasses::RegisterAll();
    form->SetName("Form2");
    mode->SetName("iSwitchSlider1");
    const std::string text = TLayoutWriter::Write(*form);
    ASSERT_LT(text.find("Position = 3"), text.find("PositionLabels = '3, 2, 1, 0'")) << text;

    TForm* copy = App().CreateForm<TForm>();
    THandlerTable handlers;
    TLayoutReader::Read(text, *copy, handlers);
    auto* read = dynamic_cast<TiSwitchSlider*>(copy->FindComponent("iSwitchSlider1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Position(), 3);
    EXPECT_EQ(read->PositionIndicatorStyle(), issisLine);
    EXPECT_EQ(read->PositionLabelActiveFont().Color(), clYellow);
    EXPECT_EQ(TLayoutWriter::Write(*copy), text);
}

} // namespace
