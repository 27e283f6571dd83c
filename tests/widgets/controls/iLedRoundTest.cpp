#include <gtest/gtest.h>

#include "SwitchFixture.h"
#include "widgets/controls/iLedRound.h"

namespace {

class LedRound : public SwitchFixture {
protected:
    TiLedRound* led = Place<TiLedRound>(10, 10, 20, 20);
};

TEST_F(LedRound, DefaultIsADimGreenLampInALoweredRingWithAReflection) {
    EXPECT_EQ(led->Width(), 20);
    EXPECT_EQ(led->Height(), 20);
    EXPECT_EQ(At(*led, 10, 10), RGB(0, 85, 0));
    // Lowered: shadow on the upper-left half of the ring, highlight on the lower-right.
    EXPECT_EQ(At(*led, 10, 0), Shown(clBtnShadow));
    EXPECT_EQ(At(*led, 0, 10), Shown(clBtnShadow));
    EXPECT_EQ(At(*led, 10, 19), Shown(clBtnHighlight));
    EXPECT_EQ(At(*led, 19, 10), Shown(clBtnHighlight));
    // The reflection is a quarter circle five pixels in from the rim, upper left only.
    EXPECT_EQ(At(*led, 9, 5), clWhite);
    EXPECT_EQ(At(*led, 5, 9), clWhite);
    EXPECT_EQ(At(*led, 14, 10), RGB(0, 85, 0));
    EXPECT_EQ(At(*led, 10, 14), RGB(0, 85, 0));

    led->SetBevelStyle(ibsRaised);
    led->SetShowReflection(false);
    Settle();
    EXPECT_EQ(At(*led, 10, 0), Shown(clBtnHighlight));
    EXPECT_EQ(At(*led, 10, 19), Shown(clBtnShadow));
    EXPECT_EQ(At(*led, 9, 5), RGB(0, 85, 0));
}

TEST_F(LedRound, WithoutABevelTheBodyFillsTheWholeSquare) {
    led->SetBevelStyle(ibsNone);
    Settle();
    EXPECT_EQ(At(*led, 10, 0), RGB(0, 85, 0));
    EXPECT_EQ(At(*led, 0, 10), RGB(0, 85, 0));
    EXPECT_EQ(At(*led, 0, 0), Shown(clBtnFace));
}

TEST_F(LedRound, AnAutomaticOffColourIgnoresTheStoredOne) {
    led->SetActiveColor(clRed);
    led->SetInactiveColor(clSilver);
    Settle();
    EXPECT_EQ(At(*led, 10, 10), RGB(85, 0, 0));
    led->SetAutoInactiveColor(false);
    Settle();
    EXPECT_EQ(At(*led, 10, 10), clSilver);
    led->SetActive(true);
    Settle();
    EXPECT_EQ(At(*led, 10, 10), clRed);
}

TEST_F(LedRound, ActiveRaisesOnChangeOnlyWhenItChangesAndHonoursAVeto) {
    int changes = 0;
    std::vector<std::string> after;
    led->OnChange = [&](TObject*) { ++changes; };
    led->OnAfterChange = [&](TObject*, const std::string& name) { after.push_back(name); };
    led->SetActive(true);
    led->SetActive(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(after, std::vector<std::string>{"Active"});

    led->OnBeforeChange = [](TObject*, const std::string&, bool& allow) { allow = false; };
    led->SetActive(false);
    EXPECT_TRUE(led->Active());
    EXPECT_EQ(changes, 1);
}

TEST_F(LedRound, StaysSquareExceptWhileALayoutGivesTheSize) {
    led->SetWidth(30);
    EXPECT_EQ(led->Height(), 30);
    led->SetHeight(12);
    EXPECT_EQ(led->Width(), 12);
    led->SetBounds(10, 10, 30, 12);
    EXPECT_EQ(led->Width(), 30);
    EXPECT_EQ(led->Height(), 30);

    led->SetLoading(true);
    led->SetBounds(10, 10, 17, 25);
    led->Loaded();
    EXPECT_EQ(led->Width(), 17);
    EXPECT_EQ(led->Height(), 25);
}

TEST_F(LedRound, TheBenchLampKeepsItsDisabledStateAndIgnoresClicks) {
    led->SetBounds(10, 10, 17, 17);
    led->SetEnabled(false);
    int clicks = 0;
    led->OnClick = [&](TObject*) { ++clicks; };
    Click(*led, 8, 8);
    EXPECT_EQ(clicks, 0);
}

} // namespace
