#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "../../gui/framework/FrameworkFixture.h"
#include "BenchGauges.h"
#include "gui/controls/ControlClasses.h"
#include "gui/framework/Form.h"
#include "gui/framework/FormCompositor.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/core/Numeric.h"
#include "widgets/scale/ScaleClasses.h"
#include "widgets/scale/iAngularGauge.h"
#include "widgets/scale/iGaugePointer.h"

namespace {

// Whether the cached picture waits to be drawn anew.
struct TBackGroundProbe : TiAngularGauge {
    static bool Changed(TiAngularGauge& gauge) {
        return (gauge.*(&TBackGroundProbe::BackGroundChanged))();
    }
};

class AngularGauge : public FrameworkFixture {
protected:
    AngularGauge() {
        TControlClasses::RegisterAll();
        TScaleClasses::RegisterAll();
        form = App().CreateForm<TForm>();
        form->SetName("Form1");
        form->SetBounds(0, 0, 700, 320);
        form->SetColor(clWhite);
        gauge = new TiAngularGauge(form);
        gauge->SetName("Gauge1");
        gauge->SetParent(form);
        gauge->SetBounds(10, 10, 150, 150);
        form->Show();
        Settle();
    }

    void Settle() { Platform().AdvanceBy(20); }
    TColor At(int x, int y) { return Platform().Render(*form).Pixel(x, y); }
    // A point of the gauge's surface on the screen.
    TPoint OnScreen(TPoint p) const {
        return THeadlessPlatform::ClientToScreen(*form, {gauge->Left() + p.X, gauge->Top() + p.Y});
    }
    // A pixel of the form at a point of the gauge's own surface.
    TColor OnGauge(TForm& owner, const TiAngularGauge& g, TPoint p) {
        return Platform().Render(owner).Pixel(g.Left() + p.X, g.Top() + p.Y);
    }
    TForm& ReadForm(const std::string& text) {
        TForm* copy = App().CreateForm<TForm>();
        TLayoutReader::Read(text, *copy, handlers);
        copy->Show();
        Settle();
        return *copy;
    }
    static TiAngularGauge& Gauge(TForm& owner, const char* name) {
        return *dynamic_cast<TiAngularGauge*>(owner.FindComponent(name));
    }

    TForm* form = nullptr;
    TiAngularGauge* gauge = nullptr;
    THandlerTable handlers;
};

} // namespace

TEST_F(AngularGauge, DefaultDialPlacesItsLabelsOnAQuarterCircle) {
    EXPECT_EQ(gauge->TickLabelMargin(), 15);
    const std::vector<std::string> texts = {"0", "25", "50", "75", "100"};
    const double angles[] = {180, 157.5, 135, 112.5, 90};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(gauge->TickLabelText(i), texts[i]);
        EXPECT_EQ(gauge->ValueToAngle(gauge->TickValue(i)), angles[i]);
    }
    gauge->SetAutoCenter(false);
    Settle();
    EXPECT_EQ(gauge->Centre(), (TPoint{75, 75}));
    gauge->SetReverseScale(true);
    EXPECT_EQ(gauge->ValueToAngle(0), 90);
    EXPECT_EQ(gauge->ValueToAngle(100), 180);
}

TEST_F(AngularGauge, ValuesBeyondTheRangeSitAtItsEnds) {
    EXPECT_EQ(gauge->ValueToAngle(-50), 180);
    EXPECT_EQ(gauge->ValueToAngle(500), 90);
    gauge->SetArcRangeDegrees(400);
    EXPECT_EQ(gauge->ArcRangeDegrees(), 360);
}

