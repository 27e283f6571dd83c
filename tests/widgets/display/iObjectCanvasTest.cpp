#include "widgets/display/iObjectCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DisplayFixture.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/LayoutWriter.h"
#include "support/PixelProbe.h"
#include "support/StoredImageList.h"

namespace {

constexpr TPoint Place{20, 20};

TPoint Centre(const TRect& r) {
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

} // namespace

// The canvas of the characteristic plot: 233 x 153, both ranges 240, lime pens, vertically
// hatched black brushes and "Sylfaen" 12 for new objects.
class ObjectCanvasTest : public DisplayFixture {
protected:
    ObjectCanvasTest() {
        canvas = new TiObjectCanvas(form);
        canvas->SetName("iObjectCanvas1");
        canvas->SetParent(form);
        canvas->SetBounds(Place.X, Place.Y, 233, 153);
        canvas->SetDisplayRangeX(240);
        canvas->SetDisplayRangeY(240);
        canvas->SetDefaultBrushStyle(bsVertical);
        canvas->SetDefaultPenColor(clLime);
        canvas->SetDefaultFontName("Sylfaen");
        canvas->SetDefaultFontSize(12);
        canvas->OnClickObject = [this](TObject*, int handle) { clicked.push_back(handle); };
        Settle();
    }

    // A pixel of the canvas, in its own coordinates.
    TColor Shown(int x, int y) { return At(Place.X + x, Place.Y + y); }
    void ClickAt(int x, int y) { Platform().Click({Place.X + x, Place.Y + y}); }
    // Where one colour shows inside the canvas's frame, in canvas coordinates.
    TRect InkOf(TColor colour) {
        Settle();
        TBitmap shot(canvas->Width(), canvas->Height());
        shot.Fill(clWhite);
        for (int y = 2; y < shot.Height() - 2; ++y)
            for (int x = 2; x < shot.Width() - 2; ++x)
                shot.SetPixel(x, y, Shown(x, y) == colour ? clBlack : clWhite);
        return InkBounds(shot);
    }
    const TRect& BoundsOf(int number) { return canvas->GetObject(number).Bounds; }

    // What the bench draws once at start-up: the axes and their letters.
    void DrawAxes() {
        canvas->Clear();
        canvas->AddLine(-92, -100, -92, 90);
        canvas->AddLine(-102, -90, 92, -90);
        canvas->AddText("U", -96, 105);
        canvas->AddText("I", 97, -75);
        canvas->AddText("0", -99, -100);
        canvas->SetDefaultFontSize(6);
        canvas->AddText("H", -87, 100);
        canvas->AddText("H", 104, -80);
        Settle();
    }

    TiObjectCanvas* canvas = nullptr;
    std::vector<int> clicked;
};

using ObjectCanvasPlacement = ObjectCanvasTest;

TEST_F(ObjectCanvasPlacement, TheCharacteristicAxesLandOnTheirPixels) {
    DrawAxes();
    ASSERT_EQ(canvas->ObjectCount(), 7);
    EXPECT_EQ(BoundsOf(0), (TRect{28, 140, 28, 20}));
    EXPECT_EQ(BoundsOf(1), (TRect{18, 133, 205, 133}));
    EXPECT_EQ(Centre(BoundsOf(2)), (TPoint{24, 10}));
    EXPECT_EQ(Centre(BoundsOf(3)), (TPoint{210, 124}));
    EXPECT_EQ(Centre(BoundsOf(4)), (TPoint{21, 140}));
    EXPECT_EQ(Centre(BoundsOf(5)), (TPoint{33, 13}));
    EXPECT_EQ(Centre(BoundsOf(6)), (TPoint{217, 127}));

    // The axes as drawn, each without its end point.
    for (int y : {21, 60, 100, 128})
        EXPECT_EQ(Shown(28, y), clLime) << y;
    EXPECT_NE(Shown(28, 20), clLime);
    for (int x : {40, 100, 204})
        EXPECT_EQ(Shown(x, 133), clLime) << x;
    EXPECT_NE(Shown(205, 133), clLime);
    EXPECT_NE(Shown(29, 60), clLime);
    EXPECT_NE(Shown(100, 134), clLime);
}

TEST_F(ObjectCanvasPlacement, SubscriptsAreSmallerThanTheLettersAndEveryLetterShows) {
    DrawAxes();
    EXPECT_LT(BoundsOf(5).Height(), BoundsOf(2).Height());
    EXPECT_LT(BoundsOf(6).Height(), BoundsOf(3).Height());
    // Grey-to-white glyph pixels on the black ground, apart from the axes.
    for (int i = 2; i <= 6; ++i) {
        const TRect cell = BoundsOf(i);
        int ink = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x)
                ink += Shown(x, y) != clBlack && Shown(x, y) != clLime ? 1 : 0;
        EXPECT_GT(ink, 4) << i;
    }
}

