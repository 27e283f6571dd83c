#include "gui/graphics/PictureDecoder.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "support/DibBuilder.h"
#include "support/IcoBuilder.h"
#include "support/JpegEncoder.h"
#include "support/PngEncoder.h"

namespace {

std::vector<std::uint8_t> BlueJpeg() {
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < 16 * 8; ++i) {
        samples.insert(samples.end(), {0, 0, 255});
    }
    return JpegEncoder(16, 8, JCS_RGB, 3).Encode(samples);
}

std::vector<std::uint8_t> BluePng() {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 5, 4);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    auto file = PngEncoder::Encode(surface);
    cairo_surface_destroy(surface);
    return file;
}

std::vector<std::vector<std::uint8_t>> BlueFiles() {
    const DibBuilder dib = DibBuilder(7, 3, 24).Pixels([](int, int) { return 0x0000FFu; });
    return {BlueJpeg(), BluePng(), dib.Bmp(),
            IcoBuilder()
                .Add(7, 3, 24, DibBuilder(dib).IconMask([](int, int) { return false; }).Dib())
                .Build()};
}

TEST(PictureDecoderTest, FormatIsRecognisedByContent) {
    const int widths[] = {16, 5, 7, 7};
    const auto files = BlueFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        TBitmap bitmap;
        bitmap.LoadFromBytes(files[i]);
        EXPECT_EQ(bitmap.Width(), widths[i]) << "file " << i;
        EXPECT_NEAR(static_cast<int>(bitmap.Argb(2, 1) & 0xFF), 255, 3) << "file " << i;
        EXPECT_LE(bitmap.Argb(2, 1) >> 8 & 0xFFFF, 3u) << "file " << i;
    }
}

TEST(PictureDecoderTest, UnknownAndEmptyDataAreRefused) {
    const std::vector<std::vector<std::uint8_t>> files = {
        {},           {0xFF, 0xD8}, {'G', 'I', 'F', '8', '9', 'a'},
        {0, 0, 3, 0}, {'B'},        {0x89, 'P', 'N', 'G'}};
    for (const auto& file : files) {
        TBitmap bitmap;
        EXPECT_THROW(PictureDecoder::Decode(file, bitmap), Exception);
    }
}

TEST(PictureDecoderTest, FailedLoadKeepsThePreviousPicture) {
    auto truncated = BlueJpeg();
    truncated.resize(truncated.size() - 10);
    TBitmap bitmap(3, 2);
    bitmap.Fill(0x00FF00);
    EXPECT_THROW(bitmap.LoadFromBytes(truncated), Exception);
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Argb(2, 1), 0xFF00FF00u);
}

TEST(PictureDecoderTest, DecodeReplacesTheTargetPicture) {
    TBitmap bitmap(40, 30);
    int changes = 0;
    bitmap.OnChange = [&changes](TObject*) { ++changes; };
    PictureDecoder::Decode(BlueFiles()[2], bitmap);
    EXPECT_EQ(bitmap.Width(), 7);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Argb(6, 2), 0xFF0000FFu);
    EXPECT_GT(changes, 0);
}

} // namespace