TEST_F(AngularGauge, AutoCenterCentresTheDialsExtentAndKeepsTheOffsets) {
    gauge->SetAutoCenter(false);
    gauge->SetOffsetX(3);
    gauge->SetOffsetY(-4);
    Settle();
    EXPECT_EQ(gauge->Centre(), (TPoint{78, 71}));
    gauge->SetAutoCenter(true);
    Settle();
    const TPoint centred = gauge->Centre();
    // The quarter dial opens up and to the left, so its centre moves right and down.
    EXPECT_GT(centred.X, 78);
    EXPECT_GT(centred.Y, 71);
    gauge->SetOffsetX(0);
    gauge->SetOffsetY(0);
    Settle();
    EXPECT_EQ(gauge->Centre(), (TPoint{centred.X - 3, centred.Y + 4}));
}

TEST_F(AngularGauge, PositionIsPointerZeroClampedAndNeverANumberItCannotShow) {
    std::vector<std::string> events;
    gauge->OnPositionChange = [&](TObject*) { events.push_back("change"); };
    gauge->OnPositionOverLimit = [&](TObject*, int i) {
        events.push_back("over" + std::to_string(i));
    };
    TiLimitObject limit;
    limit.UpperValue = 120;
    limit.LowerValue = -10;
    gauge->AddLimit(limit);

    gauge->SetPosition(150);
    EXPECT_EQ(gauge->Pointer(0).Position(), 100);
    // The limit judges the value asked for.
    EXPECT_EQ(events, (std::vector<std::string>{"over0", "change"}));
    events.clear();
    gauge->SetPosition(150);
    EXPECT_TRUE(events.empty());

    gauge->SetPosition(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(gauge->Position(), 100);
    gauge->SetPosition(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(gauge->Position(), 0);
    gauge->SetPosition(std::numeric_limits<double>::infinity());
    EXPECT_EQ(gauge->Position(), 100);
    EXPECT_EQ(gauge->CurrentMax(), 100);
}

TEST_F(AngularGauge, ExtraPointersMoveWithoutClampingAndTheRangeBringsThemBack) {
    const int second = gauge->AddPointer();
    gauge->SetPointerPosition(second, 130);
    EXPECT_EQ(gauge->Pointer(second).Position(), 130);
    EXPECT_EQ(gauge->Position(), 0);
    // The extremes stay within the range.
    EXPECT_EQ(gauge->CurrentMax(), 100);
    gauge->SetPositionMax(80);
    EXPECT_EQ(gauge->Pointer(second).Position(), 80);
    gauge->DeletePointer(0);
    EXPECT_EQ(gauge->PointerCount(), 2);
    gauge->DeletePointer(second);
    EXPECT_EQ(gauge->PointerCount(), 1);
}

TEST_F(AngularGauge, SectionsRunFromTheMinimumToTheMaximum) {
    gauge->SetSectionCount(9);
    EXPECT_EQ(gauge->SectionCount(), 5);
    gauge->SetSectionCount(-1);
    EXPECT_EQ(gauge->SectionCount(), 0);
    EXPECT_TRUE(gauge->Sections().empty());

    gauge->SetSectionCount(3);
    const std::vector<TGaugeSection> three = gauge->Sections();
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].Start, 0);
    EXPECT_EQ(three[0].End, 50);
    EXPECT_EQ(three[1].End, 75);
    EXPECT_EQ(three[2].Start, 75);
    EXPECT_EQ(three[2].End, 100);
    EXPECT_EQ(three[2].Color, clRed);

    gauge->SetSectionCount(2);
    gauge->SetSectionEnd1(120);
    const std::vector<TGaugeSection> clamped = gauge->Sections();
    ASSERT_EQ(clamped.size(), 1u);
    EXPECT_EQ(clamped[0].End, 100);

    // An end below its start closes the sequence at the maximum.
    gauge->SetSectionCount(4);
    gauge->SetSectionEnd1(60);
    gauge->SetSectionEnd2(30);
    const std::vector<TGaugeSection> backwards = gauge->Sections();
    ASSERT_EQ(backwards.size(), 2u);
    EXPECT_EQ(backwards[1].Start, 60);
    EXPECT_EQ(backwards[1].End, 100);
}

