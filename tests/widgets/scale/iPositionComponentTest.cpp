#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "../../gui/framework/FrameworkFixture.h"
#include "TestPositionWidget.h"
#include "gui/controls/ControlClasses.h"
#include "gui/framework/Form.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"

using Events = std::vector<std::string>;

class PositionComponent : public FrameworkFixture {
protected:
    PositionComponent() {
        form = App().CreateForm<TForm>();
        form->SetName("Form1");
        widget = new TTestPositionWidget(form);
        widget->SetName("Position1");
        widget->SetParent(form);
        widget->RecordEvents();
    }

    // The events since the last call.
    Events Taken() {
        Events log = std::move(widget->Log);
        widget->Log.clear();
        return log;
    }

    TForm* form = nullptr;
    TTestPositionWidget* widget = nullptr;
};

TEST_F(PositionComponent, ValuesOutsideTheRangeAreClampedAndAnEqualResultFiresNothing) {
    widget->SetPosition(150);
    EXPECT_EQ(widget->Position(), 100);
    EXPECT_EQ(Taken(), (Events{"current-max", "output", "change"}));
    widget->SetPosition(150);
    widget->SetPosition(100);
    EXPECT_EQ(Taken(), Events{});

    widget->SetPosition(-5);
    EXPECT_EQ(widget->Position(), 0);
    EXPECT_EQ(Taken(), (Events{"output", "change"}));
    widget->SetPosition(-5);
    EXPECT_EQ(Taken(), Events{});
}

TEST_F(PositionComponent, AMinimumAboveTheMaximumWins) {
    widget->SetRange(10, 20);
    widget->SetPosition(15);
    EXPECT_EQ(widget->Position(), 20);
}

