#include <gtest/gtest.h>

#include <cmath>

#include "../../gui/framework/FrameworkFixture.h"
#include "TestScaleWidget.h"
#include "gui/controls/ControlClasses.h"
#include "gui/framework/Form.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"

class ScaleComponent : public FrameworkFixture {
protected:
    ScaleComponent() {
        TControlClasses::RegisterAll();
        TTestScaleWidget::StaticClassInfo();
        form = App().CreateForm<TForm>();
        form->SetName("Form1");
        form->SetBounds(0, 0, 300, 260);
        form->SetColor(clWhite);
        widget = new TTestScaleWidget(form);
        widget->SetName("Scale1");
        widget->SetParent(form);
        widget->SetBounds(20, 20, 80, 200);
        widget->SetBackGroundColor(clWhite);
        form->Show();
        Settle();
    }

    void Settle() {
        Platform().AdvanceBy(20);
        Platform().Render(*form);
    }

    TTestScaleWidget& ReadBack(const std::string& text) {
        TForm* copy = App().CreateForm<TForm>();
        TLayoutReader::Read(text, *copy, THandlerTable());
        return dynamic_cast<TTestScaleWidget&>(*copy->FindComponent("Scale1"));
    }

    TForm* form = nullptr;
    TTestScaleWidget* widget = nullptr;
};

TEST_F(ScaleComponent, StartsWithEveryPartOfTheScaleShownAndFixedDecimals) {
    EXPECT_TRUE(widget->ShowTicksMajor());
    EXPECT_TRUE(widget->ShowTicksMinor());
    EXPECT_TRUE(widget->ShowTickLabels());
    EXPECT_EQ(widget->PrecisionStyle(), ipsFixedDecimalPoints);
    EXPECT_EQ(widget->Scale().AutoScaleDesiredTicks(), 5);
    EXPECT_EQ(widget->Scale().AutoScaleMaxTicks(), 6);
}

TEST_F(ScaleComponent, AnyTickSettingRebuildsTheBackgroundButTheValueDoesNot) {
    widget->SetPosition(40);
    EXPECT_FALSE(widget->BackGroundChanged());
    Settle();
    const int before = widget->BackGroundDraws();
    widget->SetTickMajorColor(clRed);
    EXPECT_TRUE(widget->BackGroundChanged());
    Settle();
    EXPECT_EQ(widget->BackGroundDraws(), before + 1);
    widget->TickLabelFont().SetHeight(-14);
    EXPECT_TRUE(widget->BackGroundChanged());
}

TEST_F(ScaleComponent, SwitchingAutoScalingOnWidensTheRangeToRoundLimits) {
    widget->SetPositionMax(240);
    widget->SetAutoScaleEnabled(true);
    EXPECT_EQ(widget->PositionMin(), 0);
    EXPECT_EQ(widget->PositionMax(), 250);
    EXPECT_EQ(widget->TickMajorCount(), 6);

    // A bound written afterwards is only a request.
    widget->SetPositionMax(97);
    EXPECT_EQ(widget->PositionMax(), 100);
    EXPECT_EQ(widget->TickMajorCount(), 5);
    // Each bound asks for a search over the range as it is by then.
    widget->SetPositionMax(17);
    EXPECT_EQ(widget->PositionMax(), 20);
    widget->SetPositionMin(-3);
    EXPECT_EQ(widget->PositionMin(), -5);
    EXPECT_EQ(widget->PositionMax(), 20);
}

TEST_F(ScaleComponent, TheFixedStyleKeepsTheRangeAndMovesTheTicks) {
    widget->SetAutoScaleStyle(iassFixedMinMax);
    widget->SetAutoScaleEnabled(true);
    widget->SetPositionMax(97);
    EXPECT_EQ(widget->PositionMax(), 97);
    EXPECT_EQ(widget->AutoScaleFirstTick(), 0);
    EXPECT_EQ(widget->AutoScaleLastTick(), 80);
    EXPECT_EQ(widget->TickMajorCount(), 5);
    EXPECT_EQ(widget->Scale().AutoScaleLastTick(), 80);

    // The ticks of the last search stay when auto-scaling goes off.
    widget->SetAutoScaleEnabled(false);
    widget->SetPositionMax(240);
    EXPECT_EQ(widget->AutoScaleLastTick(), 80);
}

TEST_F(ScaleComponent, TickCountsBelowTwoAreIgnoredWithoutASearch) {
    widget->SetPositionMax(97);
    widget->SetAutoScaleEnabled(true);
    widget->SetTickMajorCount(9);
    widget->SetAutoScaleDesiredTicks(1);
    widget->SetAutoScaleMaxTicks(0);
    EXPECT_EQ(widget->AutoScaleDesiredTicks(), 5);
    EXPECT_EQ(widget->AutoScaleMaxTicks(), 6);
    EXPECT_EQ(widget->TickMajorCount(), 9);

    widget->SetAutoScaleMaxTicks(3);
    EXPECT_EQ(widget->TickMajorCount(), 3);
    EXPECT_EQ(widget->Scale().AutoScaleMaxTicks(), 3);
}