TEST_F(AngularGauge, SectionBandFillsTheTickRingBetweenTheArcs) {
    gauge->SetAutoCenter(false);
    gauge->SetShowTicksMajor(false);
    gauge->SetShowTicksMinor(false);
    gauge->SetShowTickLabels(false);
    gauge->SetShowInnerArcRadius(true);
    gauge->SetSectionCount(1);
    gauge->SetSectionColor1(clRed);
    gauge->SetPointerColor(clBlue);
    Settle();
    const TPoint c = gauge->Centre();
    // Arc at 65, band 66 .. 72 at 135 degrees (clear of the needle at 180).
    EXPECT_EQ(OnGauge(*form, *gauge, PolarPoint(c, 65, 135)), clBlack);
    EXPECT_EQ(OnGauge(*form, *gauge, PolarPoint(c, 69, 135)), clRed);
    EXPECT_EQ(OnGauge(*form, *gauge, PolarPoint(c, 60, 135)), ColorToRGB(clBtnFace));
    EXPECT_EQ(OnGauge(*form, *gauge, PolarPoint(c, 76, 135)), ColorToRGB(clBtnFace));
}

TEST_F(AngularGauge, APositionChangeRepaintsOverTheCachedBackground) {
    int labelCalls = 0;
    gauge->OnCustomizeTickLabel = [&](TObject* sender, int, std::string&) {
        EXPECT_EQ(sender, gauge);
        ++labelCalls;
    };
    gauge->SetTickMajorColor(clRed);
    Settle();
    EXPECT_GT(labelCalls, 0);
    EXPECT_FALSE(TBackGroundProbe::Changed(*gauge));
    labelCalls = 0;
    gauge->SetPosition(40);
    EXPECT_FALSE(TBackGroundProbe::Changed(*gauge));
    Settle();
    EXPECT_EQ(labelCalls, 0);
    gauge->SetLabel1Text("V");
    EXPECT_TRUE(TBackGroundProbe::Changed(*gauge));
}

TEST_F(AngularGauge, WithoutTheCacheThePictureIsTheSame) {
    gauge->SetSectionCount(3);
    gauge->SetShowLabel1(true);
    gauge->SetLabel1Text("V");
    gauge->SetPosition(66);
    Settle();
    TBitmap cached;
    cached = Platform().Render(*form);
    gauge->SetCachedDrawing(false);
    Settle();
    const TBitmap& direct = Platform().Render(*form);
    int different = 0;
    for (int y = 0; y < cached.Height(); ++y)
        for (int x = 0; x < cached.Width(); ++x)
            different += cached.Pixel(x, y) != direct.Pixel(x, y);
    EXPECT_EQ(different, 0);
}

TEST_F(AngularGauge, PanelFaceCoversTheWidgetWithoutRegardToTheCentre) {
    gauge->SetPanelFaceStyle(ipfsStandard);
    gauge->SetShowTickLabels(false);
    gauge->SetOffsetX(30);
    Settle();
    EXPECT_EQ(OnGauge(*form, *gauge, {0, 0}), ColorToRGB(clBtnFace));
    EXPECT_EQ(OnGauge(*form, *gauge, {75, 0}), clWhite);
    EXPECT_EQ(OnGauge(*form, *gauge, {75, 8}), clBlack);
    EXPECT_EQ(OnGauge(*form, *gauge, {75, 16}), clWhite);
    EXPECT_EQ(OnGauge(*form, *gauge, {75, 140}), clBlack);
}

TEST_F(AngularGauge, JustifiedLabelsBeyondOneTurnLieAsWithinIt) {
    gauge->SetTickLabelAlignment(ilaJustified);
    gauge->SetAutoCenter(false);
    TBitmap scratch(8, 8);
    TCanvas& canvas = scratch.Canvas();
    std::vector<TRect> within;
    for (int i = 0; i < 5; ++i)
        within.push_back(gauge->TickLabelRect(canvas, i, {75, 75}));
    for (int start : {540, -180}) {
        gauge->SetArcStartDegrees(start);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(gauge->TickLabelRect(canvas, i, {75, 75}), within[i]) << start << " " << i;
    }
}