TEST_F(ObjectCanvasPlacement, RoundingAddsAHalfAndCutsTowardZero) {
    // 233 / 240 pixels per unit across: x = 1.5 lies 1.456 pixels right, x = -2.5 2.427 left.
    // One pixel per unit up: y = 2.5 lies 2.5 pixels up, y = -2.7 2.7 down.
    canvas->SetDisplayRangeY(153);
    canvas->AddLine(1.5, 2.5, -2.5, -2.7);
    Settle();
    EXPECT_EQ(BoundsOf(0), (TRect{116 + 1, 76 - 2, 116 - 1, 76 + 3}));
}

TEST_F(ObjectCanvasPlacement, OriginAndRangesMoveAndScaleEverything) {
    canvas->AddRectangle(10, 10, 20, 20);
    canvas->SetOriginX(10);
    canvas->SetOriginY(10);
    canvas->SetDisplayRangeX(233);
    canvas->SetDisplayRangeY(153);
    Settle();
    // Ten pixels to the left and up are -9.5 before rounding, so -9.
    EXPECT_EQ(BoundsOf(0), (TRect{107, 67, 126, 86}));
}

TEST_F(ObjectCanvasPlacement, PixelsReadBackInUserCoordinatesWithYUp) {
    EXPECT_EQ(canvas->PixelToUser(0, 0).X, -120);
    EXPECT_EQ(canvas->PixelToUser(0, 0).Y, 120);
    EXPECT_DOUBLE_EQ(canvas->PixelToUser(233, 153).X, 120);
    EXPECT_DOUBLE_EQ(canvas->PixelToUser(233, 153).Y, -120);
    canvas->SetOriginX(5);
    EXPECT_DOUBLE_EQ(canvas->PixelToUser(116, 0).X, 116.0 / 233 * 240 + 5 - 120);
}

using ObjectCanvasKinds = ObjectCanvasTest;

TEST_F(ObjectCanvasKinds, ShapesFillWithTheBrushAndOutlineWithThePen) {
    canvas->SetDefaultBrushStyle(bsSolid);
    canvas->SetDefaultBrushColor(clRed);
    canvas->AddRectangle(-60, 0, 40, 40);
    canvas->SetDefaultBrushColor(clBlue);
    canvas->AddEllipse(60, 0, 40, 40);
    Settle();
    const TRect box = BoundsOf(0);
    EXPECT_EQ(Shown(box.Left, box.Top), clLime);
    EXPECT_EQ(Shown(box.Left + 5, box.Top + 5), clRed);
    const TRect oval = BoundsOf(1);
    EXPECT_EQ(Shown(Centre(oval).X, Centre(oval).Y), clBlue);
    EXPECT_EQ(Shown(oval.Left + 1, oval.Top + 1), clBlack);
    EXPECT_EQ(Shown(oval.Left, Centre(oval).Y), clLime);
}

TEST_F(ObjectCanvasKinds, TinyShapesStillCoverTwoPixels) {
    canvas->AddEllipse(0, 0, 0, 0);
    Settle();
    EXPECT_EQ(BoundsOf(0), (TRect{116, 76, 118, 78}));
}

TEST_F(ObjectCanvasKinds, AShapeShowsItsLabelAndTakesClicksAllOverItself) {
    canvas->SetDefaultBrushStyle(bsClear);
    const int oval = canvas->AddEllipse(0, 0, 100, 100);
    canvas->GetObject(oval).Text = "A";
    canvas->AddText("A", 0, 0);
    canvas->Invalidate();
    Settle();
    EXPECT_EQ(InkOf(clWhite), BoundsOf(1).Intersect(InkOf(clWhite)));
    EXPECT_GT(BoundsOf(0).Width(), 90);
    ClickAt(Centre(BoundsOf(0)).X + 30, Centre(BoundsOf(0)).Y);
    EXPECT_EQ(clicked, (std::vector<int>{oval}));
}

