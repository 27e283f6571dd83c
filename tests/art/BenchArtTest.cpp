#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "art/ArtOutput.h"
#include "art/BeltArt.h"
#include "art/BulbArt.h"
#include "art/CharacteristicArt.h"
#include "art/DriveGeometry.h"
#include "art/GraphPaperArt.h"
#include "art/MotorArt.h"
#include "art/PulleyArt.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/ImageList.h"
#include "stand/GeneratorCharacteristic.h"

namespace {

using TScheme = TGeneratorCharacteristic::TScheme;

constexpr TScheme Schemes[] = {TScheme::Independent, TScheme::Series, TScheme::Shunt};

// The part of a characteristic frame that the bench's display shows.
constexpr int VisibleLeft = 23;
constexpr int VisibleRight = 199;
constexpr int VisibleTop = 18;
constexpr int VisibleBottom = 130;

std::uint32_t Alpha(std::uint32_t argb) {
    return argb >> 24;
}

int Channel(std::uint32_t argb, int shift) {
    return static_cast<int>((argb >> shift) & 0xFF);
}

bool IsPoint(std::uint32_t argb) {
    return Alpha(argb) == 0xFF && Channel(argb, 16) >= 200 && Channel(argb, 8) >= 200 &&
           Channel(argb, 0) >= 200;
}

bool IsCurve(std::uint32_t argb) {
    return Alpha(argb) == 0xFF && Channel(argb, 16) >= 120 && Channel(argb, 8) < 100;
}

struct TBlob {
    double x;
    double y;
};

// The centres of the groups of touching point-coloured pixels.
std::vector<TBlob> Points(const TBitmap& frame) {
    std::vector<bool> seen(static_cast<std::size_t>(frame.Width() * frame.Height()));
    std::vector<TBlob> blobs;
    for (int y0 = 0; y0 < frame.Height(); ++y0) {
        for (int x0 = 0; x0 < frame.Width(); ++x0) {
            if (seen[y0 * frame.Width() + x0] || !IsPoint(frame.Argb(x0, y0))) {
                continue;
            }
            std::vector<std::pair<int, int>> todo{{x0, y0}};
            seen[y0 * frame.Width() + x0] = true;
            double sx = 0, sy = 0;
            int n = 0;
            while (!todo.empty()) {
                const auto [x, y] = todo.back();
                todo.pop_back();
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < frame.Width() && ny < frame.Height() &&
                        !seen[ny * frame.Width() + nx] && IsPoint(frame.Argb(nx, ny))) {
                        seen[ny * frame.Width() + nx] = true;
                        todo.emplace_back(nx, ny);
                    }
                }
            }
            blobs.push_back({sx / n, sy / n});
        }
    }
    return blobs;
}

bool CurveAt(const TBitmap& frame, const TCharacteristicArt::TPoint& p) {
    return IsCurve(frame.Argb(static_cast<int>(p.x), static_cast<int>(p.y)));
}

// A picture of the drive where the bench places it, stretched to its place like the screen does.
struct TPlaced {
    std::string name;
    int left;
    int top;
    int width;
    int height;
    TBitmap picture;

