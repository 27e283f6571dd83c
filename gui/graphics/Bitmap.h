#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "gui/graphics/Color.h"
#include "gui/graphics/GraphicsObject.h"

class TCanvas;

enum TTransparentMode : std::uint8_t { tmAuto, tmFixed };

// A picture in memory: premultiplied ARGB32 pixels in a cairo image surface, rows top-down with
// no padding. Pictures drawn by the program are opaque; loaded icons may carry alpha.
class TBitmap : public TGraphicsObject {
public:
    // Larger pictures are refused rather than allocated.
    static constexpr int MaxSide = 16384;
    static constexpr long long MaxPixels = 1LL << 25;

    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap&) = delete;
    ~TBitmap() override;
    // Copies pixels and transparency settings, then notifies; the owner's notification stays.
    TBitmap& operator=(const TBitmap& source);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    void SetWidth(int value) { SetSize(value, m_height); }
    void SetHeight(int value) { SetSize(m_width, value); }
    // Keeps the old picture at the top left; new area is opaque white.
    void SetSize(int width, int height);
    // Trades pixels (and with them the size) with another bitmap, without copying them; the
    // transparency settings stay with each bitmap.
    void Exchange(TBitmap& other);

    TCanvas& Canvas();

    std::uint32_t* ScanLine(int y);
    const std::uint32_t* ScanLine(int y) const;
    // Out-of-range pixels read as clNone and ignore writes.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(TTransparentMode value);
    // With tmAuto the colour of the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);

    // Recognises JPEG, ICO, BMP and PNG by content; throws Exception and keeps the old picture
    // when the data cannot be read.
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(std::span<const std::uint8_t> data);
    void SaveToPngFile(const std::string& path) const;
    // The picture as a PNG file's bytes, lossless, for stored layouts.
    std::vector<std::uint8_t> SaveToPngBytes() const;

    // Unpremultiplied ARGB of one pixel, for tests and codecs.
    std::uint32_t Argb(int x, int y) const;

    cairo_surface_t* Surface() const { return m_surface; }

private:
    void Replace(cairo_surface_t* surface, int width, int height);

    cairo_surface_t* m_surface = nullptr;
    int m_width = 0;
    int m_height = 0;
    bool m_transparent = false;
    TTransparentMode m_transparentMode = tmAuto;
    TColor m_transparentColor = clDefault;
    std::unique_ptr<TCanvas> m_canvas;
};
