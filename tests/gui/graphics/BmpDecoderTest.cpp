#include "gui/graphics/BmpDecoder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "support/DibBuilder.h"

namespace {

constexpr std::uint32_t Opaque = 0xFF000000u;

std::vector<std::uint32_t> TestPalette(int count) {
    std::vector<std::uint32_t> colors;
    for (int i = 0; i < count; ++i) {
        colors.push_back(static_cast<std::uint32_t>(i * 0x010203 + 0x402010) & 0xFFFFFF);
    }
    return colors;
}

std::unique_ptr<TBitmap> Decode(const std::vector<std::uint8_t>& file) {
    auto bitmap = std::make_unique<TBitmap>();
    BmpDecoder::Decode(file, *bitmap);
    return bitmap;
}

void ExpectPixels(const TBitmap& bitmap, int width, int height,
                  const std::function<std::uint32_t(int x, int y)>& expected) {
    ASSERT_EQ(bitmap.Width(), width);
    ASSERT_EQ(bitmap.Height(), height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(bitmap.Argb(x, y), expected(x, y)) << "at " << x << ", " << y;
        }
    }
}

void ExpectEveryPrefixThrows(const std::vector<std::uint8_t>& file) {
    for (std::size_t length = 0; length < file.size(); ++length) {
        TBitmap bitmap;
        EXPECT_THROW(BmpDecoder::Decode(std::span(file).first(length), bitmap), Exception)
            << "prefix of " << length << " bytes";
    }
}

struct TPaletteCase {
    int bitCount;
    std::uint32_t headerSize;
};

class BmpPaletteTest : public testing::TestWithParam<TPaletteCase> {};

TEST_P(BmpPaletteTest, IndicesPickPaletteColoursInEveryRow) {
    const auto [bitCount, headerSize] = GetParam();
    const int colors = 1 << bitCount;
    const auto palette = TestPalette(colors);
    auto index = [colors](int x, int y) {
        return static_cast<std::uint32_t>((x + 3 * y) % colors);
    };
    const auto file =
        DibBuilder(13, 5, bitCount).HeaderSize(headerSize).Palette(palette).Pixels(index).Bmp();
    ExpectPixels(*Decode(file), 13, 5, [&](int x, int y) { return Opaque | palette[index(x, y)]; });
    ExpectEveryPrefixThrows(file);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpPaletteTest,
                         testing::Values(TPaletteCase{1, 40}, TPaletteCase{4, 40},
                                         TPaletteCase{8, 40}, TPaletteCase{1, 12},
                                         TPaletteCase{4, 12}, TPaletteCase{8, 12},
                                         TPaletteCase{8, 108}, TPaletteCase{8, 124}),
                         [](const testing::TestParamInfo<TPaletteCase>& info) {
                             return std::to_string(info.param.bitCount) + "BitsHeader" +
                                    std::to_string(info.param.headerSize);
                         });

TEST(BmpDecoderTest, IndexBeyondTheStoredPaletteIsBlack) {
    const auto file =
        DibBuilder(4, 1, 8)
            .ColorsUsed(2)
            .Palette({0xFF0000, 0x00FF00})
            .Pixels([](int x, int) { return x == 3 ? 200u : static_cast<std::uint32_t>(x % 2); })
            .Bmp();
    const std::uint32_t expected[] = {0xFFFF0000, 0xFF00FF00, 0xFFFF0000, Opaque};
    ExpectPixels(*Decode(file), 4, 1, [&](int x, int) { return expected[x]; });
}

TEST(BmpDecoderTest, SixteenBitsDefaultTo555AndBitFieldsGive565) {
    auto five = [](int x, int y) { return static_cast<std::uint32_t>((x * 7 + y) % 32); };
    auto expand = [](std::uint32_t v, std::uint32_t max) { return (v * 255 + max / 2) / max; };
    const auto rgb555 = DibBuilder(7, 3, 16)
                            .Pixels([&](int x, int y) {
                                return five(x, y) << 10 | five(y, x) << 5 | five(x + y, 0);
                            })
                            .Bmp();
    ExpectPixels(*Decode(rgb555), 7, 3, [&](int x, int y) {
        return Opaque | expand(five(x, y), 31) << 16 | expand(five(y, x), 31) << 8 |
               expand(five(x + y, 0), 31);
    });
    const auto rgb565 =
        DibBuilder(7, 3, 16)
            .Compression(DibBuilder::BitFields)
            .Masks(0xF800, 0x07E0, 0x001F, 0)
            .Pixels([&](int x, int y) {
                return five(x, y) << 11 | (five(y, x) * 2 + 1) << 5 | five(x + y, 0);
            })
            .Bmp();
    ExpectPixels(*Decode(rgb565), 7, 3, [&](int x, int y) {
        return Opaque | expand(five(x, y), 31) << 16 | expand(five(y, x) * 2 + 1, 63) << 8 |
               expand(five(x + y, 0), 31);
    });
}

