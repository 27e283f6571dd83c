#include "gui/graphics/ImageList.h"

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/Exception.h"

namespace {

constexpr std::uint32_t kRgbBits = 0xFFFFFF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kOpaque = 0xFF000000u;

} // namespace

TImageList::TImageList(int width, int height)
    : m_content{0, {}, TImageGrid(width, height, GrowBy)} {}

void TImageList::SetSize(int width, int height) {
    if (width == Width() && height == Height()) {
        return;
    }
    Reset(width, height);
    Modified();
}

void TImageList::Reset(int width, int height) {
    m_content.Grid = TImageGrid(width, height, GrowBy);
    m_content.Count = 0;
}

void TImageList::Clear() {
    Reset(Width(), Height());
    Modified();
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    return Append(image, [mask](int x, int y) {
        return mask && x < mask->Width() && y < mask->Height() &&
               (mask->Argb(x, y) & kRgbBits) == kWhite;
    });
}

int TImageList::AddMasked(const TBitmap& image, TColor transparentColor) {
    const std::uint32_t transparent = ColorToPixel(transparentColor) & kRgbBits;
    return Append(image, [&image, transparent](int x, int y) {
        return (image.Argb(x, y) & kRgbBits) == transparent;
    });
}

int TImageList::Append(const TBitmap& image, const std::function<bool(int x, int y)>& masked) {
    if (Width() == 0 || Height() == 0) {
        throw Exception("Cannot add a picture to an image list of zero size");
    }
    TImageGrid& grid = m_content.Grid;
    if (Count() == Capacity()) {
        grid.SetCapacity(Capacity() + GrowBy);
    }
    const int index = m_content.Count;
    for (int y = 0; y < Height(); ++y) {
        for (int x = 0; x < Width(); ++x) {
            const bool covered = x < image.Width() && y < image.Height();
            grid.SetColour(index, x, y, covered ? image.Argb(x, y) & kRgbBits : 0);
            grid.SetMasked(index, x, y, !covered || masked(x, y));
        }
    }
    ++m_content.Count;
    Modified();
    return index;
}

std::uint32_t TImageList::PicturePixel(int index, int x, int y) const {
    const TImageGrid& grid = m_content.Grid;
    return grid.Masked(index, x, y) ? 0 : kOpaque | grid.Colour(index, x, y);
}

void TImageList::Modified() {
    m_pictures.clear();
    m_runs.clear();
    Changed();
}

// Pictures are converted once and kept: displays draw the same few pictures on every frame.
const TBitmap& TImageList::Picture(int index) const {
    if (m_pictures.size() < static_cast<std::size_t>(Count())) {
        m_pictures.resize(static_cast<std::size_t>(Count()));
    }
    std::unique_ptr<TBitmap>& picture = m_pictures[static_cast<std::size_t>(index)];
    if (!picture) {
        picture = std::make_unique<TBitmap>(Width(), Height());
        for (int y = 0; y < Height(); ++y) {
            std::uint32_t* row = picture->ScanLine(y);
            for (int x = 0; x < Width(); ++x) {
                row[x] = PicturePixel(index, x, y);
            }
        }
        cairo_surface_mark_dirty(picture->Surface());
    }
    return *picture;
}

// A picture of the list is opaque where it is not masked, so copying its opaque runs draws it.
const TOpaqueRuns& TImageList::Runs(int index) const {
    if (m_runs.size() < static_cast<std::size_t>(Count())) {
        m_runs.resize(static_cast<std::size_t>(Count()));
    }
    std::unique_ptr<TOpaqueRuns>& runs = m_runs[static_cast<std::size_t>(index)];
    if (!runs) {
        runs = std::make_unique<TOpaqueRuns>(Picture(index));
    }
    return *runs;
}

bool TImageList::GetBitmap(int index, TBitmap& out) const {
    if (index < 0 || index >= Count()) {
        return false;
    }
    out = Picture(index);
    return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) {
        return;
    }
    if (enabled) {
        canvas.Draw(x, y, Picture(index), Runs(index));
        return;
    }
    TBitmap highlight;
    TBitmap shadow;
    GetSilhouette(index, clBtnHighlight, highlight);
    GetSilhouette(index, clBtnShadow, shadow);
    canvas.Draw(x + 1, y + 1, highlight);
    canvas.Draw(x, y, shadow);
}

// The ink of an embossed picture: its opaque pixels that are not white.
void TImageList::GetSilhouette(int index, TColor color, TBitmap& out) const {
    const std::uint32_t ink = ColorToPixel(color);
    out.SetSize(Width(), Height());
    const TBitmap& picture = Picture(index);
    for (int y = 0; y < Height(); ++y) {
        const std::uint32_t* source = picture.ScanLine(y);
        std::uint32_t* row = out.ScanLine(y);
        for (int x = 0; x < Width(); ++x) {
            row[x] = source[x] != 0 && (source[x] & kRgbBits) != kWhite ? ink : 0;
        }
    }
    cairo_surface_mark_dirty(out.Surface());
}

void TImageList::ReadFromStream(std::span<const std::uint8_t> data, std::size_t& offset) {
    m_content = TImageListStream::Read(data, offset);
    Modified();
}

void TImageList::ViewStream(std::span<const std::uint8_t> data, std::size_t& offset) {
    m_content = TImageListStream::View(data, offset);
    Modified();
}

void TImageList::WriteToStream(std::vector<std::uint8_t>& out) const {
    TImageListStream::Write(m_content, out);
}

std::vector<std::uint8_t> TImageList::WriteToStream() const {
    std::vector<std::uint8_t> out;
    WriteToStream(out);
    return out;
}