TEST_F(ObjectCanvasKinds, HatchedTextCellsKeepTheGapsOfTheHatch) {
    canvas->SetDefaultBrushColor(clRed);
    canvas->AddText("MMMM", 0, 0);
    canvas->SetDefaultBrushStyle(bsSolid);
    canvas->AddText("MMMM", 0, 50);
    Settle();
    const TRect hatched = BoundsOf(0);
    const TRect solid = BoundsOf(1);
    int hatchedRed = 0;
    int solidRed = 0;
    for (int x = hatched.Left; x < hatched.Right; ++x) {
        hatchedRed += Shown(x, hatched.Top) == clRed ? 1 : 0;
        solidRed += Shown(x, solid.Top) == clRed ? 1 : 0;
    }
    EXPECT_GT(hatchedRed, 0);
    EXPECT_LT(hatchedRed, hatched.Width() / 4);
    EXPECT_EQ(solidRed, solid.Width());
}

TEST_F(ObjectCanvasKinds, PicturesComeFromTheCanvasListCentredOnTheirPoint) {
    canvas->SetImageListWidth(10);
    canvas->SetImageListHeight(6);
    AddPictures(canvas->ImageList(), 2, [](int i, int, int) { return i == 0 ? clRed : clAqua; });
    canvas->AddPicture(0, 0, 1);
    canvas->AddPicture(50, 0, 7);
    Settle();
    EXPECT_EQ(BoundsOf(0), (TRect{111, 73, 121, 79}));
    EXPECT_EQ(InkOf(clAqua), (TRect{111, 73, 121, 79}));
    EXPECT_EQ(BoundsOf(1).Width(), 10);
}

TEST_F(ObjectCanvasKinds, HiddenObjectsAreNotDrawn) {
    canvas->AddLine(-50, 0, 50, 0);
    canvas->GetObject(0).Visible = false;
    canvas->Invalidate();
    EXPECT_EQ(InkOf(clLime).Right, -1);
}

using ObjectCanvasDefaults = ObjectCanvasTest;

TEST_F(ObjectCanvasDefaults, NewObjectsTakeTheDefaultsOfTheMomentOnly) {
    const int first = canvas->AddText("x", 0, 0);
    canvas->SetDefaultPenColor(clRed);
    canvas->SetDefaultPenStyle(psDot);
    canvas->SetDefaultPenWidth(3);
    canvas->SetDefaultBrushColor(clBlue);
    canvas->SetDefaultFontName("Arial");
    canvas->SetDefaultFontSize(20);
    canvas->SetDefaultFontColor(clYellow);
    canvas->SetDefaultFontBold(true);
    canvas->SetDefaultFontItalic(true);
    canvas->SetDefaultFontUnderLine(true);
    canvas->SetDefaultFontStrikeOut(true);
    const int second = canvas->AddLine(0, 0, 1, 1);

    const TiDrawObject& a = canvas->GetObject(first);
    EXPECT_TRUE(a.Visible);
    EXPECT_EQ(a.PenColor, clLime);
    EXPECT_EQ(a.BrushStyle, bsVertical);
    EXPECT_EQ(a.FontName, "Sylfaen");
    EXPECT_EQ(a.FontSize, 12);
    EXPECT_EQ(a.FontColor, clWhite);
    EXPECT_EQ(a.FontStyle(), 0);

    const TiDrawObject& b = canvas->GetObject(second);
    EXPECT_EQ(b.PenColor, clRed);
    EXPECT_EQ(b.PenStyle, psDot);
    EXPECT_EQ(b.PenWidth, 3);
    EXPECT_EQ(b.BrushColor, clBlue);
    EXPECT_EQ(b.FontName, "Arial");
    EXPECT_EQ(b.FontSize, 20);
    EXPECT_EQ(b.FontColor, clYellow);
    EXPECT_EQ(b.FontStyle(), 15);
}

