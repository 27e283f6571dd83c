#include "gui/graphics/JpegDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "support/JpegEncoder.h"

namespace {

constexpr int Width = 48;
constexpr int Height = 32;

std::vector<std::uint8_t> Samples(int components,
                                  const std::function<std::uint8_t(int x, int y, int c)>& value) {
    std::vector<std::uint8_t> samples;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            for (int c = 0; c < components; ++c) {
                samples.push_back(value(x, y, c));
            }
        }
    }
    return samples;
}

std::uint8_t Gradient(int x, int y, int c) {
    const int values[] = {x * 5, y * 7, 255 - x * 2 - y * 2};
    return static_cast<std::uint8_t>(values[c]);
}

std::vector<std::uint8_t> ColourJpeg(bool progressive = false) {
    JpegEncoder encoder(Width, Height, JCS_RGB, 3);
    if (progressive) {
        encoder.Progressive();
    }
    return encoder.Quality(95).Encode(Samples(3, Gradient));
}

std::unique_ptr<TBitmap> Decode(const std::vector<std::uint8_t>& file) {
    auto bitmap = std::make_unique<TBitmap>();
    JpegDecoder::Decode(file, *bitmap);
    return bitmap;
}

// Largest difference of any channel from the expected colour; alpha must be exactly opaque.
int MaxError(const TBitmap& bitmap, const std::function<std::uint32_t(int x, int y)>& rgb) {
    int worst = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint32_t argb = bitmap.Argb(x, y);
            EXPECT_EQ(argb >> 24, 0xFFu);
            for (const int shift : {0, 8, 16}) {
                const int got = static_cast<int>(argb >> shift & 0xFF);
                const int want = static_cast<int>(rgb(x, y) >> shift & 0xFF);
                worst = std::max(worst, std::abs(got - want));
            }
        }
    }
    return worst;
}

std::uint32_t GradientRgb(int x, int y) {
    return static_cast<std::uint32_t>(Gradient(x, y, 0)) << 16 |
           static_cast<std::uint32_t>(Gradient(x, y, 1)) << 8 | Gradient(x, y, 2);
}

TEST(JpegDecoderTest, ColourPicturesComeBackCloseToTheEncodedColours) {
    for (const bool progressive : {false, true}) {
        const auto decoded = Decode(ColourJpeg(progressive));
        const TBitmap& bitmap = *decoded;
        ASSERT_EQ(bitmap.Width(), Width);
        ASSERT_EQ(bitmap.Height(), Height);
        EXPECT_LE(MaxError(bitmap, GradientRgb), 8) << "progressive " << progressive;
    }
}

TEST(JpegDecoderTest, GrayscaleSpreadsToAllChannels) {
    auto gray = [](int x, int y, int) { return static_cast<std::uint8_t>(x * 3 + y * 2); };
    const auto decoded =
        Decode(JpegEncoder(Width, Height, JCS_GRAYSCALE, 1).Quality(95).Encode(Samples(1, gray)));
    const TBitmap& bitmap = *decoded;
    EXPECT_LE(MaxError(bitmap, [&](int x, int y) { return gray(x, y, 0) * 0x010101u; }), 4);
}