TEST(BmpDecoderTest, TwentyFourBitsBottomUpAndTopDown) {
    auto color = [](int x, int y) {
        return static_cast<std::uint32_t>(x * 40 << 16 | y * 50 << 8 | (x + y));
    };
    for (const bool topDown : {false, true}) {
        DibBuilder builder(5, 4, 24);
        if (topDown) {
            builder.TopDown();
        }
        const auto file = builder.Pixels(color).Bmp();
        ExpectPixels(*Decode(file), 5, 4, [&](int x, int y) { return Opaque | color(x, y); });
        ExpectEveryPrefixThrows(file);
    }
}

TEST(BmpDecoderTest, ThirtyTwoBitsWithoutMasksIgnoreTheFourthByte) {
    auto color = [](int x, int y) {
        return static_cast<std::uint32_t>(x * 30 << 16 | y * 60 << 8 | 7);
    };
    const auto file =
        DibBuilder(6, 3, 32)
            .Pixels([&](int x, int y) { return (x == 0 ? 0x00u : 0x40u) << 24 | color(x, y); })
            .Bmp();
    ExpectPixels(*Decode(file), 6, 3, [&](int x, int y) { return Opaque | color(x, y); });
}

TEST(BmpDecoderTest, ThirtyTwoBitFieldsMapChannelsAndKeepUsedAlpha) {
    // Masks in an unusual order: blue in the top byte, alpha in the bottom.
    const auto swapped = DibBuilder(2, 1, 32)
                             .Compression(DibBuilder::BitFields)
                             .Masks(0x00FF0000, 0x0000FF00, 0xFF000000, 0)
                             .Pixels([](int x, int) { return x == 0 ? 0x11223344u : 0xAABBCCDDu; })
                             .Bmp();
    ExpectPixels(*Decode(swapped), 2, 1,
                 [](int x, int) { return x == 0 ? 0xFF223311u : 0xFFBBCCAAu; });

    const auto withAlpha =
        DibBuilder(3, 1, 32)
            .HeaderSize(124)
            .Compression(DibBuilder::BitFields)
            .Masks(0xFF0000, 0xFF00, 0xFF, 0xFF000000)
            .Pixels([](int x, int) {
                const std::uint32_t argb[] = {0xFF102030, 0x80C08040, 0x00FFFFFF};
                return argb[x];
            })
            .Bmp();
    const auto decoded = Decode(withAlpha);
    const TBitmap& bitmap = *decoded;
    EXPECT_EQ(bitmap.Argb(0, 0), 0xFF102030u);
    EXPECT_EQ(bitmap.Argb(1, 0) >> 24, 0x80u);
    EXPECT_NEAR(static_cast<int>(bitmap.Argb(1, 0) >> 16 & 0xFF), 0xC0, 2);
    EXPECT_EQ(bitmap.ScanLine(0)[1], 0x80604020u) << "stored premultiplied";
    EXPECT_EQ(bitmap.ScanLine(0)[2], 0u);

    const auto unusedAlpha = DibBuilder(2, 1, 32)
                                 .HeaderSize(108)
                                 .Compression(DibBuilder::BitFields)
                                 .Masks(0xFF0000, 0xFF00, 0xFF, 0xFF000000)
                                 .Pixels([](int, int) { return 0x00123456u; })
                                 .Bmp();
    ExpectPixels(*Decode(unusedAlpha), 2, 1, [](int, int) { return 0xFF123456u; });
}

TEST(BmpDecoderTest, FileSizeFieldIsNotTrusted) {
    auto file = DibBuilder(3, 2, 24).Pixels([](int, int) { return 0xABCDEFu; }).Bmp();
    file[2] = 54;
    file[3] = file[4] = file[5] = 0;
    ExpectPixels(*Decode(file), 3, 2, [](int, int) { return 0xFFABCDEFu; });
}

