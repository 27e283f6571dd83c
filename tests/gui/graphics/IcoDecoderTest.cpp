#include "gui/graphics/IcoDecoder.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "support/DibBuilder.h"
#include "support/IcoBuilder.h"
#include "support/PngEncoder.h"

namespace {

constexpr std::uint32_t Opaque = 0xFF000000u;

std::unique_ptr<TBitmap> Decode(const std::vector<std::uint8_t>& file) {
    auto bitmap = std::make_unique<TBitmap>();
    IcoDecoder::Decode(file, *bitmap);
    return bitmap;
}

bool Corner(int x, int y) {
    return x < 2 && y < 2;
}

std::uint32_t Color(int x, int y) {
    return static_cast<std::uint32_t>((x * 16) << 16 | (y * 16) << 8 | 0x80);
}

TEST(IcoDecoderTest, ThirtyTwoBitsUseTheirAlphaAndIgnoreTheMask) {
    auto alpha = [](int x, int) { return static_cast<std::uint32_t>(x * 255 / 15); };
    const auto dib = DibBuilder(16, 16, 32)
                         .Pixels([&](int x, int y) { return alpha(x, y) << 24 | Color(x, y); })
                         .IconMask([](int x, int) { return x > 8; })
                         .Dib();
    const auto decoded = Decode(IcoBuilder().Add(16, 16, 32, dib).Build());
    const TBitmap& bitmap = *decoded;
    ASSERT_EQ(bitmap.Width(), 16);
    ASSERT_EQ(bitmap.Height(), 16);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(bitmap.Argb(0, y), 0u) << "a zero alpha pixel is fully transparent";
        EXPECT_EQ(bitmap.ScanLine(y)[0], 0u);
        for (int x = 1; x < 16; ++x) {
            const std::uint32_t argb = bitmap.Argb(x, y);
            ASSERT_EQ(argb >> 24, alpha(x, y));
            for (const int shift : {0, 8, 16}) {
                ASSERT_NEAR(static_cast<int>(argb >> shift & 0xFF),
                            static_cast<int>(Color(x, y) >> shift & 0xFF), 255 / alpha(x, y) + 1)
                    << x << ", " << y;
            }
            const std::uint32_t stored = bitmap.ScanLine(y)[x];
            ASSERT_LE(stored >> 16 & 0xFF, stored >> 24) << "stored premultiplied";
        }
    }
}

TEST(IcoDecoderTest, ThirtyTwoBitsWithoutAlphaFallBackOnTheMask) {
    const auto dib = DibBuilder(8, 8, 32).Pixels(Color).IconMask(Corner).Dib();
    const auto decoded = Decode(IcoBuilder().Add(8, 8, 32, dib).Build());
    const TBitmap& bitmap = *decoded;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(bitmap.Argb(x, y), Corner(x, y) ? 0u : Opaque | Color(x, y));
        }
    }
}

class IcoDepthTest : public testing::TestWithParam<int> {};

TEST_P(IcoDepthTest, MaskedPixelsAreTransparentAndTheRestKeepTheirColour) {
    const int bitCount = GetParam();
    std::vector<std::uint32_t> palette;
    for (int i = 0; bitCount <= 8 && i < (1 << bitCount); ++i) {
        palette.push_back(static_cast<std::uint32_t>(0x102030 * (i + 1)) & 0xFFFFFF);
    }
    auto value = [&](int x, int y) {
        return bitCount <= 8 ? static_cast<std::uint32_t>((x + y) % (1 << bitCount)) : Color(x, y);
    };
    auto color = [&](int x, int y) { return bitCount <= 8 ? palette[value(x, y)] : Color(x, y); };
    // Ten pixels wide so that each mask row needs padding to 32 bits.
    const auto dib =
        DibBuilder(10, 6, bitCount).Palette(palette).Pixels(value).IconMask(Corner).Dib();
    const auto decoded = Decode(IcoBuilder().Add(10, 6, bitCount, dib).Build());
    const TBitmap& bitmap = *decoded;
    ASSERT_EQ(bitmap.Width(), 10);
    ASSERT_EQ(bitmap.Height(), 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(bitmap.Argb(x, y), Corner(x, y) ? 0u : Opaque | color(x, y))
                << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, IcoDepthTest, testing::Values(1, 4, 8, 24));

TEST(IcoDecoderTest, PngEntryKeepsItsTransparency) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 20, 12);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgba(cr, 0, 0, 1, 1);
    cairo_rectangle(cr, 5, 2, 10, 8);
    cairo_fill(cr);
    cairo_destroy(cr);
    const auto png = PngEncoder::Encode(surface);
    cairo_surface_destroy(surface);

    const auto decoded = Decode(IcoBuilder().Add(20, 12, 32, png).Build());
    const TBitmap& bitmap = *decoded;
    ASSERT_EQ(bitmap.Width(), 20);
    ASSERT_EQ(bitmap.Height(), 12);
    EXPECT_EQ(bitmap.Argb(0, 0), 0u);
    EXPECT_EQ(bitmap.Argb(19, 11), 0u);
    EXPECT_EQ(bitmap.Argb(6, 3), 0xFF0000FFu);
}

