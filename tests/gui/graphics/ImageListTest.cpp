#include "gui/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/Exception.h"
#include "support/StoredImageList.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kColourFile = kHeaderSize;
const std::string kReadFailure = "Failed to read ImageList data from stream";

std::uint32_t U16(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}

std::uint32_t U32(const Bytes& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b.at(at) = static_cast<std::uint8_t>(v);
    b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v);
    Put16(b, at + 2, v >> 16);
}

// A distinct colour for every pixel of every picture, never white.
TColor PictureColor(int picture, int x, int y) {
    return RGB(static_cast<std::uint8_t>(40 * picture + 1), static_cast<std::uint8_t>(20 * x),
               static_cast<std::uint8_t>(30 * y));
}

bool MaskedInTest(int picture, int x, int y) {
    return (x + y + picture) % 3 == 0;
}

void MakePicture(TBitmap& image, int picture, int width, int height) {
    image.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.SetPixel(x, y, PictureColor(picture, x, y));
        }
    }
}

void MakeMask(TBitmap& mask, int picture, int width, int height) {
    mask.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            mask.SetPixel(x, y, MaskedInTest(picture, x, y) ? clWhite : clBlack);
        }
    }
}

void AddPictures(TImageList& list, int count) {
    for (int i = 0; i < count; ++i) {
        TBitmap image;
        TBitmap mask;
        MakePicture(image, i, list.Width(), list.Height());
        MakeMask(mask, i, list.Width(), list.Height());
        list.Add(image, &mask);
    }
}

// Pixels of the 28 x 10 grids of seven-by-five pictures with capacity 8; rows are stored
// bottom-up.
std::uint32_t GridColour(const Bytes& b, int x, int y) {
    return U32(b, kColourFile + 54 + static_cast<std::size_t>((9 - y) * 28 + x) * 4);
}

bool GridMasked(const Bytes& b, int x, int y) {
    const std::size_t mask = kColourFile + 54 + 28 * 10 * 4;
    return (b.at(mask + 62 + static_cast<std::size_t>(9 - y) * 4 + x / 8) >> (7 - x % 8) & 1) != 0;
}

void ReadAll(TImageList& list, const Bytes& bytes) {
    std::size_t offset = 0;
    list.ReadFromStream(bytes, offset);
    EXPECT_EQ(offset, bytes.size());
}

void ExpectSamePictures(const TImageList& a, const TImageList& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        TBitmap pa;
        TBitmap pb;
        ASSERT_TRUE(a.GetBitmap(i, pa));
        ASSERT_TRUE(b.GetBitmap(i, pb));
        for (int y = 0; y < a.Height(); ++y) {
            for (int x = 0; x < a.Width(); ++x) {
                ASSERT_EQ(pa.Argb(x, y), pb.Argb(x, y)) << i << " " << x << "," << y;
            }
        }
    }
}

TEST(ImageListTest, RoundTripKeepsPicturesMasksAndBytes) {
    TImageList list(7, 5);
    AddPictures(list, 5);
    const Bytes first = list.WriteToStream();

    TImageList copy;
    ReadAll(copy, first);
    EXPECT_EQ(copy.Width(), 7);
    EXPECT_EQ(copy.Height(), 5);
    EXPECT_EQ(copy.Count(), 5);
    EXPECT_EQ(copy.WriteToStream(), first);
    ExpectSamePictures(list, copy);

    TBitmap picture;
    ASSERT_TRUE(copy.GetBitmap(3, picture));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const std::uint32_t expected =
                MaskedInTest(3, x, y) ? 0 : ColorToPixel(PictureColor(3, x, y));
            EXPECT_EQ(picture.Argb(x, y), expected) << x << "," << y;
        }
    }
}

