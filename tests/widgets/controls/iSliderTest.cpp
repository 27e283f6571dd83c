#include <gtest/gtest.h>

#include "SwitchFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/controls/SwitchClasses.h"
#include "widgets/controls/iSlider.h"

namespace {

using Events = std::vector<std::string>;

class Slider : public SwitchFixture {
protected:
    Slider() {
        for (TiSlider* s : {plain, rheostat}) {
            s->OnPositionChange = [this](TObject*) { events.push_back("change"); };
            s->OnPositionChangeUser = [this](TObject*) { events.push_back("user"); };
            s->OnPositionChangeFinished = [this](TObject*) { events.push_back("finished"); };
        }
        // The bench's rheostat.
        rheostat->SetPositionMax(15);
        rheostat->SetCurrentMax(15);
        rheostat->SetKeyArrowStepSize(1);
        rheostat->SetKeyPageStepSize(10);
        rheostat->SetMouseWheelStepSize(1);
        rheostat->SetOrientation(ioHorizontal);
        rheostat->SetBounds(100, 300, 433, 137);
        rheostat->SetPointerHeight(30);
        rheostat->SetPointerWidth(80);
        rheostat->SetTrackStyle(istsBevelRasied);
        rheostat->SetTickLabelMargin(7);
        rheostat->TickLabelFont().SetHeight(-13);
        rheostat->SetShowFocusRect(false);
        Settle();
        events.clear();
    }

    TiSlider::TLayout LayoutOf(const TiSlider& s) {
        TBitmap scratch(1, 1);
        return s.Layout(scratch.Canvas());
    }
    // The centre of the pointer, where a press grabs it.
    TPoint PointerCentre(const TiSlider& s) {
        const TRect p = LayoutOf(s).Pointer;
        return {(p.Left + p.Right) / 2, (p.Top + p.Bottom) / 2};
    }