TEST_F(AngularGauge, AutoSizeFitsTheLabelsAndNeverTurnsTheDialInsideOut) {
    gauge->SetAutoSize(true);
    gauge->SetOuterMargin(5);
    gauge->SetHubSize(14);
    Settle();
    const int fitted = gauge->ArcRadius();
    EXPECT_GT(fitted, 60);
    // The labels keep their room; the arc takes all the widget grows by.
    gauge->SetBounds(10, 10, 173, 173);
    Settle();
    EXPECT_EQ(gauge->ArcRadius(), fitted + 23);

    int paints = 0;
    gauge->OnPaint = [&](TObject*, TCanvas&) { ++paints; };
    gauge->SetBounds(10, 10, 30, 30);
    gauge->TickLabelFont().SetHeight(-30);
    Settle();
    EXPECT_EQ(gauge->ArcRadius(), 0);
    EXPECT_EQ(paints, 1);
}

TEST_F(AngularGauge, EqualRangeBoundsDrawEverythingAtTheStart) {
    gauge->SetRange(10, 10);
    gauge->SetPosition(10);
    EXPECT_EQ(gauge->ValueToAngle(10), 180);
    EXPECT_EQ(gauge->ValueToAngle(11), 90);
    Settle();
    EXPECT_EQ(gauge->TickLabelText(0), "10");
    EXPECT_EQ(gauge->TickLabelText(4), "10");
}

TEST_F(AngularGauge, DraggingTheMaxPointerFollowsTheSweptAngle) {
    gauge->SetShowMaxPointer(true);
    gauge->SetMinMaxUserCanMove(true);
    gauge->SetPosition(50);
    gauge->SetPosition(0);
    Settle();
    ASSERT_EQ(gauge->CurrentMax(), 50);
    const TPoint c = gauge->Centre();
    const TRect hit = gauge->MaxPointerRect();
    const TPoint grab{(hit.Left + hit.Right) / 2, (hit.Top + hit.Bottom) / 2};
    const double start = RadToDeg(ArcTan2(grab.Y - c.Y, grab.X - c.X));
    const TPoint to = PolarPoint(c, 40, -(start + 9));
    Platform().MouseMove(OnScreen(grab));
    Platform().MouseDown(OnScreen(grab));
    Platform().MouseMove(OnScreen(to));
    Platform().MouseUp(OnScreen(to));
    // Nine degrees clockwise over a quarter circle of 0 .. 100, give or take the pixel grid.
    EXPECT_NEAR(gauge->CurrentMax(), 60, 1.5);

    // After the release the mouse moves nothing.
    const double after = gauge->CurrentMax();
    Platform().MouseMove(OnScreen({c.X - 40, c.Y}));
    EXPECT_EQ(gauge->CurrentMax(), after);
}

TEST_F(AngularGauge, DraggingTheMinPointerPushesTheMaximumAlong) {
    gauge->SetShowMinPointer(true);
    gauge->SetShowMaxPointer(true);
    gauge->SetMinMaxUserCanMove(true);
    gauge->SetMinMaxFixed(true);
    gauge->SetCurrentMin(20);
    gauge->SetCurrentMax(30);
    Settle();
    const TPoint c = gauge->Centre();
    const TRect hit = gauge->MinPointerRect();
    const TPoint grab{(hit.Left + hit.Right) / 2, (hit.Top + hit.Bottom) / 2};
    Platform().MouseDown(OnScreen(grab));
    Platform().MouseMove(OnScreen(PolarPoint(c, 40, 90)));
    Platform().MouseUp(OnScreen(PolarPoint(c, 40, 90)));
    EXPECT_NEAR(gauge->CurrentMin(), 100, 1.5);
    EXPECT_EQ(gauge->CurrentMax(), gauge->CurrentMin());
}