// Solid quarters of red, green, blue and black, written as inverted CMYK the way Adobe does.
TEST(JpegDecoderTest, AdobeCmykAndYcckAreConvertedToRgb) {
    auto quarter = [](int x, int y) { return (x >= Width / 2) + 2 * (y >= Height / 2); };
    const std::uint8_t inks[4][4] = {
        {0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 255}};
    const std::uint32_t rgb[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
    const auto samples = Samples(4, [&](int x, int y, int c) {
        return static_cast<std::uint8_t>(255 - inks[quarter(x, y)][c]);
    });
    // Block edges blur in JPEG, so only the pixels away from the quarter borders are compared.
    auto inner = [&](const TBitmap& bitmap) {
        int worst = 0;
        for (int y = 4; y < Height - 4; ++y) {
            for (int x = 4; x < Width - 4; ++x) {
                if (std::abs(x - Width / 2) < 6 || std::abs(y - Height / 2) < 6) {
                    continue;
                }
                const std::uint32_t argb = bitmap.Argb(x, y);
                for (const int shift : {0, 8, 16}) {
                    worst = std::max(
                        worst, std::abs(static_cast<int>(argb >> shift & 0xFF) -
                                        static_cast<int>(rgb[quarter(x, y)] >> shift & 0xFF)));
                }
            }
        }
        return worst;
    };
    EXPECT_LE(inner(*Decode(JpegEncoder(Width, Height, JCS_CMYK, 4).Quality(95).Encode(samples))),
              6);
    EXPECT_LE(
        inner(*Decode(
            JpegEncoder(Width, Height, JCS_CMYK, 4).Quality(95).StoreAs(JCS_YCCK).Encode(samples))),
        6);
}

TEST(JpegDecoderTest, EveryTruncationIsAnException) {
    for (const bool progressive : {false, true}) {
        const auto file = ColourJpeg(progressive);
        for (std::size_t length = 0; length < file.size(); ++length) {
            TBitmap bitmap;
            EXPECT_THROW(JpegDecoder::Decode(std::span(file).first(length), bitmap), Exception)
                << "prefix of " << length << " bytes, progressive " << progressive;
        }
    }
}

TEST(JpegDecoderTest, DamagedEntropyDataDecodesWithoutPrinting) {
    auto file = ColourJpeg();
    for (std::size_t i = file.size() - 200; i < file.size() - 150; i += 3) {
        file[i] = static_cast<std::uint8_t>(file[i] ^ 0x5A) == 0xFF ? 0x00 : file[i] ^ 0x5A;
    }
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    TBitmap bitmap;
    try {
        JpegDecoder::Decode(file, bitmap);
    } catch (const Exception&) {
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

std::size_t FindMarker(const std::vector<std::uint8_t>& file, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == marker) {
            return i;
        }
    }
    ADD_FAILURE() << "marker not found";
    return 0;
}

TEST(JpegDecoderTest, HugeDimensionsAreRefusedBeforeAllocating) {
    for (const auto& [height, width] :
         {std::pair{65500, 65500}, std::pair{0x0001, 0x4001}, std::pair{0x0801, 0x4000}}) {
        auto file = ColourJpeg();
        const std::size_t frame = FindMarker(file, 0xC0);
        file[frame + 5] = static_cast<std::uint8_t>(height >> 8);
        file[frame + 6] = static_cast<std::uint8_t>(height);
        file[frame + 7] = static_cast<std::uint8_t>(width >> 8);
        file[frame + 8] = static_cast<std::uint8_t>(width);
        TBitmap bitmap;
        try {
            JpegDecoder::Decode(file, bitmap);
            ADD_FAILURE() << width << " x " << height << " was accepted";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find("is not supported"), std::string::npos)
                << e.what();
        }
        EXPECT_TRUE(bitmap.Empty());
    }
}

// Repeating the first scan of a progressive file only earns warnings from libjpeg, so without a
// limit such a file would make it run over the picture again and again.
TEST(JpegDecoderTest, EndlessScansAreCutShort) {
    const auto file = ColourJpeg(true);
    const std::size_t scan = FindMarker(file, 0xDA);
    std::size_t next = scan + 2;
    while (!(file[next] == 0xFF && file[next + 1] != 0x00 &&
             (file[next + 1] < 0xD0 || file[next + 1] > 0xD7))) {
        ++next;
    }
    std::vector<std::uint8_t> looping(file.begin(), file.begin() + static_cast<long>(next));
    for (int i = 0; i < 1100; ++i) {
        looping.insert(looping.end(), file.begin() + static_cast<long>(scan),
                       file.begin() + static_cast<long>(next));
    }
    looping.insert(looping.end(), {0xFF, 0xD9});
    TBitmap bitmap;
    EXPECT_THROW(
        {
            try {
                JpegDecoder::Decode(looping, bitmap);
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "JPEG picture has too many scans");
                throw;
            }
        },
        Exception);
}

TEST(JpegDecoderTest, UnsupportedColourSpaceIsRefused) {
    const auto file = JpegEncoder(Width, Height, JCS_UNKNOWN, 2).Encode(Samples(2, Gradient));
    TBitmap bitmap;
    EXPECT_THROW(JpegDecoder::Decode(file, bitmap), Exception);
}

} // namespace