    TiSlider* plain = Place<TiSlider>(10, 10, 70, 200);
    TiSlider* rheostat = Place<TiSlider>(100, 300, 137, 433);
};

TEST_F(Slider, DefaultVerticalGeometry) {
    EXPECT_EQ(plain->TrackLength(), 176);
    EXPECT_EQ(LayoutOf(*plain).Track, Rect(2, 5, 21, 195));
    EXPECT_EQ(LayoutOf(*plain).Pointer, Rect(4, 183, 19, 193));
    plain->SetPosition(100);
    EXPECT_EQ(LayoutOf(*plain).Pointer, Rect(4, 7, 19, 17));
    Settle();
    // The lamp of an idle LED pointer is black, inside a button-face frame.
    EXPECT_EQ(At(*plain, 10, 12), clBlack);
    EXPECT_EQ(At(*plain, 4, 7), Shown(clBtnFace));
}

TEST_F(Slider, TheRheostatsTrackPointerAndScale) {
    EXPECT_EQ(rheostat->Width(), 433);
    EXPECT_EQ(rheostat->TrackLength(), 389);
    EXPECT_EQ(LayoutOf(*rheostat).Track, Rect(5, 2, 428, 86));
    EXPECT_EQ(LayoutOf(*rheostat).Pointer, Rect(7, 4, 37, 84));
    rheostat->SetPosition(15);
    EXPECT_EQ(LayoutOf(*rheostat).Pointer, Rect(7 + 389, 4, 37 + 389, 84));
    Settle();
    // Major ticks from y = 91 below the track, at the pointer's centre at each end.
    EXPECT_EQ(At(*rheostat, 22, 91), clBlack);
    EXPECT_EQ(At(*rheostat, 22, 90), Shown(clBtnFace));
    EXPECT_EQ(At(*rheostat, 411, 95), clBlack);
    // The raised bevel: highlight above the middle line, shadow below.
    EXPECT_EQ(At(*rheostat, 200, 42), Shown(clBtnHighlight));
    EXPECT_EQ(At(*rheostat, 200, 44), Shown(clBtnShadow));
}

TEST_F(Slider, KeysStepByArrowAndPageWhicheverWayTheTrackRuns) {
    rheostat->SetFocus();
    Platform().PressKey(VK_RIGHT);
    EXPECT_EQ(rheostat->Position(), 1);
    EXPECT_EQ(events, (Events{"change", "user", "finished"}));
    Platform().PressKey(VK_UP);
    EXPECT_EQ(rheostat->Position(), 2);
    Platform().PressKey(VK_PRIOR);
    EXPECT_EQ(rheostat->Position(), 12);
    Platform().PressKey(VK_PRIOR);
    EXPECT_EQ(rheostat->Position(), 15);
    Platform().PressKey(VK_LEFT);
    Platform().PressKey(VK_DOWN);
    EXPECT_EQ(rheostat->Position(), 13);
    Platform().PressKey(VK_HOME);
    EXPECT_EQ(rheostat->Position(), 0);
    Platform().PressKey(VK_END);
    EXPECT_EQ(rheostat->Position(), 15);
    EXPECT_TRUE(rheostat->Focused());

    plain->SetReverseScale(true);
    plain->SetFocus();
    Platform().PressKey(VK_UP);
    EXPECT_EQ(plain->Position(), 1);
}

TEST_F(Slider, DraggingMovesByTheDistanceAndFinishesOnce) {
    const TPoint grip = PointerCentre(*rheostat);
    Press(*rheostat, grip.X, grip.Y);
    // 389 pixels are the whole range of 15.
    Move(*rheostat, grip.X + 100, grip.Y + 30);
    EXPECT_NEAR(rheostat->Position(), 100.0 / 389 * 15, 1e-9);
    Move(*rheostat, grip.X + 1000, grip.Y);
    EXPECT_EQ(rheostat->Position(), 15);
    Release(*rheostat, grip.X + 1000, grip.Y);
    EXPECT_EQ(std::count(events.begin(), events.end(), "finished"), 1);
    EXPECT_EQ(events.back(), "finished");

    // A press anywhere drags from where the value is.
    events.clear();
    Press(*rheostat, 10, 120);
    Move(*rheostat, 10 - 50, 120);
    Release(*rheostat, 10 - 50, 120);
    EXPECT_NEAR(rheostat->Position(), 15 - 50.0 / 389 * 15, 1e-9);
}

TEST_F(Slider, PressAndHoldLightsTheLedPointer) {
    rheostat->SetPosition(5);
    Settle();
    const TPoint grip = PointerCentre(*rheostat);
    EXPECT_EQ(At(*rheostat, grip.X, grip.Y), clBlack);
    Press(*rheostat, grip.X, grip.Y);
    Settle();
    EXPECT_EQ(At(*rheostat, grip.X, grip.Y), clRed);
    Release(*rheostat, grip.X, grip.Y);
    Settle();
    EXPECT_EQ(At(*rheostat, grip.X, grip.Y), clBlack);
    EXPECT_EQ(std::count(events.begin(), events.end(), "finished"), 0);
}

TEST_F(Slider, GotoJumpsToThePointAndPagePressesStepTowardsIt) {
    rheostat->SetMouseControlStyle(ismcsGoto);
    Click(*rheostat, 22 + 389 * 10 / 15, 40);
    EXPECT_NEAR(rheostat->Position(), 10, 0.05);
    Click(*rheostat, 2, 40);
    EXPECT_EQ(rheostat->Position(), 0);
    Click(*rheostat, 430, 40);
    EXPECT_EQ(rheostat->Position(), 15);

    rheostat->SetMouseControlStyle(ismcsSlidePage);
    rheostat->SetPosition(5);
    events.clear();
    Click(*rheostat, 10, 40);
    EXPECT_EQ(rheostat->Position(), 0);
    Click(*rheostat, 300, 40);
    EXPECT_EQ(rheostat->Position(), 10);
    // Beside the pointer across the track: nothing happens at all.
    Settle();
    events.clear();
    Click(*rheostat, 300, 120);
    EXPECT_EQ(rheostat->Position(), 10);
    EXPECT_TRUE(events.empty());
}

TEST_F(Slider, TheWheelStepsAtMostOncePer30MsAndFinishesEachStep) {
    rheostat->SetFocus();
    Wheel(*rheostat, 120);
    Settle(10);
    Wheel(*rheostat, 120);
    EXPECT_EQ(rheostat->Position(), 1);
    Settle(40);
    Wheel(*rheostat, 120);
    EXPECT_EQ(rheostat->Position(), 2);
    EXPECT_EQ(events, (Events{"change", "user", "finished", "change", "user", "finished"}));
}

TEST_F(Slider, ValuesBeyondTheEndsOfTheTrackAreLimited) {
    EXPECT_EQ(rheostat->ValueAt(1000), 15);
    EXPECT_EQ(rheostat->ValueAt(-50), 0);
    EXPECT_EQ(plain->ValueAt(0), 100);
    EXPECT_EQ(plain->ValueAt(199), 0);
    plain->SetReverseScale(true);
    EXPECT_EQ(plain->ValueAt(0), 0);
}

TEST_F(Slider, TurningTheSliderTurnsItsRectangle) {
    plain->SetOrientation(ioHorizontal);
    EXPECT_EQ(plain->Width(), 200);
    EXPECT_EQ(plain->Height(), 70);
}

TEST_F(Slider, ATrackWithNoLengthIgnoresTheMouseButNotTheKeys) {
    plain->SetPointerHeight(400);
    EXPECT_LT(plain->TrackLength(), 0);
    plain->SetPosition(30);
    events.clear();
    Press(*plain, 10, 100);
    Move(*plain, 10, 0);
    Release(*plain, 10, 0);
    EXPECT_EQ(plain->Position(), 30);
    plain->SetMouseControlStyle(ismcsGoto);
    Click(*plain, 10, 20);
    EXPECT_EQ(plain->Position(), 30);
    Platform().PressKey(VK_UP);
    EXPECT_EQ(plain->Position(), 31);
    Settle();
}

TEST_F(Slider, StepsOfZeroSurviveTheLayout) {
    TControlClasses::RegisterAll();
    TSwitchClasses::RegisterAll();
    form->SetName("Form2");
    rheostat->SetName("iSlider1");
    rheostat->SetKeyArrowStepSize(0);
    rheostat->SetKeyPageStepSize(0);
    const std::string text = TLayoutWriter::Write(*form);
    TForm* copy = App().CreateForm<TForm>();
    THandlerTable handlers;
    TLayoutReader::Read(text, *copy, handlers);
    auto* read = dynamic_cast<TiSlider*>(copy->FindComponent("iSlider1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->KeyArrowStepSize(), 0);
    EXPECT_EQ(read->KeyPageStepSize(), 0);
    EXPECT_EQ(read->Width(), 433);
    EXPECT_EQ(read->PositionMax(), 15);
    EXPECT_EQ(TLayoutWriter::Write(*copy), text);
}

} // namespace
