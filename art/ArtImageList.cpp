#include "art/ArtImageList.h"

#include <algorithm>

#include "art/ArtCanvas.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"

TArtImageList::TArtImageList(int width, int height) : m_list(width, height) {}

void TArtImageList::AddOpaque(const TArtCanvas& canvas) {
    TBitmap bitmap(canvas.Width(), canvas.Height());
    CopyPixels(canvas, bitmap);
    m_list.Add(bitmap, nullptr);
}

void TArtImageList::AddOnBlack(const TArtCanvas& canvas) {
    TBitmap bitmap(canvas.Width(), canvas.Height());
    CopyPixels(canvas, bitmap);
    m_list.AddMasked(bitmap, clBlack);
}

void TArtImageList::CopyPixels(const TArtCanvas& canvas, TBitmap& bitmap) const {
    if (canvas.Width() != m_list.Width() || canvas.Height() != m_list.Height()) {
        throw Exception("A frame of another size than its picture list");
    }
    canvas.Flush();
    for (int y = 0; y < canvas.Height(); ++y) {
        const std::uint32_t* drawn = canvas.Row(y);
        std::copy(drawn, drawn + canvas.Width(), bitmap.ScanLine(y));
    }
    cairo_surface_mark_dirty(bitmap.Surface());
}