TEST_F(ObjectCanvasDefaults, TheSameTextAddedWithASmallerSizeIsSmaller) {
    canvas->AddText("U", 0, 0);
    canvas->SetDefaultFontSize(6);
    canvas->AddText("U", 0, 0);
    Settle();
    EXPECT_LT(BoundsOf(1).Width(), BoundsOf(0).Width());
    EXPECT_LT(BoundsOf(1).Height(), BoundsOf(0).Height());
    EXPECT_EQ(Centre(BoundsOf(1)), Centre(BoundsOf(0)));
}

using ObjectCanvasList = ObjectCanvasTest;

TEST_F(ObjectCanvasList, NumbersCountUpAndStartAgainOnlyAfterClear) {
    EXPECT_EQ(canvas->AddLine(0, 0, 1, 1), 0);
    EXPECT_EQ(canvas->AddText("a", 0, 0), 1);
    EXPECT_EQ(canvas->AddEllipse(0, 0, 1, 1), 2);
    EXPECT_EQ(canvas->AddRectangle(0, 0, 1, 1), 3);
    EXPECT_EQ(canvas->AddPicture(0, 0, 0), 4);
    EXPECT_EQ(canvas->GetObject(3).Kind, idokRectangle);
    canvas->Clear();
    EXPECT_EQ(canvas->ObjectCount(), 0);
    EXPECT_EQ(canvas->AddLine(0, 0, 1, 1), 0);
}

TEST_F(ObjectCanvasList, AMissingNumberIsNotFound) {
    canvas->AddLine(0, 0, 1, 1);
    try {
        canvas->GetObject(1);
        FAIL() << "object 1 does not exist";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Object not Found");
    }
    EXPECT_THROW(canvas->GetObject(-1), Exception);
}

TEST_F(ObjectCanvasList, EveryAddAndClearRepaints) {
    Settle();
    canvas->AddLine(-50, 0, 50, 0);
    EXPECT_NE(InkOf(clLime).Right, -1);
    canvas->Clear();
    EXPECT_EQ(InkOf(clLime).Right, -1);
}

using ObjectCanvasMouse = ObjectCanvasTest;

TEST_F(ObjectCanvasMouse, EventsComeInUserCoordinates) {
    std::vector<std::string> log;
    canvas->OnMouseDownDisplay = [&](TObject*, TMouseButton, TShiftState, double x, double y) {
        log.push_back("down " + std::to_string(x) + " " + std::to_string(y));
    };
    canvas->OnMouseMoveDisplay = [&](TObject*, TShiftState, double x, double y) {
        log.push_back("move " + std::to_string(x) + " " + std::to_string(y));
    };
    canvas->OnMouseUpDisplay = [&](TObject*, TMouseButton, TShiftState, double x, double y) {
        log.push_back("up " + std::to_string(x) + " " + std::to_string(y));
    };
    Platform().MouseMove({Place.X, Place.Y});
    Platform().MouseDown({Place.X, Place.Y});
    Platform().MouseUp({Place.X, Place.Y});
    EXPECT_EQ(
        log, (std::vector<std::string>{"move -120.000000 120.000000", "down -120.000000 120.000000",
                                       "up -120.000000 120.000000"}));
}

TEST_F(ObjectCanvasMouse, AClickOnAnObjectReportsItsNumber) {
    DrawAxes();
    ClickAt(24, 10);
    ClickAt(210, 124);
    EXPECT_EQ(clicked, (std::vector<int>{2, 3}));
}