TEST(ImageListTest, HeaderFieldsAreExact) {
    TImageList list(7, 5);
    AddPictures(list, 5);
    const Bytes b = list.WriteToStream();

    EXPECT_EQ(b[0], 'I');
    EXPECT_EQ(b[1], 'L');
    EXPECT_EQ(U16(b, 2), 0x0101u);
    EXPECT_EQ(U16(b, 4), 5u);
    EXPECT_EQ(U16(b, 6), 8u);
    EXPECT_EQ(U16(b, 8), 4u);
    EXPECT_EQ(U16(b, 10), 7u);
    EXPECT_EQ(U16(b, 12), 5u);
    EXPECT_EQ(U32(b, 14), 0xFFFFFFFFu);
    EXPECT_EQ(U16(b, 18), 0x10FFu);
    for (std::size_t at = 20; at < 28; at += 2) {
        EXPECT_EQ(U16(b, at), 0xFFFFu);
    }

    const std::size_t colourSize = 28 * 4 * 10;
    const std::size_t mask = kColourFile + 54 + colourSize;
    const std::size_t maskSize = 4 * 10;
    for (std::size_t file : {kColourFile, mask}) {
        EXPECT_EQ(b[file], 'B');
        EXPECT_EQ(b[file + 1], 'M');
        EXPECT_EQ(U32(b, file + 2), 54u);
        EXPECT_EQ(U32(b, file + 6), 0u);
        EXPECT_EQ(U32(b, file + 14), 40u);
        EXPECT_EQ(U32(b, file + 18), 28u);
        EXPECT_EQ(U32(b, file + 22), 10u);
        EXPECT_EQ(U16(b, file + 26), 1u);
        EXPECT_EQ(U32(b, file + 30), 0u);
        EXPECT_EQ(U32(b, file + 38), 0u);
        EXPECT_EQ(U32(b, file + 42), 0u);
        EXPECT_EQ(U32(b, file + 46), 0u);
        EXPECT_EQ(U32(b, file + 50), 0u);
    }
    EXPECT_EQ(U32(b, kColourFile + 10), 54u);
    EXPECT_EQ(U16(b, kColourFile + 28), 32u);
    EXPECT_EQ(U32(b, kColourFile + 34), colourSize);
    EXPECT_EQ(U32(b, mask + 10), 62u);
    EXPECT_EQ(U16(b, mask + 28), 1u);
    EXPECT_EQ(U32(b, mask + 34), maskSize);
    EXPECT_EQ(U32(b, mask + 54), 0x000000u);
    EXPECT_EQ(U32(b, mask + 58), 0xFFFFFFu);

    ASSERT_EQ(b.size(), mask + 62 + maskSize + 22);
    for (std::size_t at = b.size() - 22; at < b.size(); ++at) {
        EXPECT_EQ(b[at], 0) << at;
    }
}

TEST(ImageListTest, PicturesSitFourToARowFromTheTop) {
    TImageList list(7, 5);
    AddPictures(list, 6);
    const Bytes b = list.WriteToStream();
    ASSERT_EQ(U32(b, kColourFile + 18), 28u);
    ASSERT_EQ(U32(b, kColourFile + 22), 10u);

    for (int i = 0; i < 6; ++i) {
        const int left = i % 4 * 7;
        const int top = i / 4 * 5;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) {
                const std::uint32_t rgb = ColorToPixel(PictureColor(i, x, y)) & 0xFFFFFF;
                EXPECT_EQ(GridColour(b, left + x, top + y), rgb) << i << " " << x << "," << y;
                EXPECT_EQ(GridMasked(b, left + x, top + y), MaskedInTest(i, x, y));
            }
        }
    }
}

TEST(ImageListTest, CapacityGrowsByFourAndStoredCapacityIsKept) {
    TImageList list(2, 2);
    EXPECT_EQ(list.Capacity(), 4);
    AddPictures(list, 4);
    EXPECT_EQ(list.Capacity(), 4);
    AddPictures(list, 1);
    EXPECT_EQ(list.Capacity(), 8);
    EXPECT_EQ(U16(list.WriteToStream(), 6), 8u);

    TImageList read;
    ReadAll(read, TStoredList{}.Stream());
    TBitmap image(5, 3);
    for (int i = 0; i < 3; ++i) {
        read.Add(image, nullptr);
    }
    EXPECT_EQ(read.Capacity(), 19);
    read.Add(image, nullptr);
    EXPECT_EQ(read.Count(), 20);
    EXPECT_EQ(read.Capacity(), 23);
    TImageList again;
    ReadAll(again, read.WriteToStream());
    ExpectSamePictures(read, again);
}

