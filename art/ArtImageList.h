#pragma once

#include "gui/graphics/ImageList.h"

class TArtCanvas;
class TBitmap;

// Drawn frames gathered into a picture list of the kind the image displays store: every frame
// the list's size, its transparency a one-bit mask.
class TArtImageList {
public:
    TArtImageList(int width, int height);

    // The frame as drawn, every pixel shown; the canvas must be the list's size.
    void AddOpaque(const TArtCanvas& canvas);
    // Pure black pixels become transparent, so the frame lies over a black display unchanged
    // while its anti-aliased edges keep their blend with black.
    void AddOnBlack(const TArtCanvas& canvas);

    const TImageList& List() const { return m_list; }

private:
    void CopyPixels(const TArtCanvas& canvas, TBitmap& bitmap) const;

    TImageList m_list;
};
