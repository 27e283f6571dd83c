#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "art/ArtCanvas.h"
#include "art/ArtOutput.h"
#include "art/BmpWriter.h"
#include "art/IcoWriter.h"
#include "art/JpegWriter.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

namespace {

constexpr std::uint32_t Green = 0xFF00FF00u;
constexpr std::uint32_t Blue = 0xFF0000FFu;
constexpr std::uint32_t Red = 0xFFFF0000u;

// A folder of this test's own, as CTest runs the cases side by side.
class ArtWritersTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("stend_art_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }

    std::filesystem::path m_folder;
};

void Paint(const TArtCanvas& canvas, double x, double y, double w, double h, double r, double g,
           double b) {
    cairo_rectangle(canvas.Cr(), x, y, w, h);
    cairo_set_source_rgb(canvas.Cr(), r, g, b);
    cairo_fill(canvas.Cr());
}

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST_F(ArtWritersTest, IconOfFullWidthKeepsItsSizeCornersAndTransparency) {
    const TArtCanvas canvas(256, 81);
    Paint(canvas, 0, 0, 128, 81, 0, 1, 0);
    Paint(canvas, 255, 80, 1, 1, 0, 0, 1);
    TIcoWriter::Write(canvas, Path("wide.ico"));
    TBitmap bitmap;
    bitmap.LoadFromFile(Path("wide.ico"));
    ASSERT_EQ(bitmap.Width(), 256);
    ASSERT_EQ(bitmap.Height(), 81);
    EXPECT_EQ(bitmap.Argb(0, 0), Green);
    EXPECT_EQ(bitmap.Argb(255, 80), Blue);
    EXPECT_EQ(bitmap.Argb(200, 10) >> 24, 0u);
}

TEST_F(ArtWritersTest, IconMaskMarksTransparentPixelsInPaddedBottomUpRows) {
    const TArtCanvas canvas(33, 2);
    Paint(canvas, 0, 0, 32, 2, 1, 0, 0);
    TIcoWriter::Write(canvas, Path("mask.ico"));
    const std::vector<std::uint8_t> file = Bytes(Path("mask.ico"));
    // Directory, info header and colour rows come first; each mask row takes 8 bytes.
    const std::size_t mask = 6 + 16 + 40 + 33 * 2 * 4;
    ASSERT_EQ(file.size(), mask + 2 * 8);
    for (const std::size_t row : {mask, mask + 8}) {
        EXPECT_EQ(file[row], 0x00);
        EXPECT_EQ(file[row + 4], 0x80);
    }
}

TEST_F(ArtWritersTest, IconWiderThanTheFormatIsRefused) {
    const TArtCanvas canvas(257, 10);
    EXPECT_THROW(TIcoWriter::Write(canvas, Path("huge.ico")), Exception);
}

TEST_F(ArtWritersTest, BitmapRowsArePaddedAndStoredBottomUp) {
    const TArtCanvas canvas(102, 37);
    Paint(canvas, 0, 0, 102, 37, 1, 0, 1);
    Paint(canvas, 0, 0, 1, 1, 1, 0, 0);
    Paint(canvas, 101, 36, 1, 1, 0, 0, 1);
    TBmpWriter::Write(canvas, Path("glyph.bmp"));
    EXPECT_EQ(Bytes(Path("glyph.bmp")).size(), 54u + 308u * 37u);
    TBitmap bitmap;
    bitmap.LoadFromFile(Path("glyph.bmp"));
    ASSERT_EQ(bitmap.Width(), 102);
    ASSERT_EQ(bitmap.Height(), 37);
    EXPECT_EQ(bitmap.Argb(0, 0), Red);
    EXPECT_EQ(bitmap.Argb(101, 36), Blue);
    EXPECT_EQ(bitmap.Argb(0, 36), 0xFFFF00FFu);
}

TEST_F(ArtWritersTest, JpegKeepsItsSizeAndAFlatColour) {
    const TArtCanvas canvas(20, 40);
    canvas.Fill(TRgb::Bytes(200, 100, 50));
    TJpegWriter::Write(canvas, Path("block.jpg"));
    TBitmap bitmap;
    bitmap.LoadFromFile(Path("block.jpg"));
    ASSERT_EQ(bitmap.Width(), 20);
    ASSERT_EQ(bitmap.Height(), 40);
    const std::uint32_t pixel = bitmap.Argb(10, 20);
    EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), 200, 4);
    EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 100, 4);
    EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 50, 4);
}

TEST_F(ArtWritersTest, OutputIntoAFolderThatCannotBeMadeIsAClearError) {
    std::ofstream(Path("plain")) << "not a folder";
    const TArtOutput output(Path("plain"));
    const TArtCanvas canvas(4, 4);
    EXPECT_THROW(output.Jpeg("pictures/x.jpg", canvas), Exception);
}

} // namespace