TEST(ImageListTest, StoredBenchListsRewriteByteForByte) {
    for (TStoredList stored : {TStoredList{16, 19, 5, 3}, TStoredList{49, 54, 3, 7},
                               TStoredList{0, 0, 0, 0}, TStoredList{1, 1, 1, 1}}) {
        const Bytes bytes = stored.Stream();
        TImageList list;
        ReadAll(list, bytes);
        EXPECT_EQ(list.Count(), stored.Count);
        EXPECT_EQ(list.Capacity(), stored.Capacity);
        EXPECT_EQ(list.WriteToStream(), bytes) << stored.Count << " of " << stored.Capacity;
    }
}

TEST(ImageListTest, ChangesAreAnnounced) {
    TImageList list(3, 3);
    int changes = 0;
    list.OnChange = [&changes](TObject*) { ++changes; };
    AddPictures(list, 2);
    EXPECT_EQ(changes, 2);
    list.SetSize(3, 3);
    EXPECT_EQ(changes, 2);
    list.SetSize(4, 3);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Width(), 4);
    AddPictures(list, 1);
    list.Clear();
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 4);

    const Bytes stored = TStoredList{}.Stream();
    std::size_t offset = 0;
    list.ReadFromStream(stored, offset);
    EXPECT_EQ(changes, 6);
}

TEST(ImageListTest, AddTakesTheTopLeftAndMasks) {
    TImageList list(3, 2);
    TBitmap large;
    MakePicture(large, 1, 5, 4);
    TBitmap small;
    MakePicture(small, 2, 2, 1);
    TBitmap mask(1, 1);
    mask.SetPixel(0, 0, clWhite);

    EXPECT_EQ(list.Add(large, nullptr), 0);
    EXPECT_EQ(list.Add(small, &mask), 1);
    small.SetPixel(1, 0, clFuchsia);
    EXPECT_EQ(list.AddMasked(small, clFuchsia), 2);

    TBitmap picture;
    ASSERT_TRUE(list.GetBitmap(0, picture));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(picture.Argb(x, y), ColorToPixel(PictureColor(1, x, y)));
        }
    }
    ASSERT_TRUE(list.GetBitmap(1, picture));
    EXPECT_EQ(picture.Argb(0, 0), 0u);
    EXPECT_EQ(picture.Argb(1, 0), ColorToPixel(PictureColor(2, 1, 0)));
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(picture.Argb(x, 1), 0u) << "uncovered pixels are transparent";
    }
    ASSERT_TRUE(list.GetBitmap(2, picture));
    EXPECT_EQ(picture.Argb(0, 0), ColorToPixel(PictureColor(2, 0, 0)));
    EXPECT_EQ(picture.Argb(1, 0), 0u);

    TBitmap untouched(1, 1);
    EXPECT_FALSE(list.GetBitmap(3, untouched));
    EXPECT_FALSE(list.GetBitmap(-1, untouched));
    EXPECT_EQ(untouched.Width(), 1);
}

TEST(ImageListTest, ZeroSizedListsStoreButTakeNoPictures) {
    TImageList list(0, 4);
    TBitmap image(2, 2);
    EXPECT_THROW(list.Add(image, nullptr), Exception);
    EXPECT_EQ(list.Count(), 0);
    TImageList copy;
    ReadAll(copy, list.WriteToStream());
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(copy.WriteToStream(), list.WriteToStream());
}

