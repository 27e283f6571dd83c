#include "gui/graphics/PngDecoder.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "support/PngEncoder.h"

namespace {

// A picture of the given format: red left half, and in the right half 50 % green when the format
// has alpha (opaque green otherwise).
std::vector<std::uint8_t> TwoHalves(cairo_format_t format) {
    cairo_surface_t* surface = cairo_image_surface_create(format, 6, 4);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 0, 3, 4);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0, 1, 0, 0.5);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, 3, 0, 3, 4);
    cairo_fill(cr);
    cairo_destroy(cr);
    auto file = PngEncoder::Encode(surface);
    cairo_surface_destroy(surface);
    return file;
}

TEST(PngDecoderTest, OpaquePicturesGetFullAlpha) {
    TBitmap bitmap;
    PngDecoder::Decode(TwoHalves(CAIRO_FORMAT_RGB24), bitmap);
    ASSERT_EQ(bitmap.Width(), 6);
    ASSERT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(bitmap.Argb(0, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap.Argb(5, 3) >> 24, 0xFFu);
}

TEST(PngDecoderTest, AlphaIsStoredPremultiplied) {
    TBitmap bitmap;
    PngDecoder::Decode(TwoHalves(CAIRO_FORMAT_ARGB32), bitmap);
    EXPECT_EQ(bitmap.Argb(1, 1), 0xFFFF0000u);
    const std::uint32_t stored = bitmap.ScanLine(2)[4];
    EXPECT_NEAR(static_cast<int>(stored >> 24), 128, 1);
    EXPECT_EQ(stored >> 8 & 0xFF, stored >> 24);
    EXPECT_EQ(bitmap.Argb(4, 2) & 0x00FFFFFF, 0x00FF00u);
}

TEST(PngDecoderTest, BrokenFilesAreRefused) {
    const auto good = TwoHalves(CAIRO_FORMAT_ARGB32);
    auto withSize = [&](std::uint32_t width, std::uint32_t height) {
        auto file = good;
        for (int i = 0; i < 4; ++i) {
            file[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
            file[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
        }
        return file;
    };
    auto damaged = good;
    damaged[12] = 'X';
    auto badCrc = good;
    badCrc[good.size() / 2] ^= 0xFF;
    const std::vector<std::vector<std::uint8_t>> files = {withSize(16385, 1),
                                                          withSize(1, 0x7FFFFFFF),
                                                          withSize(8192, 8192),
                                                          withSize(0, 4),
                                                          damaged,
                                                          badCrc};
    for (std::size_t i = 0; i < files.size(); ++i) {
        TBitmap bitmap;
        EXPECT_THROW(PngDecoder::Decode(files[i], bitmap), Exception) << "file " << i;
        EXPECT_TRUE(bitmap.Empty()) << "file " << i;
    }
    for (std::size_t length = 0; length < good.size(); ++length) {
        TBitmap bitmap;
        EXPECT_THROW(PngDecoder::Decode(std::span(good).first(length), bitmap), Exception)
            << "prefix of " << length << " bytes";
    }
}

} // namespace
