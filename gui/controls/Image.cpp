#include "gui/controls/Image.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gui/graphics/AreaShrink.h"
#include "gui/graphics/Canvas.h"
#include "gui/graphics/FileBytes.h"

namespace {

// The decoder does not say what it read, and only bitmaps take a transparent colour.
bool StartsLikeBitmap(std::span<const std::uint8_t> data) {
    return data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
}

bool Opaque(const TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* row = bitmap.ScanLine(y);
        if (!std::all_of(row, row + bitmap.Width(),
                         [](std::uint32_t p) { return p >> 24 == 0xFF; }))
            return false;
    }
    return true;
}

void AppendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An uncompressed 24-bit BMP, rows bottom-up, each padded to four bytes.
std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap) {
    constexpr std::uint32_t HeadersSize = 14 + 40;
    const auto width = static_cast<std::uint32_t>(bitmap.Width());
    const auto height = static_cast<std::uint32_t>(bitmap.Height());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> out{'B', 'M'};
    out.reserve(HeadersSize + stride * height);
    AppendLittleEndian(out, HeadersSize + stride * height, 4);
    AppendLittleEndian(out, 0, 4);
    AppendLittleEndian(out, HeadersSize, 4);
    for (std::uint32_t field : {40u, width, height})
        AppendLittleEndian(out, field, 4);
    AppendLittleEndian(out, 1, 2);
    AppendLittleEndian(out, 24, 2);
    for (int field = 0; field < 6; ++field)
        AppendLittleEndian(out, 0, 4);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const std::uint32_t* row = bitmap.ScanLine(y);
        for (std::uint32_t x = 0; x < width; ++x)
            AppendLittleEndian(out, row[x], 3);
        out.resize(out.size() + stride - width * 3);
    }
    return out;
}

void ClearToTransparent(TBitmap& bitmap) {
    if (bitmap.Empty())
        return;
    std::fill_n(bitmap.ScanLine(0), static_cast<std::size_t>(bitmap.Width()) * bitmap.Height(), 0u);
    cairo_surface_mark_dirty(bitmap.Surface());
}

// The largest size of the picture's shape that fits the box.
TSize FitProportionally(int width, int height, int boxWidth, int boxHeight) {
    const long long across = static_cast<long long>(width) * boxHeight;
    const long long down = static_cast<long long>(height) * boxWidth;
    if (across > down)
        return {boxWidth, static_cast<int>(down / width)};
    return {static_cast<int>(across / height), boxHeight};
}

} // namespace

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    m_picture.OnChange = [this](TObject*) {
        if (!m_decoding)
            PictureChanged();
    };
}

// The pixels may now differ from the file's, so they are no longer given up.
TBitmap& TImage::Picture() {
    Decoded();
    m_encoded.clear();
    return m_picture;
}

void TImage::SetPicture(const TBitmap& value) {
    m_bitmapSource = true;
    m_encoded.clear();
    m_pixelsReleased = false;
    m_picture = value;
}

void TImage::LoadFromFile(const std::string& path) {
    LoadPictureFromBytes(ReadFileBytes(path));
}

// The pixels read to check the file stay: a picture is usually drawn soon after it is loaded.
void TImage::LoadPictureFromBytes(std::span<const std::uint8_t> data) {
    TBitmap checked;
    checked.LoadFromBytes(data);
    m_bitmapSource = StartsLikeBitmap(data);
    m_encoded.assign(data.begin(), data.end());
    m_pixelsReleased = false;
    m_decoding = true;
    m_picture.Exchange(checked);
    m_decoding = false;
    PictureChanged();
}

void TImage::ReleasePixels() {
    if (m_encoded.empty() || m_pixelsReleased)
        return;
    TBitmap none;
    m_decoding = true;
    m_picture.Exchange(none);
    m_decoding = false;
    m_prepared = TBitmap();
    m_preparedValid = false;
    m_pixelsReleased = true;
}