TEST_F(AngularGauge, NoDragOverAnEmptyArcNorWithoutPermission) {
    gauge->SetShowMaxPointer(true);
    gauge->SetArcRangeDegrees(0);
    gauge->SetPosition(50);
    for (bool canMove : {true, false}) {
        gauge->SetMinMaxUserCanMove(canMove);
        gauge->SetArcRangeDegrees(canMove ? 0 : 90);
        Settle();
        const TRect hit = gauge->MaxPointerRect();
        const TPoint grab{(hit.Left + hit.Right) / 2, (hit.Top + hit.Bottom) / 2};
        Platform().MouseDown(OnScreen(grab));
        Platform().MouseMove(OnScreen({grab.X + 20, grab.Y - 30}));
        Platform().MouseUp(OnScreen({grab.X + 20, grab.Y - 30}));
        EXPECT_EQ(gauge->CurrentMax(), 50) << canMove;
    }
}

TEST_F(AngularGauge, PointerCollectionRoundTripsThroughTheLayout) {
    gauge->SetPosition(25);
    gauge->SetPointerColor(clRed);
    const int second = gauge->AddPointer();
    gauge->Pointer(second).SetStyle(iagpsArrow);
    gauge->Pointer(second).SetSize(6);
    gauge->Pointer(second).SetMargin(4);
    gauge->Pointer(second).SetColor(clBlue);
    gauge->SetPointerPosition(second, 80);
    gauge->SetSectionEnd1(0);
    gauge->SetLabel2OffsetY(-25);
    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_NE(text.find("Pointers = <"), std::string::npos);
    EXPECT_NE(text.find("Label2OffsetY = -25"), std::string::npos);

    TiAngularGauge& copy = Gauge(ReadForm(text), "Gauge1");
    ASSERT_EQ(copy.PointerCount(), 2);
    EXPECT_EQ(copy.Position(), 25);
    EXPECT_EQ(copy.PointerColor(), clRed);
    const TiGaugePointer& read = copy.Pointer(1);
    EXPECT_EQ(read.Style(), iagpsArrow);
    EXPECT_EQ(read.Size(), 6);
    EXPECT_EQ(read.Margin(), 4);
    EXPECT_EQ(read.Color(), clBlue);
    EXPECT_EQ(read.Position(), 80);
    EXPECT_EQ(copy.SectionEnd1(), 0);
    EXPECT_EQ(copy.Label2OffsetY(), -25);
}

TEST_F(AngularGauge, TheSecondLabelsInitialOffsetIsNotWrittenAndReadsBack) {
    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_EQ(text.find("Label2OffsetY"), std::string::npos);
    EXPECT_EQ(Gauge(ReadForm(text), "Gauge1").Label2OffsetY(), -20);
}

TEST_F(AngularGauge, AnEmptyStoredPointerCollectionStillLeavesPointerZero) {
    const std::string text = "object Form1: TForm\n"
                             "  object Gauge1: TiAngularGauge\n"
                             "    Position = 30\n"
                             "    Pointers = <>\n"
                             "  end\n"
                             "end\n";
    TiAngularGauge& copy = Gauge(ReadForm(text), "Gauge1");
    ASSERT_EQ(copy.PointerCount(), 1);
    EXPECT_EQ(copy.Position(), 0);
    copy.SetPosition(42);
    EXPECT_EQ(copy.Position(), 42);
}

TEST_F(AngularGauge, StoredPointerStylesWithoutANameDrawNothingAndStillRoundTrip) {
    gauge->Pointer(0).SetStyle(9);
    EXPECT_EQ(gauge->PointerStyle(), iagpsTriangle);
    const std::string text = TLayoutWriter::Write(*form);
    TiAngularGauge& copy = Gauge(ReadForm(text), "Gauge1");
    EXPECT_EQ(copy.Pointer(0).Style(), 9);
}

class BenchGauges : public AngularGauge {
protected:
    BenchGauges() : bench(ReadForm(BenchGaugesLayout())) {
        form->Hide();
        Settle();
    }