TEST(ImageListTest, ListsBeyondTheSixteenBitFieldsAreNotWritten) {
    TImageList list(1, 1);
    TBitmap image(1, 1);
    for (int i = 0; i < 0x10000; ++i) {
        list.Add(image, nullptr);
    }
    Bytes out = {1, 2, 3};
    try {
        list.WriteToStream(out);
        FAIL() << "a count of 65536 was written";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Failed to write ImageList data to stream");
    }
    EXPECT_EQ(out, (Bytes{1, 2, 3}));
}

class BrokenStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        TImageList source(3, 2);
        AddPictures(source, 5);
        m_valid = source.WriteToStream();
        AddPictures(m_list, 2);
        m_before = m_list.WriteToStream();
    }

    void ExpectRejected(std::span<const std::uint8_t> data, const std::string& what) {
        std::size_t offset = 0;
        try {
            m_list.ReadFromStream(data, offset);
            ADD_FAILURE() << what << " was accepted";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), kReadFailure) << what;
        }
        EXPECT_EQ(offset, 0u) << what;
        EXPECT_EQ(m_list.Count(), 2) << what;
        EXPECT_EQ(m_list.WriteToStream(), m_before) << what;
    }

    void ExpectPatchRejected(std::size_t at, std::uint32_t value, int size,
                             const std::string& what) {
        Bytes broken = m_valid;
        size == 2 ? Put16(broken, at, value) : Put32(broken, at, value);
        ExpectRejected(broken, what);
    }

    Bytes m_valid;
    TImageList m_list{6, 6};
    Bytes m_before;
};

TEST_F(BrokenStreamTest, EveryTruncationIsRejected) {
    for (std::size_t length = 0; length < m_valid.size(); ++length) {
        ExpectRejected(std::span(m_valid).first(length), "length " + std::to_string(length));
    }
}

TEST_F(BrokenStreamTest, InconsistentHeadersAreRejected) {
    const std::size_t mask = kColourFile + 54 + 12 * 4 * 4;
    ExpectPatchRejected(0, 'I' | 'X' << 8, 2, "magic");
    ExpectPatchRejected(2, 0x0102, 2, "version");
    ExpectPatchRejected(4, 9, 2, "count beyond capacity");
    ExpectPatchRejected(10, 0, 2, "zero width with pictures");
    ExpectPatchRejected(12, 0, 2, "zero height with pictures");
    ExpectPatchRejected(10, 4, 2, "width not matching the bitmaps");
    ExpectPatchRejected(6, 12, 2, "capacity not matching the bitmaps");
    ExpectPatchRejected(10, 0xFFFF, 2, "huge width");
    ExpectPatchRejected(12, 0xFFFF, 2, "huge height");
    ExpectPatchRejected(6, 0xFFFF, 2, "huge capacity");
    for (std::size_t file : {kColourFile, mask}) {
        const std::string name = file == mask ? "mask " : "colour ";
        ExpectPatchRejected(file, 'B' | 'A' << 8, 2, name + "bitmap magic");
        ExpectPatchRejected(file + 6, 1, 2, name + "reserved word");
        ExpectPatchRejected(file + 10, 58, 4, name + "pixel offset");
        ExpectPatchRejected(file + 14, 108, 4, name + "info header size");
        ExpectPatchRejected(file + 18, 13, 4, name + "bitmap width");
        ExpectPatchRejected(file + 22, static_cast<std::uint32_t>(-4), 4, name + "top-down rows");
        ExpectPatchRejected(file + 26, 2, 2, name + "planes");
        ExpectPatchRejected(file + 28, 24, 2, name + "bit count");
        ExpectPatchRejected(file + 30, 3, 4, name + "compression");
        ExpectPatchRejected(file + 34, 5, 4, name + "image size");
        ExpectPatchRejected(file + 46, 16, 4, name + "colours used");
    }
    ExpectPatchRejected(m_valid.size() - 2, 0x0100, 2, "trailer");
}