    bool Inside(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    std::uint32_t AlphaAt(int x, int y) const {
        if (!Inside(x, y)) {
            return 0;
        }
        return Alpha(picture.Argb((x - left) * picture.Width() / width,
                                  (y - top) * picture.Height() / height));
    }
};

// The pictures are drawn into a folder of this test's own, as CTest runs the cases side by side.
class BenchArtTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder =
            std::filesystem::temp_directory_path() /
            ("stend_bench_art_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    TArtOutput Output() const { return TArtOutput(m_folder.string()); }
    std::string Path(const std::string& name) const { return (m_folder / name).string(); }

    void ReadList(const std::string& name, TImageList& list) const {
        std::vector<std::uint8_t> bytes(std::filesystem::file_size(Path(name)));
        std::ifstream file(Path(name), std::ios::binary);
        file.read(reinterpret_cast<char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        std::size_t offset = 0;
        list.ReadFromStream(bytes, offset);
        EXPECT_EQ(offset, bytes.size());
    }

    void ReadCharacteristic(TImageList& list) const {
        TCharacteristicArt::Write(Output());
        ReadList("bench/characteristic.il", list);
        ASSERT_EQ(list.Count(), TCharacteristicArt::FrameCount);
    }

    std::filesystem::path m_folder;
};

TEST_F(BenchArtTest, PictureListsReadBackWithTheirCountAndSize) {
    TBulbArt::Write(Output());
    TCharacteristicArt::Write(Output());
    TGraphPaperArt::Write(Output());
    const struct {
        const char* name;
        int count;
        int width;
        int height;
    } lists[] = {{"bench/bulbs.il", 16, 70, 70},
                 {"bench/characteristic.il", 49, 222, 149},
                 {"bench/canvas.il", 15, 222, 153}};
    for (const auto& expected : lists) {
        TImageList list;
        ReadList(expected.name, list);
        EXPECT_EQ(list.Count(), expected.count) << expected.name;
        EXPECT_EQ(list.Width(), expected.width) << expected.name;
        EXPECT_EQ(list.Height(), expected.height) << expected.name;
    }
}

TEST_F(BenchArtTest, BulbBrightensFromGreyToYellow) {
    TBulbArt::Write(Output());
    TImageList list;
    ReadList("bench/bulbs.il", list);
    // Over the globe, red against blue tells yellow from grey.
    const auto yellowness = [&](int index, int& brightness) {
        TBitmap frame;
        EXPECT_TRUE(list.GetBitmap(index, frame));
        int red = 0, blue = 0, n = 0;
        for (int y = 16; y < 38; ++y) {
            for (int x = 24; x < 46; ++x, ++n) {
                red += Channel(frame.Argb(x, y), 16);
                blue += Channel(frame.Argb(x, y), 0);
            }
        }
        brightness = red / n;
        return (red - blue) / n;
    };
    int cold = 0, warm = 0, hot = 0;
    EXPECT_LT(yellowness(0, cold), 15);
    EXPECT_GT(yellowness(15, hot), 60);
    yellowness(8, warm);
    EXPECT_LT(cold, warm);
    EXPECT_LT(warm, hot);
    EXPECT_GT(hot, 200);
}

TEST_F(BenchArtTest, CharacteristicBlankFrameIsFullyMasked) {
    TImageList list;
    ReadCharacteristic(list);
    TBitmap blank;
    ASSERT_TRUE(list.GetBitmap(TCharacteristicArt::BlankFrame, blank));
    int opaque = 0;
    for (int y = 0; y < blank.Height(); ++y) {
        for (int x = 0; x < blank.Width(); ++x) {
            opaque += Alpha(blank.Argb(x, y)) != 0;
        }
    }
    EXPECT_EQ(opaque, 0);
}

TEST_F(BenchArtTest, CharacteristicFramesShowTheStepsMeasuredSoFarInsideTheDisplay) {
    TImageList list;
    ReadCharacteristic(list);
    for (const TScheme scheme : Schemes) {
        for (int k = 0; k <= TCharacteristicArt::PointCount; ++k) {
            TBitmap frame;
            ASSERT_TRUE(list.GetBitmap(TCharacteristicArt::FirstFrame(scheme) + k, frame));
            const std::vector<TBlob> blobs = Points(frame);
            ASSERT_EQ(static_cast<int>(blobs.size()), k) << "frame of " << k << " points";
            for (int step = 1; step <= k; ++step) {
                const TCharacteristicArt::TPoint p =
                    TCharacteristicArt::Place(TGeneratorCharacteristic::At(scheme, step));
                int found = 0;
                for (const TBlob& blob : blobs) {
                    found += std::hypot(blob.x - p.x, blob.y - p.y) < 1.0;
                }
                EXPECT_EQ(found, 1) << "step " << step << " of " << k;
            }
            for (int y = 0; y < frame.Height(); ++y) {
                for (int x = 0; x < frame.Width(); ++x) {
                    if (Alpha(frame.Argb(x, y)) != 0) {
                        ASSERT_TRUE(x >= VisibleLeft && x <= VisibleRight && y >= VisibleTop &&
                                    y <= VisibleBottom)
                            << "ink at " << x << ", " << y;
                    }
                }
            }
        }
    }
}

TEST_F(BenchArtTest, ShuntCurveTurnsBackDashedWhileTheOthersAreSolid) {
    TImageList list;
    ReadCharacteristic(list);
    const auto along = [&](TScheme scheme, double from, double to, int& drawn, int& samples) {
        TBitmap frame;
        ASSERT_TRUE(list.GetBitmap(TCharacteristicArt::FirstFrame(scheme), frame));
        drawn = 0;
        samples = 0;
        for (double r = from; r <= to; r += 0.05, ++samples) {
            drawn +=
                CurveAt(frame, TCharacteristicArt::Place(TGeneratorCharacteristic::At(scheme, r)));
        }
    };
    int drawn = 0;
    int samples = 0;
    along(TScheme::Shunt, 12.1, 14.9, drawn, samples);
    EXPECT_GT(drawn, samples / 4);
    EXPECT_LT(drawn, samples - samples / 5);
    for (const TScheme scheme : Schemes) {
        along(scheme, 0.1, 11.9, drawn, samples);
        EXPECT_EQ(drawn, samples);
    }
    // The turn: nothing lies right of the current reached at rheostat step 12.
    TBitmap frame;
    ASSERT_TRUE(list.GetBitmap(TCharacteristicArt::FirstFrame(TScheme::Shunt), frame));
    const double nose =
        TCharacteristicArt::Place(TGeneratorCharacteristic::At(TScheme::Shunt, 12)).x;
    for (int y = 0; y < frame.Height(); ++y) {
        for (int x = static_cast<int>(nose) + 3; x < frame.Width(); ++x) {
            ASSERT_FALSE(IsCurve(frame.Argb(x, y))) << x << ", " << y;
        }
    }
}

// The phases are stacked and shown several at once: the one on top must hide the others.
TEST_F(BenchArtTest, PulleyPhasesAreOpaqueOverTheWheelAndTurn) {
    TPulleyArt::Write(Output());
    const double cx = TDriveGeometry::Generator.x - 133;
    const double cy = TDriveGeometry::Generator.y - 284;
    TBitmap phases[TPulleyArt::PhaseCount];
    for (int i = 0; i < TPulleyArt::PhaseCount; ++i) {
        TBitmap& phase = phases[i];
        phase.LoadFromFile(Path("bench/pulley" + std::to_string(i + 1) + ".ico"));
        ASSERT_EQ(phase.Width(), 132);
        ASSERT_EQ(phase.Height(), 137);
        for (int y = 0; y < phase.Height(); ++y) {
            for (int x = 0; x < phase.Width(); ++x) {
                const double r = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (r < TDriveGeometry::WheelRadius - 1) {
                    ASSERT_EQ(Alpha(phase.Argb(x, y)), 0xFFu) << x << ", " << y;
                } else if (r > TDriveGeometry::WheelRadius + 1) {
                    ASSERT_EQ(Alpha(phase.Argb(x, y)), 0u) << x << ", " << y;
                }
            }
        }
    }
    // Phases 2, 3 and 4 are the ones cycled: each differs from the next.
    for (int i = 1; i < TPulleyArt::PhaseCount; ++i) {
        const TBitmap& next = phases[i == TPulleyArt::PhaseCount - 1 ? 1 : i + 1];
        int differing = 0;
        for (int y = 0; y < next.Height(); ++y) {
            for (int x = 0; x < next.Width(); ++x) {
                differing += phases[i].Argb(x, y) != next.Argb(x, y);
            }
        }
        EXPECT_GT(differing, 500) << "phase " << i + 1;
    }
}

// The drive is cut into pictures at fixed places: wherever the belt leaves one picture, the
// next picture must carry it on.
TEST_F(BenchArtTest, BeltRunsOnAcrossTheDrivePictures) {
    TPulleyArt::Write(Output());
    TMotorArt::Write(Output());
    TBeltArt::Write(Output());
    TPlaced drive[] = {{"bench/pulley-large.ico", 112, 264, 177, 185, {}},
                       {"bench/motor.ico", 0, 496, 193, 209, {}},
                       {"bench/belt1.ico", 144, 408, 105, 105, {}},
                       {"bench/belt2.ico", 56, 360, 105, 137, {}}};
    for (TPlaced& piece : drive) {
        piece.picture.LoadFromFile(Path(piece.name));
    }
    // Within a pixel: anti-aliased edges and the stretch may shift an edge by one.
    const auto coveredBeside = [&](const TPlaced& self, int x, int y) {
        for (const TPlaced& piece : drive) {
            if (&piece == &self) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (piece.AlphaAt(x + dx, y + dy) >= 128) {
                        return true;
                    }
                }
            }
        }
        return false;
    };
    for (const TPlaced& piece : drive) {
        int crossings = 0;
        for (int y = piece.top; y < piece.top + piece.height; ++y) {
            for (int x = piece.left; x < piece.left + piece.width; ++x) {
                if (piece.AlphaAt(x, y) < 250) {
                    continue;
                }
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    if (!piece.Inside(x + dx, y + dy)) {
                        ++crossings;
                        EXPECT_TRUE(coveredBeside(piece, x + dx, y + dy))
                            << piece.name << " ends at " << x << ", " << y;
                    }
                }
            }
        }
        EXPECT_GT(crossings, 0) << piece.name;
    }
}

} // namespace
