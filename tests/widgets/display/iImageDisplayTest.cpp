#include "widgets/display/iImageDisplay.h"

#include <gtest/gtest.h>

#include "DisplayFixture.h"
#include "gui/streaming/LayoutWriter.h"
#include "support/StoredImageList.h"

namespace {

// Picture i is a flat colour of its own, never white or the button face.
TColor Flat(int picture, int, int) {
    return RGB(static_cast<std::uint8_t>(10 + 15 * picture), 60, 90);
}

// Each pixel of the picture tells where in the picture it lies.
TColor Where(int, int x, int y) {
    return RGB(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7);
}

} // namespace

class ImageDisplayTest : public DisplayFixture {
protected:
    ImageDisplayTest() {
        display = new TiImageDisplay(form);
        display->SetName("iImageDisplay1");
        display->SetParent(form);
        display->SetBounds(10, 10, 73, 73);
        display->ImageList().SetSize(70, 70);
        Settle();
    }

    // A pixel of the widget, in the widget's own coordinates.
    TColor Shown(int x, int y) { return At(10 + x, 10 + y); }

    TiImageDisplay* display = nullptr;
};

using ImageDisplayDrawing = ImageDisplayTest;

TEST_F(ImageDisplayDrawing, CentresThePictureOnTheWholeWidgetWhateverTheMargin) {
    AddPictures(display->ImageList(), 16, Where);
    display->SetBorderMargin(5);
    EXPECT_EQ(display->PictureOrigin(), (TPoint{1, 1}));
    EXPECT_EQ(Shown(1, 1), Where(0, 0, 0));
    EXPECT_EQ(Shown(70, 70), Where(0, 69, 69));
    EXPECT_EQ(Shown(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(Shown(71, 71), ColorToRGB(clBtnFace));
}

TEST_F(ImageDisplayDrawing, ALargerPictureShowsOnlyItsMiddle) {
    display->SetBounds(10, 10, 177, 113);
    display->ImageList().SetSize(222, 149);
    AddPictures(display->ImageList(), 2, Where);
    EXPECT_EQ(display->PictureOrigin(), (TPoint{-23, -18}));
    EXPECT_EQ(Shown(0, 0), Where(0, 23, 18));
    EXPECT_EQ(Shown(176, 112), Where(0, 199, 130));
}

TEST_F(ImageDisplayDrawing, TheFrameLiesOverThePicture) {
    display->SetBounds(10, 10, 60, 60);
    display->SetBorderStyle(ibsLowered);
    AddPictures(display->ImageList(), 1, Flat);
    EXPECT_EQ(Shown(30, 30), Flat(0, 0, 0));
    EXPECT_NE(Shown(0, 30), Flat(0, 0, 0));
    EXPECT_NE(Shown(59, 30), Flat(0, 0, 0));
}

TEST_F(ImageDisplayDrawing, MaskedPixelsLeaveTheBackGroundColour) {
    TBitmap picture(70, 70);
    picture.Fill(clRed);
    picture.SetPixel(10, 10, clLime);
    display->ImageList().AddMasked(picture, clLime);
    display->SetBackGroundColor(clNavy);
    EXPECT_EQ(Shown(11, 11), clNavy);
    EXPECT_EQ(Shown(12, 11), clRed);
}

TEST_F(ImageDisplayDrawing, AnIndexOutsideTheListOrAnEmptyListShowsOnlyTheBackground) {
    display->SetBackGroundColor(clYellow);
    display->SetBorderStyle(ibsRaised);
    EXPECT_EQ(Shown(36, 36), clYellow);

    AddPictures(display->ImageList(), 16, Flat);
    display->SetImageIndex(15);
    EXPECT_EQ(Shown(36, 36), Flat(15, 0, 0));
    display->SetImageIndex(16);
    EXPECT_EQ(display->ImageIndex(), 16);
    EXPECT_EQ(Shown(36, 36), clYellow);
    EXPECT_EQ(Shown(0, 0), ColorToRGB(cl3DLight));

    display->SetImageIndex(-1);
    EXPECT_EQ(display->ImageIndex(), 16);
}

TEST_F(ImageDisplayDrawing, ADisabledDisplayShowsThePictureGreyed) {
    AddPictures(display->ImageList(), 1, Flat);
    display->SetEnabled(false);
    EXPECT_EQ(Shown(36, 36), ColorToRGB(clBtnShadow));
    display->SetEnabled(true);
    EXPECT_EQ(Shown(36, 36), Flat(0, 0, 0));
}

class ImageDisplayTimer : public ImageDisplayTest {
protected:
    ImageDisplayTimer() {
        AddPictures(display->ImageList(), 16, Flat);
        display->SetTimerInterval(100);
    }

    // The indexes the timer shows at each of the next ticks.
    std::vector<int> Ticks(int count) {
        std::vector<int> shown;
        for (int i = 0; i < count; ++i) {
            Platform().AdvanceBy(100);
            shown.push_back(display->ImageIndex());
        }
        return shown;
    }
};

TEST_F(ImageDisplayTimer, CountingUpWrapsToTheFirstPictureWithAutoRepeat) {
    display->SetImageIndex(13);
    display->SetTimerEnabled(true);
    Platform().AdvanceBy(99);
    EXPECT_EQ(display->ImageIndex(), 13);
    EXPECT_EQ(Ticks(4), (std::vector<int>{14, 15, 0, 1}));
    EXPECT_EQ(Shown(36, 36), Flat(1, 0, 0));
}

TEST_F(ImageDisplayTimer, CountingUpStopsAtTheLastPictureWithoutAutoRepeat) {
    display->SetTimerAutoRepeat(false);
    display->SetImageIndex(14);
    display->SetTimerEnabled(true);
    EXPECT_EQ(Ticks(3), (std::vector<int>{15, 15, 15}));
    EXPECT_FALSE(display->TimerActive());
    EXPECT_TRUE(display->TimerEnabled());

    // Switching it off and on again starts it afresh.
    display->SetTimerIncrementUp(false);
    display->SetTimerEnabled(false);
    display->SetTimerEnabled(true);
    EXPECT_EQ(Ticks(2), (std::vector<int>{14, 13}));
}

TEST_F(ImageDisplayTimer, CountingDownWrapsToTheLastPictureOrStopsAtTheFirst) {
    display->SetTimerIncrementUp(false);
    display->SetImageIndex(1);
    display->SetTimerEnabled(true);
    EXPECT_EQ(Ticks(3), (std::vector<int>{0, 15, 14}));

    display->SetTimerAutoRepeat(false);
    display->SetImageIndex(1);
    EXPECT_EQ(Ticks(3), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(display->TimerActive());
}

TEST_F(ImageDisplayTimer, AnIndexBeyondTheListComesBackIntoIt) {
    display->SetImageIndex(40);
    display->SetTimerEnabled(true);
    EXPECT_EQ(Ticks(1), (std::vector<int>{0}));
    display->SetTimerEnabled(false);
    display->SetTimerAutoRepeat(false);
    display->SetImageIndex(40);
    display->SetTimerEnabled(true);
    EXPECT_EQ(Ticks(1), (std::vector<int>{15}));
}

TEST_F(ImageDisplayTimer, AnEmptyListNeverTakesTheIndexBelowZero) {
    display->ImageList().Clear();
    display->SetTimerEnabled(true);
    for (bool up : {true, false}) {
        for (bool repeat : {true, false}) {
            display->SetTimerIncrementUp(up);
            display->SetTimerAutoRepeat(repeat);
            display->SetTimerEnabled(false);
            display->SetTimerEnabled(true);
            EXPECT_EQ(Ticks(2), (std::vector<int>{0, 0})) << up << repeat;
        }
    }
}

TEST_F(ImageDisplayTimer, ANewIntervalRestartsARunningTimer) {
    display->SetTimerEnabled(true);
    Platform().AdvanceBy(60);
    display->SetTimerInterval(30);
    Platform().AdvanceBy(29);
    EXPECT_EQ(display->ImageIndex(), 0);
    Platform().AdvanceBy(1);
    EXPECT_EQ(display->ImageIndex(), 1);
    Platform().AdvanceBy(30);
    EXPECT_EQ(display->ImageIndex(), 2);

    display->SetTimerInterval(-5);
    EXPECT_EQ(display->TimerInterval(), 30);
}

TEST_F(ImageDisplayTimer, AnIntervalOfZeroStartsNothing) {
    display->SetTimerInterval(0);
    display->SetTimerEnabled(true);
    EXPECT_FALSE(display->TimerActive());
    Platform().AdvanceBy(500);
    EXPECT_EQ(display->ImageIndex(), 0);
}

using ImageDisplayAutoSize = ImageDisplayTest;

TEST_F(ImageDisplayAutoSize, FitsThePicturesWithMarginAndFrame) {
    AddPictures(display->ImageList(), 1, Flat);
    display->SetBorderStyle(ibsLowered);
    EXPECT_EQ(display->Width(), 73);
    display->SetAutoSize(true);
    EXPECT_EQ(display->Width(), 72);
    EXPECT_EQ(display->Height(), 72);
    display->SetBorderMargin(3);
    EXPECT_EQ(display->Width(), 78);
    display->SetBorderStyle(ibsNone);
    EXPECT_EQ(display->Width(), 76);
    display->ImageList().SetSize(30, 20);
    EXPECT_EQ(display->Width(), 36);
    EXPECT_EQ(display->Height(), 26);
    EXPECT_EQ(display->Left(), 10);
}

TEST_F(ImageDisplayAutoSize, BoundsFromOutsideStandUntilSomethingThatShapesItChanges) {
    display->SetAutoSize(true);
    display->SetBounds(10, 10, 50, 40);
    EXPECT_EQ(display->Width(), 50);
    display->SetBorderMargin(1);
    EXPECT_EQ(display->Width(), 72);
}

TEST_F(ImageDisplayAutoSize, AnyMarginGivesASizeTheWidgetCanBeDrawnAt) {
    display->SetAutoSize(true);
    display->SetBorderMargin(2000000000);
    EXPECT_EQ(display->Width(), TBitmap::MaxSide);
    EXPECT_LE(static_cast<long long>(display->Width()) * display->Height(), TBitmap::MaxPixels);
    display->SetBorderMargin(-2000000000);
    EXPECT_EQ(display->Width(), 0);
    EXPECT_EQ(display->Height(), 0);
}

using ImageDisplayLayout = ImageDisplayTest;

TEST_F(ImageDisplayLayout, LoadingNeverResizesAnAutoSizedDisplay) {
    const std::vector<std::uint8_t> stored = TStoredList{16, 19, 70, 70}.Stream();
    TForm& read = ReadLayout("object Form1: TForm\n"
                             "  object iImageDisplay3: TiImageDisplay\n"
                             "    Left = 936\n    Top = 64\n    Width = 73\n    Height = 73\n"
                             "    AutoSize = True\n    BorderMargin = 0\n"
                             "    BorderStyle = ibsLowered\n"
                             "    ImageList = " +
                             Hex(stored) + "\n  end\nend\n");
    auto& copy = dynamic_cast<TiImageDisplay&>(*read.FindComponent("iImageDisplay3"));
    EXPECT_EQ(copy.Width(), 73);
    EXPECT_EQ(copy.Height(), 73);
    copy.SetBorderMargin(1);
    EXPECT_EQ(copy.Width(), 74);
}

TEST_F(ImageDisplayLayout, TheBenchListsAreReadAndWrittenBackByteForByte) {
    for (TStoredList shape : {TStoredList{16, 19, 70, 70}, TStoredList{49, 54, 222, 149}}) {
        const std::vector<std::uint8_t> stored = shape.Stream();
        TForm& read = ReadLayout("object Form1: TForm\n"
                                 "  object iImageDisplay4: TiImageDisplay\n"
                                 "    BorderMargin = 0\n"
                                 "    ImageList = " +
                                 Hex(stored) + "\n  end\nend\n");
        auto& copy = dynamic_cast<TiImageDisplay&>(*read.FindComponent("iImageDisplay4"));
        EXPECT_EQ(copy.ImageList().Count(), shape.Count);
        EXPECT_EQ(copy.ImageList().Width(), shape.Width);

        const auto written =
            TLayoutWriter::WriteObjectProperties(copy, TiImageDisplay::StaticClassInfo());
        ASSERT_EQ(written.back().Path, "ImageList");
        EXPECT_TRUE(written.back().Value.Bytes == stored) << shape.Count;

        // The written text reads back; the lamps' list keeps the test quick under sanitizers.
        if (shape.Count == 16) {
            TForm& again = ReadLayout(TLayoutWriter::Write(read));
            auto& second = dynamic_cast<TiImageDisplay&>(*again.FindComponent("iImageDisplay4"));
            EXPECT_TRUE(second.ImageList().WriteToStream() == stored);
        }
    }
}

TEST_F(ImageDisplayLayout, AnEmptyListIsNotWrittenButTheMarginAlwaysIs) {
    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_EQ(text.find("ImageList"), std::string::npos) << text;
    EXPECT_NE(text.find("BorderMargin = 0"), std::string::npos) << text;
}

TEST_F(ImageDisplayLayout, AStoredListThatDoesNotReadFailsTheLayoutAtItsLine) {
    std::vector<std::uint8_t> stored = TStoredList{2, 4, 3, 3}.Stream();
    const std::string head = "object Form1: TForm\n  object iImageDisplay1: TiImageDisplay\n";
    const std::string failure =
        "Layout line 3: ImageList: Failed to read ImageList data from stream";

    std::vector<std::uint8_t> truncated(stored.begin(), stored.end() - 30);
    EXPECT_EQ(ReadFailure(head + "    ImageList = " + Hex(truncated) + "\n  end\nend\n"), failure);

    std::vector<std::uint8_t> longer = stored;
    longer.push_back(0);
    EXPECT_EQ(ReadFailure(head + "    ImageList = " + Hex(longer) + "\n  end\nend\n"), failure);

    EXPECT_EQ(ReadFailure(head + "    ImageList = {}\n  end\nend\n"), failure);
    EXPECT_NE(ReadFailure(head + "    ImageList = 'IL'\n  end\nend\n").find("Layout line 3: "),
              std::string::npos);
}

TEST_F(ImageDisplayLayout, AStoredRunningTimerStartsOnceTheListIsRead) {
    TForm& read = ReadLayout("object Form1: TForm\n"
                             "  object iImageDisplay1: TiImageDisplay\n"
                             "    TimerInterval = 180\n    TimerEnabled = True\n"
                             "    BorderMargin = 0\n"
                             "    ImageList = " +
                             Hex(TStoredList{4, 4, 2, 2}.Stream()) + "\n  end\nend\n");
    auto& copy = dynamic_cast<TiImageDisplay&>(*read.FindComponent("iImageDisplay1"));
    EXPECT_TRUE(copy.TimerActive());
    Platform().AdvanceBy(360);
    EXPECT_EQ(copy.ImageIndex(), 2);
}
