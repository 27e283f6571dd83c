#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "gui/graphics/AreaShrink.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/Color.h"

namespace {

// Smooth gradients crossed by sharp stripes, as in a photograph with fine detail. Averaging and
// the smooth filter differ by rounding only.
void PaintPhoto(TBitmap& picture) {
    const int width = picture.Width();
    const int height = picture.Height();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int stripe = (x / 3 + y / 5) % 2 ? 90 : 0;
            picture.SetPixel(x, y,
                             RGB((x * 255 / width + stripe) % 256, y * 255 / height,
                                 (x * y / 7 + stripe) % 256));
        }
}

int Channel(TColor color, int shift) {
    return static_cast<int>((ColorToRGB(color) >> shift) & 0xFF);
}

// The largest difference of any channel of any pixel, and the mean over all of them.
struct TDifference {
    int Largest = 0;
    double Mean = 0;
};

TDifference Compare(const TBitmap& a, const TBitmap& b) {
    TDifference difference;
    long sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int shift : {0, 8, 16}) {
                const int d =
                    std::abs(Channel(a.Pixel(x, y), shift) - Channel(b.Pixel(x, y), shift));
                difference.Largest = std::max(difference.Largest, d);
                sum += d;
            }
    difference.Mean = static_cast<double>(sum) / (3.0 * a.Width() * a.Height());
    return difference;
}

} // namespace

TEST(AreaShrink, GivesWhatTheSmoothFilterGives) {
    TBitmap photo(400, 300);
    PaintPhoto(photo);
    for (const TSize size : {TSize{181, 141}, TSize{400, 150}, TSize{97, 300}, TSize{40, 30}}) {
        SCOPED_TRACE(std::to_string(size.cx) + " x " + std::to_string(size.cy));
        TBitmap averaged(size.cx, size.cy);
        ShrinkByArea(photo, averaged);
        TBitmap filtered(size.cx, size.cy);
        filtered.Canvas().StretchDraw(Rect(0, 0, size.cx, size.cy), photo);
        const TDifference difference = Compare(averaged, filtered);
        EXPECT_LT(difference.Mean, 0.5);
        EXPECT_LE(difference.Largest, 2);
    }
}

TEST(AreaShrink, AveragesExactlyAndKeepsTheSizeUnchanged) {
    TBitmap checker(4, 2);
    for (int x = 0; x < 4; ++x) {
        checker.SetPixel(x, 0, x % 2 ? clWhite : clBlack);
        checker.SetPixel(x, 1, x % 2 ? clBlack : clWhite);
    }
    TBitmap half(2, 1);
    ShrinkByArea(checker, half);
    EXPECT_EQ(half.Pixel(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(half.Pixel(1, 0), RGB(128, 128, 128));

    TBitmap same(4, 2);
    ShrinkByArea(checker, same);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(same.Pixel(x, 1), checker.Pixel(x, 1)) << x;

    // Three pixels into two: the middle one is shared half and half.
    TBitmap row(3, 1);
    row.SetPixel(0, 0, RGB(0, 0, 0));
    row.SetPixel(1, 0, RGB(200, 100, 0));
    row.SetPixel(2, 0, RGB(60, 60, 60));
    TBitmap two(2, 1);
    ShrinkByArea(row, two);
    EXPECT_EQ(two.Pixel(0, 0), RGB(67, 33, 0));
    EXPECT_EQ(two.Pixel(1, 0), RGB(107, 73, 40));

    TBitmap larger(5, 1);
    EXPECT_THROW(ShrinkByArea(row, larger), std::logic_error);
}