    // Needle pixels halfway out along the pointer's angle, the face along the other angles.
    void ExpectNeedleAt(TiAngularGauge& g, double degrees, TColor face) {
        const TPoint c = g.Centre();
        const int half = g.ArcRadius() / 2;
        for (double angle : {180.0, 135.0, 90.0})
            EXPECT_EQ(OnGauge(bench, g, PolarPoint(c, half, angle)),
                      angle == degrees ? clBlack : face)
                << g.Name() << " needle at " << degrees << ", looking at " << angle;
    }

    TForm& bench;
};

TEST_F(BenchGauges, StoredPropertiesOfTheThreeDials) {
    TiAngularGauge& mains = Gauge(bench, "iAngularGauge1");
    EXPECT_EQ(mains.PositionMax(), 240);
    EXPECT_EQ(mains.PanelFaceStyle(), ipfsStandard);
    EXPECT_EQ(mains.PanelFaceSize(), 2);
    EXPECT_TRUE(mains.Transparent());
    EXPECT_EQ(mains.Label1Text(), "V");
    EXPECT_EQ(mains.Label1Font().Name(), "Sylfaen");
    EXPECT_EQ(mains.TickLabelText(4), "240");
    EXPECT_EQ(mains.PointerCount(), 1);
    EXPECT_EQ(mains.PointerStyle(), iagpsTriangle);

    TiAngularGauge& ammeter = Gauge(bench, "iAngularGauge2");
    EXPECT_EQ(ammeter.PositionMax(), 200);
    EXPECT_EQ(ammeter.ArcRadius(), 120);
    EXPECT_TRUE(ammeter.ShowInnerArcRadius());
    EXPECT_EQ(ammeter.Label2Text(), "mA");
    EXPECT_EQ(ammeter.Label2OffsetX(), -40);
    EXPECT_EQ(ammeter.BorderStyle(), ibsLowered);
    EXPECT_EQ(ammeter.SectionEnd2(), 75);

    TiAngularGauge& voltmeter = Gauge(bench, "iAngularGauge3");
    EXPECT_EQ(voltmeter.PositionMax(), 14);
    EXPECT_EQ(voltmeter.TickMajorCount(), 15);
    EXPECT_TRUE(voltmeter.AutoSize());
    EXPECT_EQ(voltmeter.TickLabelText(7), "7");

    // What was read writes back as it was stored.
    const std::string written = TLayoutWriter::Write(bench);
    EXPECT_EQ(TLayoutWriter::Write(ReadForm(written)), written);
}

TEST_F(BenchGauges, NeedlePointsAtZeroHalfAndFullScale) {
    struct Dial {
        const char* name;
        double max;
        TColor face;
    };
    const Dial dials[] = {{"iAngularGauge1", 240, clWhite},
                          {"iAngularGauge2", 200, ColorToRGB(clBtnFace)},
                          {"iAngularGauge3", 14, ColorToRGB(clBtnFace)}};
    for (const Dial& dial : dials) {
        TiAngularGauge& g = Gauge(bench, dial.name);
        const double scale[][2] = {{0, 180}, {0.5, 135}, {1, 90}};
        for (const auto& [fraction, degrees] : scale) {
            g.SetPosition(dial.max * fraction);
            Settle();
            ExpectNeedleAt(g, degrees, dial.face);
        }
    }
}

namespace {

// Two alike gauges take the same changes; the second is always repainted and recomposed whole.
// Whatever the first restores and recomposes in part must give the same pixels.
class PartialRepaint : public AngularGauge {
protected:
    PartialRepaint() {
        whole = new TiAngularGauge(form);
        whole->SetParent(form);
        whole->SetBounds(200, 10, 150, 150);
        Settle();
    }

    template <class Change> void Apply(Change change) {
        change(*gauge);
        change(*whole);
        whole->Invalidate();
    }