TEST_F(BrokenStreamTest, HugeConsistentSizesWithoutPixelsAreRejected) {
    const std::uint32_t gridHeight = 0x10000 / 4 * 22;
    Bytes huge = m_valid;
    Put16(huge, 6, 0xFFFF);
    Put16(huge, 10, 22);
    Put16(huge, 12, 22);
    Put32(huge, kColourFile + 18, 4 * 22);
    Put32(huge, kColourFile + 22, gridHeight);
    Put32(huge, kColourFile + 34, 0);
    ExpectRejected(huge, "a grid of 65535 pictures of 22 x 22 in a short stream");
    Put16(huge, 10, 23);
    Put32(huge, kColourFile + 18, 4 * 23);
    ExpectRejected(huge, "a grid beyond the pixel limit");
}

TEST_F(BrokenStreamTest, OffsetsOutsideTheDataAreRejected) {
    std::size_t offset = m_valid.size() + 1;
    EXPECT_THROW(m_list.ReadFromStream(m_valid, offset), EReadError);
    EXPECT_EQ(offset, m_valid.size() + 1);
    EXPECT_EQ(m_list.WriteToStream(), m_before);
}

TEST(ImageListTest, ReadsAListEmbeddedInOtherData) {
    TImageList source(4, 4);
    AddPictures(source, 3);
    Bytes data = {9, 9, 9};
    source.WriteToStream(data);
    const std::size_t end = data.size();
    data.push_back(42);

    TImageList list;
    std::size_t offset = 3;
    list.ReadFromStream(data, offset);
    EXPECT_EQ(offset, end);
    ExpectSamePictures(source, list);
}

TEST(ImageListTest, AViewedListShowsTheDataInPlaceAndCopiesItOnlyToChange) {
    TImageList source(7, 5);
    AddPictures(source, 5);
    const Bytes stored = source.WriteToStream();
    const Bytes original = stored;

    TImageList viewed;
    std::size_t offset = 0;
    viewed.ViewStream(stored, offset);
    EXPECT_EQ(offset, stored.size());
    ExpectSamePictures(source, viewed);
    EXPECT_EQ(viewed.WriteToStream(), stored);

    // A change takes the pictures over and leaves the data alone.
    AddPictures(viewed, 4);
    EXPECT_EQ(viewed.Count(), 9);
    EXPECT_EQ(viewed.Capacity(), 12);
    EXPECT_EQ(stored, original);
    TImageList firstFive(7, 5);
    AddPictures(firstFive, 5);
    TBitmap picture;
    ASSERT_TRUE(viewed.GetBitmap(4, picture));
    TBitmap expected;
    ASSERT_TRUE(firstFive.GetBitmap(4, expected));
    EXPECT_EQ(picture.Argb(3, 2), expected.Argb(3, 2));
    ASSERT_TRUE(viewed.GetBitmap(8, picture));
    ASSERT_TRUE(firstFive.GetBitmap(3, expected));
    EXPECT_EQ(picture.Argb(3, 2), expected.Argb(3, 2));
}

TEST_F(BrokenStreamTest, AViewedStreamIsCheckedAsAReadOne) {
    for (std::size_t length = 0; length < m_valid.size(); ++length) {
        std::size_t offset = 0;
        EXPECT_THROW(m_list.ViewStream(std::span(m_valid).first(length), offset), EReadError)
            << length;
        EXPECT_EQ(offset, 0u);
    }
    EXPECT_EQ(m_list.WriteToStream(), m_before);
}

// A 3 x 3 picture: R red, W white, B blue, '.' masked.
class ImageListDrawTest : public ::testing::Test {
protected:
    static constexpr int Left = 2;
    static constexpr int Top = 3;
    static constexpr TColor Background = clAqua;