TEST_F(ScaleComponent, WhenNoRoundGridFitsTheRangeAndTickCountStayAsAsked) {
    widget->SetAutoScaleDesiredTicks(2);
    widget->SetAutoScaleMaxTicks(2);
    widget->SetTickMajorCount(7);
    widget->SetRange(9, -1);
    widget->SetAutoScaleEnabled(true);
    EXPECT_EQ(widget->PositionMin(), -1);
    EXPECT_EQ(widget->PositionMax(), 9);
    EXPECT_EQ(widget->TickMajorCount(), 7);

    widget->SetAutoScaleStyle(iassFixedMinMax);
    widget->SetPositionMax(std::nan(""));
    EXPECT_EQ(widget->PositionMax(), 9);
    EXPECT_FALSE(std::isnan(widget->AutoScaleLastTick()));
}

TEST_F(ScaleComponent, AnEmptyRangeGetsTwoTicksAndStillPaints) {
    widget->SetAutoScaleEnabled(true);
    widget->SetPositionMax(0);
    EXPECT_EQ(widget->PositionMax(), 0);
    EXPECT_EQ(widget->TickMajorCount(), 2);
    EXPECT_EQ(widget->LabelDecimals(), 0);
    widget->SetPosition(5);
    EXPECT_EQ(widget->Position(), 0);
    Settle();
    // Every tick lands in the middle of the pixel span.
    EXPECT_NE(Platform().Render(*form).Pixel(20 + 15, 20 + 99), clWhite);
}

TEST_F(ScaleComponent, LabelDecimalsCountOverTheComponentsOwnRange) {
    widget->SetPrecisionStyle(ipsSignificantDigits);
    widget->SetTickLabelPrecision(3);
    widget->SetPositionMax(14);
    EXPECT_EQ(widget->LabelDecimals(), 1);
    widget->SetRange(0.5, 0);
    EXPECT_EQ(widget->LabelDecimals(), 3);
    widget->SetPrecisionStyle(ipsFixedDecimalPoints);
    EXPECT_EQ(widget->LabelDecimals(), 3);
}

TEST_F(ScaleComponent, TickLabelHandlersHearFromTheScaleObject) {
    std::vector<int> indexes;
    TObject* sender = nullptr;
    widget->OnCustomizeTickLabel = [&](TObject* s, int index, std::string& text) {
        sender = s;
        indexes.push_back(index);
        text += " A";
    };
    widget->SetTickLabelMargin(6);
    Settle();
    EXPECT_EQ(sender, &widget->Scale());
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(ScaleComponent, AStoredLayoutIsAutoScaledOnceOnTheRangeItHolds) {
    auto& read = ReadBack("object Form1: TForm\n"
                          "  object Scale1: TTestScaleWidget\n"
                          "    PositionMax = 97\n"
                          "    Position = 99\n"
                          "    AutoScaleEnabled = True\n"
                          "    AutoScaleStyle = iassAutoMinMax\n"
                          "  end\n"
                          "end\n");
    EXPECT_EQ(read.PositionMax(), 100);
    EXPECT_EQ(read.TickMajorCount(), 5);
    EXPECT_EQ(read.Position(), 99);
}

TEST_F(ScaleComponent, ScaleSettingsAndAZeroMaximumRoundTripThroughTheLayout) {
    widget->SetRange(0, -14);
    widget->SetTickMajorCount(8);
    widget->SetTickMinorAlignment(itmnaCenter);
    widget->SetTickMajorStyle(ibsLowered);
    widget->SetPrecisionStyle(ipsSignificantDigits);
    widget->SetShowTicksMinor(false);
    widget->TickLabelFont().SetName("Arial");
    widget->SetOrientation(ioHorizontal);
    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_NE(text.find("PositionMax_2 = 0"), std::string::npos) << text;
    EXPECT_NE(text.find("TickMinorAlignment = itmnaCenter"), std::string::npos) << text;
    EXPECT_NE(text.find("TickLabelFont.Name = 'Arial'"), std::string::npos) << text;
    EXPECT_EQ(text.find("TickMajorLength"), std::string::npos) << text;

    auto& read = ReadBack(text);
    EXPECT_EQ(read.PositionMax(), 0);
    EXPECT_EQ(read.PositionMin(), -14);
    EXPECT_EQ(read.TickMajorCount(), 8);
    EXPECT_EQ(read.TickMajorStyle(), ibsLowered);
    EXPECT_FALSE(read.ShowTicksMinor());
    EXPECT_EQ(read.TickLabelFont().Name(), "Arial");
    EXPECT_EQ(TLayoutWriter::Write(*read.Owner()), text);
}

TEST_F(ScaleComponent, TheAbstractBasesDescribeTheirPropertiesButCannotBeCreated) {
    const TClassInfo* position = TClassRegistry::Instance().FindByName("TiPositionComponent");
    const TClassInfo* scale = TClassRegistry::Instance().FindByName("TiScaleComponent");
    ASSERT_TRUE(position && scale);
    EXPECT_FALSE(position->CanCreate());
    EXPECT_FALSE(scale->CanCreate());
    EXPECT_TRUE(scale->FindProperty("PositionMax"));
    EXPECT_TRUE(scale->FindDefined("PositionMax_2"));
}