// The contents were read whole once already, so decoding them again cannot fail on their account.
const TBitmap& TImage::Decoded() const {
    if (!m_pixelsReleased)
        return m_picture;
    m_decoding = true;
    try {
        m_picture.LoadFromBytes(m_encoded);
    } catch (...) {
        m_decoding = false;
        throw;
    }
    m_decoding = false;
    m_pixelsReleased = false;
    return m_picture;
}

std::vector<std::uint8_t> TImage::SavePictureToBytes() const {
    const TBitmap& picture = Decoded();
    if (!picture.Empty() && m_bitmapSource && Opaque(picture))
        return EncodeBmp(picture);
    return picture.SaveToPngBytes();
}

void TImage::SetStretch(bool value) {
    FlagChanged(m_stretch, value);
}

void TImage::SetCenter(bool value) {
    FlagChanged(m_center, value);
}

void TImage::SetProportional(bool value) {
    FlagChanged(m_proportional, value);
}

void TImage::SetTransparent(bool value) {
    FlagChanged(m_transparent, value);
}

void TImage::SetAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    if (!AdjustSize())
        Invalidate();
}

void TImage::FlagChanged(bool& flag, bool value) {
    if (value == flag)
        return;
    flag = value;
    m_preparedValid = false;
    Invalidate();
}

void TImage::PictureChanged() {
    m_preparedValid = false;
    if (!AdjustSize())
        Invalidate();
}

bool TImage::AdjustSize() {
    if (!m_autoSize || Decoded().Empty())
        return false;
    const TRect old = BoundsRect();
    SetBounds(Left(), Top(), m_picture.Width(), m_picture.Height());
    return BoundsRect() != old;
}

void TImage::Resized() {
    m_preparedValid = false;
}

TRect TImage::DestRect() const {
    const TBitmap& picture = Decoded();
    TSize size{picture.Width(), picture.Height()};
    const bool tooLarge = size.cx > Width() || size.cy > Height();
    if (m_stretch || (m_proportional && tooLarge)) {
        size = m_proportional && !picture.Empty()
                   ? FitProportionally(size.cx, size.cy, Width(), Height())
                   : TSize{Width(), Height()};
    }
    if (!m_center)
        return {0, 0, size.cx, size.cy};
    return Bounds((Width() - size.cx) / 2, (Height() - size.cy) / 2, size.cx, size.cy);
}

void TImage::Paint(TCanvas& canvas) {
    if (Decoded().Empty())
        return;
    const TRect dest = DestRect();
    if (dest.IsEmpty())
        return;
    canvas.Draw(Left() + dest.Left, Top() + dest.Top, Prepared(dest));
}

const TBitmap& TImage::Prepared(const TRect& dest) {
    const bool scaled = dest.Width() != m_picture.Width() || dest.Height() != m_picture.Height();
    // A picture flagged transparent by whoever filled it would be masked again on every draw.
    if (!scaled && !ColorKeyed() && !m_picture.Transparent())
        return m_picture;
    if (!m_preparedValid) {
        Prepare(dest.Width(), dest.Height());
        m_preparedValid = true;
    }
    return m_prepared;
}

void TImage::Prepare(int width, int height) {
    // The splash's large picture shrinks to its window at start-up: averaging gives the smooth
    // filter's picture without its cost.
    if (!ColorKeyed() && !m_picture.Transparent() && width <= m_picture.Width() &&
        height <= m_picture.Height()) {
        m_prepared.SetSize(width, height);
        ShrinkByArea(m_picture, m_prepared);
        return;
    }
    TBitmap source;
    source = m_picture;
    // The canvas clears keyed pixels before it scales, so the smooth filter fades their edges
    // instead of bleeding the key colour into them.
    source.SetTransparent(ColorKeyed());
    m_prepared.SetSize(width, height);
    ClearToTransparent(m_prepared);
    m_prepared.Canvas().StretchDraw(Rect(0, 0, width, height), source);
}
