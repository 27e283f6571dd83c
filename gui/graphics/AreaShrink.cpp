#include "gui/graphics/AreaShrink.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "gui/graphics/Bitmap.h"

namespace {

// How much of source pixel Index lies under a target pixel. A source pixel counts `target`
// units along the axis and a target pixel `source` units, so the shares are whole numbers and
// those of one target pixel add up to `source`.
struct TShare {
    int Index;
    std::uint32_t Amount;
};

// The shares of every target pixel along one axis, with where each target pixel's list begins.
struct TAxis {
    std::vector<TShare> Shares;
    std::vector<std::size_t> First;

    TAxis(int source, int target) {
        for (int i = 0; i < target; ++i) {
            First.push_back(Shares.size());
            const std::int64_t begin = static_cast<std::int64_t>(i) * source;
            const std::int64_t end = begin + source;
            for (std::int64_t j = begin / target; j * target < end; ++j) {
                const std::int64_t from = std::max(begin, j * target);
                const std::int64_t to = std::min(end, (j + 1) * target);
                Shares.push_back({static_cast<int>(j), static_cast<std::uint32_t>(to - from)});
            }
        }
        First.push_back(Shares.size());
    }
};

constexpr int Channels = 4;

// A pixel's blue and red, or green and alpha, one to each 32-bit half: one multiplication
// weighs two channels. A half never overflows, as the shares of a target row add up to the
// source's height.
std::uint64_t SpreadBlueRed(std::uint64_t pixel) {
    return (pixel & 0xFFu) | ((pixel & 0xFF0000u) << 16);
}

std::uint64_t SpreadGreenAlpha(std::uint64_t pixel) {
    return ((pixel >> 8) & 0xFFu) | ((pixel & 0xFF000000u) << 8);
}

// The source rows under one target row, weighted by share and added up, column by column.
struct TColumnSums {
    std::vector<std::uint64_t> BlueRed;
    std::vector<std::uint64_t> GreenAlpha;

    void AddDown(const TBitmap& source, const TAxis& down, int y) {
        std::fill(BlueRed.begin(), BlueRed.end(), 0);
        std::fill(GreenAlpha.begin(), GreenAlpha.end(), 0);
        for (std::size_t s = down.First[y]; s < down.First[y + 1]; ++s) {
            const std::uint32_t* row = source.ScanLine(down.Shares[s].Index);
            const std::uint64_t amount = down.Shares[s].Amount;
            for (std::size_t x = 0; x < BlueRed.size(); ++x) {
                BlueRed[x] += SpreadBlueRed(row[x]) * amount;
                GreenAlpha[x] += SpreadGreenAlpha(row[x]) * amount;
            }
        }
    }
};

// One target pixel: the column sums under it weighted across, scaled back to a channel's range.
std::uint32_t AddAcross(const TColumnSums& columns, const TAxis& across, std::size_t x,
                        double perArea) {
    std::uint64_t channel[Channels] = {};
    for (std::size_t s = across.First[x]; s < across.First[x + 1]; ++s) {
        const std::size_t column = across.Shares[s].Index;
        const std::uint64_t amount = across.Shares[s].Amount;
        channel[0] += (columns.BlueRed[column] & 0xFFFFFFFFu) * amount;
        channel[1] += (columns.GreenAlpha[column] & 0xFFFFFFFFu) * amount;
        channel[2] += (columns.BlueRed[column] >> 32) * amount;
        channel[3] += (columns.GreenAlpha[column] >> 32) * amount;
    }
    std::uint32_t pixel = 0;
    for (int c = 0; c < Channels; ++c)
        pixel |= static_cast<std::uint32_t>(static_cast<double>(channel[c]) * perArea + 0.5)
                 << (8 * c);
    return pixel;
}

} // namespace

void ShrinkByArea(const TBitmap& source, TBitmap& target) {
    const int width = target.Width();
    const int height = target.Height();
    if (width > source.Width() || height > source.Height())
        throw std::logic_error("ShrinkByArea cannot enlarge a picture");
    if (target.Empty())
        return;
    const TAxis across(source.Width(), width);
    const TAxis down(source.Height(), height);
    // Each total is at most 255 whole areas, which a double holds exactly; multiplying by the
    // reciprocal spares a division per channel.
    const double perArea = 1.0 / (static_cast<double>(source.Width()) * source.Height());
    const auto columnCount = static_cast<std::size_t>(source.Width());
    TColumnSums columns{std::vector<std::uint64_t>(columnCount),
                        std::vector<std::uint64_t>(columnCount)};
    for (int y = 0; y < height; ++y) {
        columns.AddDown(source, down, y);
        std::uint32_t* out = target.ScanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = AddAcross(columns, across, static_cast<std::size_t>(x), perArea);
    }
}