TEST(IcoDecoderTest, LargestPictureWinsAndDeeperColourBreaksTies) {
    auto solid = [](int side, int bitCount, std::uint32_t color) {
        return DibBuilder(side, side, bitCount)
            .ColorsUsed(bitCount <= 8 ? 1 : 0)
            .Palette(bitCount <= 8 ? std::vector<std::uint32_t>{color}
                                   : std::vector<std::uint32_t>{})
            .Pixels([&](int, int) { return bitCount <= 8 ? 0u : color; })
            .IconMask([](int, int) { return false; })
            .Dib();
    };
    const auto file = IcoBuilder()
                          .Add(16, 16, 32, solid(16, 32, 0x111111))
                          .Add(32, 32, 4, solid(32, 4, 0x222222))
                          .Add(32, 32, 8, solid(32, 8, 0x333333))
                          .Add(32, 32, 1, solid(32, 1, 0x444444))
                          .Add(24, 24, 32, solid(24, 32, 0x555555))
                          .Build();
    const auto decoded = Decode(file);
    const TBitmap& bitmap = *decoded;
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_EQ(bitmap.Argb(5, 5), 0xFF333333u);

    const auto withLarge = IcoBuilder()
                               .Add(48, 48, 32, solid(48, 32, 0x111111))
                               .Add(0, 0, 24, solid(256, 24, 0x222222))
                               .Build();
    EXPECT_EQ(Decode(withLarge)->Width(), 256) << "a listed side of 0 means 256";
}

TEST(IcoDecoderTest, CursorsReadLikeIcons) {
    const auto dib = DibBuilder(4, 4, 24).Pixels(Color).IconMask(Corner).Dib();
    const auto decoded = Decode(IcoBuilder(2).Add(4, 4, 3, dib).Build());
    const TBitmap& bitmap = *decoded;
    EXPECT_EQ(bitmap.Argb(0, 0), 0u);
    EXPECT_EQ(bitmap.Argb(3, 3), Opaque | Color(3, 3));
}

TEST(IcoDecoderTest, BrokenFilesAreRefused) {
    const auto dib = DibBuilder(8, 8, 24).Pixels(Color).IconMask(Corner).Dib();
    const auto good = IcoBuilder().Add(8, 8, 24, dib).Build();
    auto patched = [&](std::size_t offset, std::uint8_t value) {
        auto file = good;
        file[offset] = value;
        return file;
    };
    auto withoutMask = dib;
    withoutMask.resize(dib.size() - 4 * 8);
    const std::vector<std::vector<std::uint8_t>> files = {
        IcoBuilder().Build(),                            // no pictures
        patched(0, 1),                                   // reserved field set
        patched(2, 3),                                   // neither icon nor cursor
        patched(4, 200),                                 // more entries than the file holds
        patched(6 + 8, 0xFF),                            // entry larger than the file
        patched(6 + 15, 0x40),                           // entry offset past the end
        patched(6 + 16 + 6, 0x80),                       // width beyond the limit
        IcoBuilder().Add(8, 8, 24, withoutMask).Build(), // mask missing
        IcoBuilder().Add(8, 8, 8, DibBuilder(8, 8, 8).ColorsUsed(300).Dib()).Build(),
        IcoBuilder()
            .Add(8, 8, 8,
                 DibBuilder(8, 8, 8)
                     .Compression(DibBuilder::Rle8)
                     .RawPixels({0, 1})
                     .IconMask(Corner)
                     .Dib())
            .Build(),
        IcoBuilder().Add(8, 8, 32, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0}).Build(),
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        TBitmap bitmap;
        EXPECT_THROW(IcoDecoder::Decode(files[i], bitmap), Exception) << "file " << i;
    }
    for (std::size_t length = 0; length < good.size(); ++length) {
        TBitmap bitmap;
        EXPECT_THROW(IcoDecoder::Decode(std::span(good).first(length), bitmap), Exception)
            << "prefix of " << length << " bytes";
    }
}

} // namespace