TEST_F(PositionComponent, NotANumberIsRefusedAndInfinitiesClampToTheEnds) {
    widget->SetPosition(40);
    Taken();
    widget->SetPosition(std::nan(""));
    EXPECT_EQ(widget->Position(), 40);
    EXPECT_EQ(Taken(), Events{});

    widget->SetPosition(std::numeric_limits<double>::infinity());
    EXPECT_EQ(widget->Position(), 100);
    widget->SetPosition(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(widget->Position(), 0);

    widget->SetRange(std::nan(""), 5);
    widget->SetPositionMin(-std::numeric_limits<double>::infinity());
    widget->SetCurrentMax(std::nan(""));
    EXPECT_EQ(widget->PositionMax(), 100);
    EXPECT_EQ(widget->PositionMin(), 0);
    EXPECT_EQ(widget->CurrentMax(), 100);
}

TEST_F(PositionComponent, WhileLoadingValuesAreStoredAsTheyStandAndNothingFires) {
    widget->SetLoading(true);
    widget->SetPosition(500);
    widget->SetCurrentMax(700);
    widget->SetCurrentMin(-3);
    widget->SetPosition(std::numeric_limits<double>::infinity());
    widget->SetPosition(std::nan(""));
    widget->UserSets(300);
    widget->UserFinishes();
    EXPECT_EQ(widget->Position(), 300);
    EXPECT_EQ(widget->CurrentMax(), 700);
    EXPECT_EQ(widget->CurrentMin(), -3);

    widget->SetPositionMax(50);
    EXPECT_EQ(widget->Position(), 300);
    EXPECT_EQ(widget->CurrentMax(), 700);
    widget->SetLoading(false);
    EXPECT_EQ(Taken(), Events{});
}

TEST_F(PositionComponent, AUserInteractionReportsEachStepAndFinishesOnce) {
    widget->UserSets(40);
    widget->UserSets(45);
    EXPECT_EQ(Taken(), (Events{"current-max", "change", "change-user", "current-max", "change",
                               "change-user"}));
    widget->UserFinishes();
    EXPECT_EQ(Taken(), (Events{"output", "finished"}));
    widget->UserFinishes();
    EXPECT_EQ(Taken(), Events{});
}

TEST_F(PositionComponent, AnInteractionThatChangedNothingDoesNotFinish) {
    widget->UserSets(0);
    widget->UserFinishes();
    EXPECT_EQ(Taken(), Events{});
}

TEST_F(PositionComponent, AProgrammaticChangeReachesTheOutputAtOnceAndNeverAsTheUsers) {
    widget->UserSets(10);
    widget->UserFinishes();
    Taken();
    widget->SetPosition(5);
    EXPECT_EQ(Taken(), (Events{"output", "change"}));
}

TEST_F(PositionComponent, AVetoKeepsTheOldValueAndFiresNothing) {
    std::string asked;
    widget->OnBeforeChange = [&](TObject*, const std::string& name, bool& allow) {
        asked = name;
        allow = false;
    };
    widget->SetPosition(30);
    EXPECT_EQ(asked, "Position");
    EXPECT_EQ(widget->Position(), 0);
    EXPECT_EQ(widget->CurrentMax(), 0);
    EXPECT_EQ(Taken(), Events{});
}

TEST_F(PositionComponent, FollowingExtremesMoveWithTheValueAndNeverReportCrossings) {
    for (double value : {30.0, 70.0, 20.0})
        widget->SetPosition(value);
    EXPECT_EQ(widget->CurrentMax(), 70);
    EXPECT_EQ(widget->CurrentMin(), 0);
    const Events log = Taken();
    EXPECT_EQ(std::count(log.begin(), log.end(), "current-max"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "over-max"), 0);
}

TEST_F(PositionComponent, FixedExtremesStayAndReportCrossingsAsThresholds) {
    widget->SetCurrentMax(50);
    widget->SetCurrentMin(20);
    widget->SetMinMaxFixed(true);
    widget->SetPosition(30);
    Taken();

    widget->SetPosition(60);
    EXPECT_EQ(widget->CurrentMax(), 50);
    EXPECT_EQ(Taken(), (Events{"over-max", "output", "change"}));
    widget->SetPosition(10);
    EXPECT_EQ(widget->CurrentMin(), 20);
    EXPECT_EQ(Taken(), (Events{"under-min", "output", "change"}));

    // A threshold moved under the value reports the crossing at once.
    widget->SetCurrentMin(15);
    widget->SetCurrentMin(5);
    EXPECT_EQ(Taken(), (Events{"current-min", "under-min", "current-min"}));
}

TEST_F(PositionComponent, ExtremesAreKeptInsideTheRange) {
    widget->SetCurrentMax(150);
    widget->SetCurrentMin(-20);
    EXPECT_EQ(widget->CurrentMax(), 100);
    EXPECT_EQ(widget->CurrentMin(), 0);
}

TEST_F(PositionComponent, NarrowingTheRangePullsTheExtremeDownBeforeTheValue) {
    widget->SetPosition(70);
    Taken();
    widget->SetPositionMax(40);
    EXPECT_EQ(Taken(), (Events{"current-max", "over-max", "output", "change"}));
    EXPECT_EQ(widget->CurrentMax(), 40);
    EXPECT_EQ(widget->Position(), 40);
    EXPECT_TRUE(widget->BackGroundChanged());
}

TEST_F(PositionComponent, FixedExtremesSurviveANarrowerRange) {
    widget->SetCurrentMax(90);
    widget->SetMinMaxFixed(true);
    widget->SetRange(50, 10);
    EXPECT_EQ(widget->CurrentMax(), 90);
    EXPECT_EQ(widget->Position(), 10);
}

TEST_F(PositionComponent, AnEmptyRangeHoldsTheValueAtItsOnlyPointAndNeverDividesByZero) {
    widget->SetRange(10, 10);
    EXPECT_EQ(widget->Position(), 10);
    EXPECT_EQ(widget->PositionPercent(10), 0);
    EXPECT_EQ(widget->PositionPercent(11), 1);
    EXPECT_EQ(widget->PositionPercent(9), 0);

    widget->SetRange(200, -200);
    EXPECT_EQ(widget->PositionPercent(-100), 0.25);
    EXPECT_EQ(widget->PositionPercent(std::nan("")), 0);
}

TEST_F(PositionComponent, LimitsReportCrossingsInListOrderAndGuardTheirIndex) {
    EXPECT_EQ(widget->LimitCount(), 0);
    TiLimitObject band;
    band.UpperValue = 80;
    band.LowerValue = 20;
    widget->AddLimit(band);
    band.UpperValue = 60;
    band.ShowLowerPointer = true;
    widget->AddLimit(band);
    EXPECT_EQ(widget->LimitUpperValue(1), 60);
    EXPECT_TRUE(widget->LimitShowLowerPointer(1));

    widget->SetPosition(90);
    EXPECT_EQ(Taken(), (Events{"current-max", "over-limit 0", "over-limit 1", "output", "change"}));
    widget->SetPosition(10);
    EXPECT_EQ(Taken(), (Events{"under-limit 0", "under-limit 1", "output", "change"}));

    for (int index : {-1, 2}) {
        try {
            widget->LimitLowerColor(index);
            FAIL() << index;
        } catch (const Exception& error) {
            EXPECT_STREQ(error.what(), "Limit Index out of bounds");
        }
    }
}

TEST_F(PositionComponent, MovingContentRepaintsAndStaticContentRebuildsTheBackground) {
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    Platform().AdvanceBy(20);
    Platform().Render(*form);
    ASSERT_FALSE(widget->BackGroundChanged());
    widget->SetPosition(20);
    widget->SetMinMaxFixed(true);
    widget->SetMaxPointerColor(clRed);
    EXPECT_FALSE(widget->BackGroundChanged());
    widget->SetShowMaxPointer(true);
    EXPECT_TRUE(widget->BackGroundChanged());
}

TEST_F(PositionComponent, AMaximumOfZeroSurvivesTheLayoutThroughItsExtraValue) {
    TControlClasses::RegisterAll();
    TTestPositionWidget::StaticClassInfo();
    widget->SetRange(0, -50);
    widget->SetPosition(-12.5);
    widget->SetShowMinPointer(true);
    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_EQ(text.find("PositionMax ="), std::string::npos) << text;
    EXPECT_NE(text.find("PositionMax_2 = 0"), std::string::npos) << text;

    TForm* copy = App().CreateForm<TForm>();
    TLayoutReader::Read(text, *copy, THandlerTable());
    auto& read = dynamic_cast<TTestPositionWidget&>(*copy->FindComponent("Position1"));
    EXPECT_EQ(read.PositionMax(), 0);
    EXPECT_EQ(read.PositionMin(), -50);
    EXPECT_EQ(read.Position(), -12.5);
    EXPECT_EQ(read.CurrentMin(), -12.5);
    EXPECT_TRUE(read.ShowMinPointer());
    EXPECT_EQ(TLayoutWriter::Write(*copy), text);
}

TEST_F(PositionComponent, ALayoutValueOutOfRangeIsKeptAsStored) {
    TControlClasses::RegisterAll();
    TTestPositionWidget::StaticClassInfo();
    TForm* copy = App().CreateForm<TForm>();
    TLayoutReader::Read("object Form1: TForm\n"
                        "  object Position1: TTestPositionWidget\n"
                        "    Position = 500\n"
                        "    PositionMax_2 = 100\n"
                        "  end\n"
                        "end\n",
                        *copy, THandlerTable());
    auto& read = dynamic_cast<TTestPositionWidget&>(*copy->FindComponent("Position1"));
    EXPECT_EQ(read.Position(), 500);
    EXPECT_EQ(read.PositionMax(), 100);
}

TEST_F(PositionComponent, APropertyFileRestoresAValueOutsideTheDefaultRange) {
    const std::string path = ::testing::TempDir() + "position-properties-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".txt";
    TTestPositionWidget::StaticClassInfo();
    widget->SetRange(300, 200);
    widget->SetPosition(250);
    widget->SavePropertiesToFile(path);

    auto* copy = new TTestPositionWidget(form);
    copy->LoadPropertiesFromFile(path);
    std::remove(path.c_str());
    EXPECT_EQ(copy->PositionMin(), 200);
    EXPECT_EQ(copy->PositionMax(), 300);
    EXPECT_EQ(copy->Position(), 250);
    EXPECT_EQ(copy->CurrentMax(), 250);
}
