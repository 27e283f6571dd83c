#include "art/ArtText.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "art/ArtCanvas.h"
#include "gui/graphics/Exception.h"

namespace {

TEST(ArtTextTest, CyrillicLaysOutAndAMissingGlyphIsRefused) {
    const TArtCanvas canvas(10, 10);
    EXPECT_NO_THROW(TArtText(canvas.Cr(), "Лабораторный стенд: щётки", "PT Serif Bold 20px"));
    // A code point from the private use planes, which no installed font covers.
    EXPECT_THROW(TArtText(canvas.Cr(), "стенд \xF3\xB0\x80\x80", "PT Sans 20px"), Exception);
}

// The letters sit on the circle below its centre, centred, their tops towards the centre.
TEST(ArtTextTest, TextAlongTheBottomArcIsCentredAndUpright) {
    const TArtCanvas canvas(10, 10);
    cairo_t* cr = canvas.Cr();
    const TArtText text(cr, "ТТТТТ", "PT Sans Bold 30px");
    const double cx = 300;
    const double cy = 200;
    const double radius = 150;
    text.AddPathAlongBottomArc(cx, cy, radius);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    EXPECT_GT(y1, cy);
    EXPECT_NEAR((x1 + x2) / 2, cx, 2);
    EXPECT_LE(y2, cy + radius + 1);
    EXPECT_LT(y1, cy + radius - 15);
}

} // namespace
