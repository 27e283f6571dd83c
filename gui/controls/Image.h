#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gui/framework/GraphicControl.h"
#include "gui/graphics/Bitmap.h"

// A picture on a form: drawn at its natural size from the top left, centred, or stretched over
// the control. With Transparent a BMP picture lets its transparent colour (the bottom-left
// pixel) show what lies beneath; icons and PNG pictures keep their own alpha and JPEG pictures
// stay opaque.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    TBitmap& Picture();
    const TBitmap& Picture() const { return Decoded(); }
    // A picture read from a file's contents can give its pixels up and keep only those contents
    // until it is next drawn or asked for, so a screen that is not shown does not hold them.
    // Other pictures, and one changed through Picture(), keep their pixels.
    void ReleasePixels();
    bool PixelsPending() const { return m_pixelsReleased; }
    // Copies the picture; an assigned picture counts as a bitmap for Transparent.
    void SetPicture(const TBitmap& value);
    // Throws Exception and keeps the old picture when the file cannot be read.
    void LoadFromFile(const std::string& path);
    // The picture file's contents, as a stored layout holds them. They are read whole here, so
    // a file that does not read is refused at once and the old picture stays.
    void LoadPictureFromBytes(std::span<const std::uint8_t> data);
    // A file that reads back as the same picture and, for Transparent, the same kind of source:
    // a BMP for an opaque bitmap source, PNG for anything else.
    std::vector<std::uint8_t> SavePictureToBytes() const;

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    // Scales a picture that does not fit (or, with Stretch, any picture) keeping its aspect.
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);

    // Where the picture lands, in control coordinates.
    TRect DestRect() const;

    void Paint(TCanvas& canvas) override;

protected:
    void Resized() override;

private:
    bool ColorKeyed() const { return m_transparent && m_bitmapSource; }
    const TBitmap& Decoded() const;
    void PictureChanged();
    void FlagChanged(bool& flag, bool value);
    // Resizes to the picture when AutoSize asks for it; returns whether the bounds changed.
    bool AdjustSize();
    const TBitmap& Prepared(const TRect& dest);
    void Prepare(int width, int height);

    mutable TBitmap m_picture;
    // The contents of the file the picture was read from, while its pixels are theirs alone.
    std::vector<std::uint8_t> m_encoded;
    mutable bool m_pixelsReleased = false;
    mutable bool m_decoding = false;
    // The picture as drawn when it must be colour-keyed or scaled, built once per change.
    TBitmap m_prepared;
    bool m_preparedValid = false;
    bool m_bitmapSource = true;
    bool m_stretch = false;
    bool m_center = false;
    bool m_proportional = false;
    bool m_transparent = false;
    bool m_autoSize = false;
};
