#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/Exception.h"

TEST(Bitmap, ResizingKeepsThePictureAtTheTopLeft) {
    TBitmap bitmap(4, 4);
    bitmap.Fill(clBlue);
    bitmap.SetSize(6, 3);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Pixel(3, 2), clBlue);
    EXPECT_EQ(bitmap.Pixel(4, 0), clWhite);
    EXPECT_EQ(bitmap.Pixel(6, 0), clNone);
    bitmap.SetSize(0, 3);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.Canvas().FillRect(Rect(0, 0, 5, 5));
}

TEST(Bitmap, CanvasSurvivesResizing) {
    TBitmap bitmap(4, 4);
    TCanvas& canvas = bitmap.Canvas();
    bitmap.SetSize(20, 20);
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(10, 10, 20, 20));
    EXPECT_EQ(bitmap.Pixel(19, 19), clRed);
}

TEST(Bitmap, ExchangeTradesPixelsAndSizesAndEachCanvasDrawsOnItsNewPixels) {
    TBitmap red(3, 2);
    red.Fill(clRed);
    red.SetTransparent(true);
    TBitmap blue(5, 4);
    blue.Fill(clBlue);
    TCanvas& redCanvas = red.Canvas();
    redCanvas.FillRect(Rect(0, 0, 1, 1));
    red.Exchange(blue);
    EXPECT_EQ(red.Width(), 5);
    EXPECT_EQ(red.Pixel(4, 3), clBlue);
    EXPECT_TRUE(red.Transparent());
    EXPECT_EQ(blue.Height(), 2);
    EXPECT_EQ(blue.Pixel(2, 1), clRed);
    EXPECT_FALSE(blue.Transparent());
    redCanvas.Brush().SetColor(clLime);
    redCanvas.FillRect(Rect(0, 0, 5, 4));
    EXPECT_EQ(red.Pixel(4, 3), clLime);
    EXPECT_EQ(blue.Pixel(2, 1), clRed);
}

TEST(Bitmap, RefusesSizesItCannotHold) {
    TBitmap bitmap(2, 2);
    EXPECT_THROW(bitmap.SetSize(TBitmap::MaxSide + 1, 1), Exception);
    EXPECT_THROW(bitmap.SetSize(TBitmap::MaxSide, TBitmap::MaxSide), Exception);
    EXPECT_THROW(bitmap.SetSize(-1, 5), Exception);
    EXPECT_EQ(bitmap.Width(), 2);
}

TEST(Bitmap, AutomaticTransparentColourIsTheBottomLeftPixel) {
    TBitmap bitmap(3, 3);
    bitmap.SetPixel(0, 2, clLime);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
    bitmap.SetTransparentColor(clRed);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clRed);
}

TEST(Bitmap, AssignmentCopiesPixelsAndTransparency) {
    TBitmap source(3, 2);
    source.Fill(clYellow);
    source.SetTransparent(true);
    source.SetTransparentColor(clYellow);
    TBitmap copy;
    copy = source;
    source.Fill(clBlack);
    EXPECT_EQ(copy.Pixel(2, 1), clYellow);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clYellow);
}

TEST(Bitmap, SavedPngLoadsBackUnchanged) {
    TBitmap bitmap(5, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            bitmap.SetPixel(x, y, RGB(x * 50, y * 60, 7));
        }
    }
    const std::string path = testing::TempDir() + "bitmap-round-trip.png";
    bitmap.SaveToPngFile(path);
    TBitmap loaded;
    loaded.LoadFromFile(path);
    std::remove(path.c_str());
    ASSERT_EQ(loaded.Width(), 5);
    ASSERT_EQ(loaded.Height(), 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(loaded.Pixel(x, y), bitmap.Pixel(x, y));
        }
    }
}

TEST(Bitmap, MissingFileIsAClearErrorAndKeepsThePicture) {
    TBitmap bitmap(2, 2);
    try {
        bitmap.LoadFromFile("/nonexistent/ico/1(new).jpg");
        FAIL() << "expected an exception";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("1(new).jpg"), std::string::npos);
    }
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_THROW(bitmap.LoadFromFile(testing::TempDir()), Exception) << "a folder is no picture";
    EXPECT_THROW(TBitmap().SaveToPngFile(testing::TempDir() + "empty.png"), Exception);
}