    int DifferentPixels() {
        const TBitmap& shown = Platform().Render(*form);
        int different = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 150; ++x)
                different += shown.Pixel(10 + x, 10 + y) != shown.Pixel(200 + x, 10 + y);
        return different;
    }

    TiAngularGauge* whole = nullptr;
};

} // namespace

TEST_F(PartialRepaint, MovingPartsRecomposedInPartMatchAWholeRepaint) {
    unsigned seed = 7;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(range));
    };
    for (int step = 0; step < 300; ++step) {
        const int kind = next(12);
        const int value = next(101);
        Apply([&](TiAngularGauge& g) {
            switch (kind) {
            case 0:
                g.SetPointerStyle(static_cast<TiAngularGaugePointerStyle>(value % 4));
                break;
            case 1:
                g.SetPointerSize(2 + value % 15);
                break;
            case 2:
                g.SetShowMaxPointer(value % 2 == 0);
                g.SetShowMinPointer(value % 3 == 0);
                break;
            case 3:
                g.SetShowHub(value % 4 != 0);
                g.SetHubSize(4 + value % 40);
                break;
            case 4:
                g.SetPointerColor(value % 2 ? clRed : clNavy);
                break;
            case 5:
                if (g.PointerCount() < 3)
                    g.SetPointerPosition(g.AddPointer(), value);
                else
                    g.DeletePointer(1);
                break;
            case 6:
                g.SetBackGroundColor(value % 2 ? clSilver : clBtnFace);
                break;
            case 7:
                g.SetMinMaxPointerStyle(static_cast<TiAngularGaugePointerStyle>(value % 4));
                break;
            default:
                g.SetPosition(value);
                break;
            }
        });
        if (next(3) != 0)
            Settle();
        ASSERT_EQ(DifferentPixels(), 0) << "step " << step << ", change " << kind;
    }
}

TEST_F(PartialRepaint, AMoveOfTheNeedleAloneRecomposesLessThanTheWidget) {
    gauge->SetPosition(10);
    Settle();
    gauge->SetPosition(12);
    const std::vector<TRect> areas = form->Compositor().Compose();
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_LT(areas[0].Width() * areas[0].Height(), 150 * 150 / 2);
    EXPECT_TRUE(areas[0].Intersect(gauge->BoundsRect()) == areas[0]);
}

// The bands and arcs are kept worked out between paints; each change of their geometry must
// give what a gauge painted with the new value from the start shows.
TEST_F(AngularGauge, KeptBandsFollowEveryChangeOfTheirGeometry) {
    using TChange = void (*)(TiAngularGauge&);
    const TChange changes[] = {
        [](TiAngularGauge& g) { g.SetSectionCount(3); },
        [](TiAngularGauge& g) { g.SetShowInnerArcRadius(true); },
        [](TiAngularGauge& g) { g.SetSectionEnd1(30); },
        [](TiAngularGauge& g) { g.SetArcRadius(50); },
        [](TiAngularGauge& g) { g.SetPositionMax(150); },
        [](TiAngularGauge& g) { g.SetArcStartDegrees(200); },
        [](TiAngularGauge& g) { g.SetArcRangeDegrees(240); },
        [](TiAngularGauge& g) { g.SetOffsetX(7); },
        [](TiAngularGauge& g) { g.SetTickMajorLength(12); },
    };
    for (std::size_t done = 0; done < std::size(changes); ++done) {
        changes[done](*gauge);
        Settle();
        auto* fresh = new TiAngularGauge(form);
        fresh->SetParent(form);
        fresh->SetBounds(200, 10, 150, 150);
        for (std::size_t i = 0; i <= done; ++i)
            changes[i](*fresh);
        Settle();
        const TBitmap& shown = Platform().Render(*form);
        int different = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 150; ++x)
                different += shown.Pixel(10 + x, 10 + y) != shown.Pixel(200 + x, 10 + y);
        EXPECT_EQ(different, 0) << "after change " << done;
        delete fresh;
    }
}