TEST(BmpDecoderTest, Rle8RunsLiteralsDeltasAndSkippedPixels) {
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // Bottom row: a run of three 1s, then the literal 2 3 1 (padded to a word). Next row: a
    // delta to column 2, one 3, then end of line. Top row: nothing, then end of bitmap.
    const std::vector<std::uint8_t> rle = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0,
                                           0, 2, 2, 0, 1, 3, 0, 0, 0, 1};
    const auto file = DibBuilder(6, 3, 8)
                          .Compression(DibBuilder::Rle8)
                          .ColorsUsed(4)
                          .Palette(palette)
                          .RawPixels(rle)
                          .Bmp();
    const std::uint32_t expected[3][6] = {
        {0, 0, 0, 0, 0, 0}, {0, 0, 3, 0, 0, 0}, {1, 1, 1, 2, 3, 1}};
    ExpectPixels(*Decode(file), 6, 3,
                 [&](int x, int y) { return Opaque | palette[expected[y][x]]; });
    ExpectEveryPrefixThrows(file);
}

TEST(BmpDecoderTest, Rle4AlternatesNibbles) {
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // A run of five alternating 1 and 2, then the literal 3 1 3 (two bytes, already a word).
    const std::vector<std::uint8_t> rle = {5, 0x12, 0, 3, 0x31, 0x30, 0, 1};
    const auto file = DibBuilder(8, 1, 4)
                          .Compression(DibBuilder::Rle4)
                          .ColorsUsed(4)
                          .Palette(palette)
                          .RawPixels(rle)
                          .Bmp();
    const std::uint32_t expected[] = {1, 2, 1, 2, 1, 3, 1, 3};
    ExpectPixels(*Decode(file), 8, 1, [&](int x, int) { return Opaque | palette[expected[x]]; });
    ExpectEveryPrefixThrows(file);
}

TEST(BmpDecoderTest, RleThatLeavesThePictureIsRefused) {
    const std::vector<std::vector<std::uint8_t>> streams = {
        {5, 1, 0, 1},                   // run longer than the row
        {2, 1, 3, 1, 0, 1},             // second run passes the row end
        {0, 5, 1, 1, 1, 1, 1, 0, 0, 1}, // literal longer than the row
        {0, 2, 5, 0, 0, 1},             // delta past the right edge
        {0, 2, 0, 3, 0, 1},             // delta past the top
        {0, 0, 0, 0, 1, 1, 0, 1},       // run above the last row
        {0, 0, 0, 0, 0, 0, 0, 1},       // more line ends than rows
    };
    for (const auto& rle : streams) {
        const auto file = DibBuilder(4, 2, 8)
                              .Compression(DibBuilder::Rle8)
                              .ColorsUsed(4)
                              .Palette(TestPalette(4))
                              .RawPixels(rle)
                              .Bmp();
        TBitmap bitmap;
        try {
            BmpDecoder::Decode(file, bitmap);
            ADD_FAILURE() << "accepted stream starting " << int(rle[0]) << ", " << int(rle[1]);
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Bitmap RLE data runs past the picture");
        }
    }
}

TEST(BmpDecoderTest, LyingHeadersAreRefused) {
    const DibBuilder good = DibBuilder(4, 4, 24).Pixels([](int, int) { return 0u; });
    auto patched = [&](std::size_t offset, std::uint32_t value) {
        auto file = good.Bmp();
        for (int i = 0; i < 4; ++i) {
            file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return file;
    };
    const std::vector<std::vector<std::uint8_t>> files = {
        patched(10, 0xFFFFFFF0), // pixel offset far past the end
        patched(10, 20),         // pixel offset inside the info header
        patched(10, 54 + 4),     // pixels then run past the end
        patched(14, 39),         // unknown header size
        patched(18, 100000),     // width beyond the limit
        patched(18, 0),          // no width
        patched(22, 0x80000000), // most negative height
        patched(22, 16384),      // height the data cannot hold
        patched(30, 4),          // JPEG compression
        DibBuilder(16384, 2049, 1).Bmp(),
        DibBuilder(3, 3, 2).Pixels([](int, int) { return 0u; }).Bmp(),
        DibBuilder(3, 3, 24).Compression(DibBuilder::Rle8).Bmp(),
        DibBuilder(3, 3, 8).Compression(DibBuilder::Rle8).TopDown().RawPixels({0, 1}).Bmp(),
        DibBuilder(3, 3, 8)
            .ColorsUsed(1000000)
            .Palette(TestPalette(4))
            .Pixels([](int, int) { return 0u; })
            .Bmp(),
        {'B', 'M'},
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        TBitmap bitmap;
        EXPECT_THROW(BmpDecoder::Decode(files[i], bitmap), Exception) << "file " << i;
        EXPECT_TRUE(bitmap.Empty()) << "refused before allocating, file " << i;
    }
}

} // namespace