    void SetUp() override {
        const char* rows[] = {"RW.", ".BR", "W.."};
        TBitmap image(3, 3);
        TBitmap mask(3, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                const char c = rows[y][x];
                image.SetPixel(x, y, c == 'R' ? clRed : c == 'B' ? clBlue : clWhite);
                mask.SetPixel(x, y, c == '.' ? clWhite : clBlack);
            }
        }
        m_list.Add(image, &mask);
        m_target.Fill(Background);
    }

    void ExpectCanvas(const std::vector<std::pair<TPoint, TColor>>& painted) {
        for (int y = 0; y < m_target.Height(); ++y) {
            for (int x = 0; x < m_target.Width(); ++x) {
                TColor expected = Background;
                for (const auto& [at, color] : painted) {
                    if (at == TPoint{x - Left, y - Top}) {
                        expected = ColorToRGB(color);
                    }
                }
                EXPECT_EQ(m_target.Pixel(x, y), expected) << x << "," << y;
            }
        }
    }

    TImageList m_list{3, 3};
    TBitmap m_target{8, 8};
};

TEST_F(ImageListDrawTest, EnabledLeavesMaskedPixelsAlone) {
    m_list.Draw(m_target.Canvas(), Left, Top, 0);
    ExpectCanvas(
        {{{0, 0}, clRed}, {{1, 0}, clWhite}, {{1, 1}, clBlue}, {{2, 1}, clRed}, {{0, 2}, clWhite}});
}

TEST_F(ImageListDrawTest, DisabledIsEmbossedFromItsInk) {
    m_list.Draw(m_target.Canvas(), Left, Top, 0, false);
    ExpectCanvas({{{0, 0}, clBtnShadow},
                  {{1, 1}, clBtnShadow},
                  {{2, 1}, clBtnShadow},
                  {{2, 2}, clBtnHighlight},
                  {{3, 2}, clBtnHighlight}});
}

TEST_F(ImageListDrawTest, IndexesOutsideTheListDrawNothing) {
    for (bool enabled : {true, false}) {
        m_list.Draw(m_target.Canvas(), Left, Top, -1, enabled);
        m_list.Draw(m_target.Canvas(), Left, Top, 1, enabled);
    }
    ExpectCanvas({});
}

// The drawing of a picture is kept between draws; a list that changes must not draw it again.
TEST_F(ImageListDrawTest, APictureDrawnBeforeTheListChangedIsNotDrawnAgain) {
    const std::vector<std::uint8_t> masked = m_list.WriteToStream();
    m_list.Draw(m_target.Canvas(), Left, Top, 0);
    TBitmap blue(3, 3);
    blue.Fill(clBlue);
    m_list.Clear();
    m_list.Add(blue, nullptr);
    m_target.Fill(Background);
    m_list.Draw(m_target.Canvas(), Left, Top, 0);
    std::vector<std::pair<TPoint, TColor>> all;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            all.push_back({{x, y}, clBlue});
    ExpectCanvas(all);

    std::size_t offset = 0;
    m_list.ReadFromStream(masked, offset);
    m_target.Fill(Background);
    m_list.Draw(m_target.Canvas(), Left, Top, 0);
    ExpectCanvas(
        {{{0, 0}, clRed}, {{1, 0}, clWhite}, {{1, 1}, clBlue}, {{2, 1}, clRed}, {{0, 2}, clWhite}});
}

// Half in, half out of the canvas on every side, and inside a clip rectangle.
TEST_F(ImageListDrawTest, PicturesReachingPastTheCanvasOrItsClipAreCutThere) {
    const TPoint corners[] = {{-1, -2}, {6, -1}, {-2, 6}, {7, 7}, {9, 2}};
    for (const TPoint at : corners) {
        TBitmap expected(8, 8);
        expected.Fill(Background);
        TBitmap picture;
        m_list.GetBitmap(0, picture);
        expected.Canvas().Draw(at.X, at.Y, picture);
        m_target.Fill(Background);
        m_list.Draw(m_target.Canvas(), at.X, at.Y, 0);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                ASSERT_EQ(m_target.Pixel(x, y), expected.Pixel(x, y)) << at.X << "," << at.Y;
    }
    m_target.Fill(Background);
    m_target.Canvas().SetClipRect(Rect(0, 0, Left + 1, Top + 2));
    m_list.Draw(m_target.Canvas(), Left, Top, 0);
    ExpectCanvas({{{0, 0}, clRed}});
}

} // namespace
