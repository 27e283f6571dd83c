#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Color.h"
#include "gui/graphics/GraphicsObject.h"
#include "gui/graphics/ImageListStream.h"
#include "gui/graphics/OpaqueRuns.h"

class TCanvas;

// Equally sized pictures with one-bit masks, drawn by index. An empty list has room for four
// pictures and grows by four whenever it is full; a list read from a stream keeps the capacity
// it was stored with and grows by four from there. OnChange fires after every change.
class TImageList : public TGraphicsObject {
public:
    static constexpr int DefaultSide = 24;

    explicit TImageList(int width = DefaultSide, int height = DefaultSide);

    int Width() const { return m_content.Grid.Width(); }
    int Height() const { return m_content.Grid.Height(); }
    // Empties the list when the size changes; throws Exception for sides beyond
    // TBitmap::MaxSide.
    void SetSize(int width, int height);
    int Count() const { return m_content.Count; }
    int Capacity() const { return m_content.Grid.Capacity(); }

    // The image's top left at the list's size; parts the image does not cover are transparent.
    // White pixels of the mask mark transparent pixels; without a mask the picture is opaque.
    // Returns the new index.
    int Add(const TBitmap& image, const TBitmap* mask);
    // Pixels of the transparent colour become transparent.
    int AddMasked(const TBitmap& image, TColor transparentColor);
    void Clear();

    // The picture with alpha 0 where it is masked; false, leaving out alone, for a bad index.
    bool GetBitmap(int index, TBitmap& out) const;

    // Masked pixels leave the canvas untouched. A disabled picture is embossed: its opaque
    // pixels that are not white are painted in clBtnHighlight one pixel right and down, then in
    // clBtnShadow in place. An index outside the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    // Throws EReadError and keeps the list as it was when the data is not a readable list;
    // otherwise moves offset past the list.
    void ReadFromStream(std::span<const std::uint8_t> data, std::size_t& offset);
    // The same for data that outlives the list, such as the program's embedded files: the
    // pictures are read from there when drawn, and copied only when the list changes.
    void ViewStream(std::span<const std::uint8_t> data, std::size_t& offset);
    // Throws EWriteError when the list does not fit the stream's 16-bit fields.
    void WriteToStream(std::vector<std::uint8_t>& out) const;
    std::vector<std::uint8_t> WriteToStream() const;

private:
    static constexpr int GrowBy = 4;

    int Append(const TBitmap& image, const std::function<bool(int x, int y)>& masked);
    void Modified();
    const TBitmap& Picture(int index) const;
    const TOpaqueRuns& Runs(int index) const;
    void Reset(int width, int height);
    // Premultiplied pixels of one picture: 0 where masked.
    std::uint32_t PicturePixel(int index, int x, int y) const;
    void GetSilhouette(int index, TColor color, TBitmap& out) const;

    TImageListStream::TContent m_content;
    mutable std::vector<std::unique_ptr<TBitmap>> m_pictures;
    mutable std::vector<std::unique_ptr<TOpaqueRuns>> m_runs;
};