TEST_F(ObjectCanvasMouse, StraightLinesAndEmptySpaceNeverTakeAClick) {
    DrawAxes();
    ClickAt(28, 60);
    ClickAt(100, 133);
    ClickAt(120, 70);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(ObjectCanvasMouse, TheReleaseMustLandOnThePressedObject) {
    canvas->AddRectangle(0, 0, 40, 40);
    canvas->AddRectangle(0, 0, 20, 20);
    Settle();
    Platform().MouseDown({Place.X + 100, Place.Y + 70});
    Platform().MouseUp({Place.X + 200, Place.Y + 70});
    EXPECT_TRUE(clicked.empty());
    // The first object in the list that holds the pixel is the one pressed.
    ClickAt(116, 76);
    EXPECT_EQ(clicked, (std::vector<int>{0}));
}

TEST_F(ObjectCanvasMouse, ClearingDuringAPressLosesTheClickButNotTheNextOne) {
    canvas->AddRectangle(0, 0, 40, 40);
    Settle();
    Platform().MouseDown({Place.X + 116, Place.Y + 76});
    canvas->Clear();
    Platform().MouseUp({Place.X + 116, Place.Y + 76});
    EXPECT_TRUE(clicked.empty());
    canvas->AddRectangle(0, 0, 40, 40);
    Settle();
    ClickAt(116, 76);
    EXPECT_EQ(clicked, (std::vector<int>{0}));
}

TEST_F(ObjectCanvasMouse, LosingTheFocusEndsAPressWithoutAClick) {
    int ups = 0;
    canvas->OnMouseUpDisplay = [&](TObject*, TMouseButton, TShiftState, double, double) { ++ups; };
    auto* other = new TiObjectCanvas(form);
    other->SetParent(form);
    other->SetBounds(300, 200, 50, 50);
    canvas->AddRectangle(-120, 120, 40, 40);
    Settle();
    // Focus moving elsewhere without a press in progress reports no release.
    ClickAt(116, 76);
    Platform().Click({310, 210});
    EXPECT_EQ(ups, 1);

    // The release the focus loss reports lies on the pressed object, yet it is no click.
    Platform().MouseDown({Place.X + 2, Place.Y + 2});
    other->SetFocus();
    EXPECT_EQ(ups, 2);
    Platform().MouseUp({Place.X + 2, Place.Y + 2});
    EXPECT_TRUE(clicked.empty());
}

using ObjectCanvasFaults = ObjectCanvasTest;

TEST_F(ObjectCanvasFaults, AZeroRangeDrawsNoObjectAndTakesNoClick) {
    canvas->SetDefaultBrushStyle(bsSolid);
    canvas->SetDefaultBrushColor(clRed);
    canvas->AddRectangle(0, 0, 100, 100);
    Settle();
    EXPECT_NE(InkOf(clRed).Right, -1);
    canvas->SetDisplayRangeX(0);
    EXPECT_EQ(InkOf(clRed).Right, -1);
    EXPECT_EQ(InkOf(clLime).Right, -1);
    EXPECT_EQ(Shown(116, 76), clBlack);
    ClickAt(116, 76);
    EXPECT_TRUE(clicked.empty());
    canvas->SetDisplayRangeX(240);
    canvas->SetDisplayRangeY(0);
    EXPECT_EQ(InkOf(clRed).Right, -1);
}

TEST_F(ObjectCanvasFaults, FarAwayCoordinatesKeepTheVisiblePartExact) {
    canvas->SetDefaultBrushStyle(bsClear);
    canvas->AddEllipse(0, 0, 1e300, 1e300);
    canvas->AddLine(-1e12, 0, 1e12, 0);
    canvas->AddLine(0, 0, 1e300, 1e300 / 153 * 233);
    canvas->AddText("far", -1e300, std::numeric_limits<double>::quiet_NaN());
    Settle();
    EXPECT_EQ(Shown(5, 76), clLime);
    EXPECT_EQ(Shown(227, 76), clLime);
    // The diagonal keeps its slope of one pixel up per pixel across.
    EXPECT_EQ(Shown(116 + 40, 76 - 40), clLime);
    canvas->SetOriginX(std::numeric_limits<double>::infinity());
    canvas->SetDisplayRangeY(std::numeric_limits<double>::quiet_NaN());
    Settle();
    ClickAt(116, 76);
}

using ObjectCanvasLayout = ObjectCanvasTest;

TEST_F(ObjectCanvasLayout, TheBenchCanvasReadsAndWritesItsListAndDefaults) {
    const std::vector<std::uint8_t> stored = TStoredList{15, 16, 222, 153}.Stream();
    TForm& read = ReadLayout("object Form1: TForm\n"
                             "  object iObjectCanvas1: TiObjectCanvas\n"
                             "    Left = 784\n    Top = 168\n    Width = 233\n    Height = 153\n"
                             "    DisplayRangeX = 240\n    DisplayRangeY = 240\n"
                             "    DefaultBrushStyle = bsVertical\n"
                             "    DefaultPenColor = clLime\n"
                             "    DefaultFontName = 'Sylfaen'\n"
                             "    DefaultFontSize = 12\n"
                             "    ImageListWidth = 222\n    ImageListHeight = 153\n"
                             "    ImageList = " +
                             Hex(stored) + "\n  end\nend\n");
    auto& copy = dynamic_cast<TiObjectCanvas&>(*read.FindComponent("iObjectCanvas1"));
    EXPECT_EQ(copy.ImageList().Count(), 15);
    EXPECT_EQ(copy.ImageListWidth(), 222);
    EXPECT_EQ(copy.DefaultBrushStyle(), bsVertical);
    EXPECT_EQ(copy.DefaultPenColor(), clLime);
    EXPECT_EQ(copy.BorderStyle(), ibsLowered);
    EXPECT_EQ(copy.BackGroundColor(), clBlack);

    const auto written =
        TLayoutWriter::WriteObjectProperties(copy, TiObjectCanvas::StaticClassInfo());
    ASSERT_EQ(written.back().Path, "ImageList");
    EXPECT_TRUE(written.back().Value.Bytes == stored);
    const std::string text = TLayoutWriter::Write(read);
    EXPECT_EQ(TLayoutWriter::Write(ReadLayout(text)), text);
}

TEST_F(ObjectCanvasLayout, AListThatDoesNotReadFailsTheLayoutAtItsLine) {
    std::vector<std::uint8_t> stored = TStoredList{2, 4, 3, 3}.Stream();
    stored[2] = 0x02;
    EXPECT_EQ(ReadFailure("object Form1: TForm\n  object iObjectCanvas1: TiObjectCanvas\n\n"
                          "    ImageList = " +
                          Hex(stored) + "\n  end\nend\n"),
              "Layout line 4: ImageList: Failed to read ImageList data from stream");
}

TEST_F(ObjectCanvasLayout, APictureSizeIsHeldWithinWhatAListCanStore) {
    canvas->SetImageListWidth(-3);
    EXPECT_EQ(canvas->ImageListWidth(), 0);
    canvas->SetImageListWidth(100000);
    EXPECT_EQ(canvas->ImageListWidth(), TBitmap::MaxSide);
    canvas->SetImageListHeight(100000);
    EXPECT_LE(4LL * canvas->ImageListWidth() * canvas->ImageListHeight(), TBitmap::MaxPixels);
}

// Scripts reach the adds and Clear by name, with arguments as a layout writes them.
TEST_F(ObjectCanvasTest, ScriptsCallTheAddsByNameWithLayoutValues) {
    const TClassInfo& info = TClassRegistry::Instance().Of(*canvas);
    const TMethodInfo* addText = info.FindMethod("addtext");
    ASSERT_NE(addText, nullptr);
    EXPECT_EQ(addText->Arity, 3u);
    EXPECT_EQ(addText->Invoke(*canvas, {TLayoutValue::OfString("U"), TLayoutValue::OfInteger(-96),
                                        TLayoutValue::OfDouble(105.5)}),
              "0");
    EXPECT_EQ(canvas->GetObject(0).Text, "U");
    EXPECT_DOUBLE_EQ(canvas->GetObject(0).Y, 105.5);
    EXPECT_EQ(info.FindMethod("AddPicture")
                  ->Invoke(*canvas, {TLayoutValue::OfInteger(1), TLayoutValue::OfInteger(2),
                                     TLayoutValue::OfInteger(3)}),
              "1");
    EXPECT_EQ(canvas->GetObject(1).PictureIndex, 3);

    // A wrong count or kind of argument changes nothing.
    EXPECT_THROW(addText->Invoke(*canvas, {TLayoutValue::OfString("U")}), Exception);
    EXPECT_THROW(addText->Invoke(*canvas, {TLayoutValue::OfInteger(1), TLayoutValue::OfInteger(2),
                                           TLayoutValue::OfInteger(3)}),
                 Exception);
    EXPECT_THROW(info.FindMethod("AddPicture")
                     ->Invoke(*canvas, {TLayoutValue::OfInteger(0), TLayoutValue::OfInteger(0),
                                        TLayoutValue::OfInteger(1LL << 40)}),
                 Exception);
    EXPECT_EQ(canvas->ObjectCount(), 2);

    EXPECT_EQ(info.FindMethod("Clear")->Invoke(*canvas, {}), "");
    EXPECT_EQ(canvas->ObjectCount(), 0);
    EXPECT_EQ(info.FindMethod("GetObject"), nullptr);
}
