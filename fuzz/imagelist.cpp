#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/ImageList.h"
#include "widgets/display/ImageListProperty.h"

namespace {

// A list read from any bytes, copied or viewed in place, either fails cleanly or writes back
// exactly what it read.
void ReadStream(std::span<const std::uint8_t> bytes, bool inPlace) {
    TImageList list;
    std::size_t offset = 0;
    try {
        if (inPlace)
            list.ViewStream(bytes, offset);
        else
            list.ReadFromStream(bytes, offset);
    } catch (const Exception&) {
        return;
    }
    const std::vector<std::uint8_t> written = list.WriteToStream();
    if (offset > bytes.size() || !std::equal(written.begin(), written.end(), bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(offset))) {
        __builtin_trap();
    }
}

// A list that already holds a picture, so that a refused read shows whether it emptied it.
void AddPlaceholder(TImageList& list) {
    TBitmap picture(list.Width(), list.Height());
    picture.Fill(clRed);
    list.Add(picture, nullptr);
}

// The same bytes as the stored picture list of an image display or object canvas: refused with
// the list left empty, or taken whole and written back exactly.
void ReadProperty(std::span<const std::uint8_t> bytes) {
    TImageList list;
    AddPlaceholder(list);
    const TLayoutValue value = TLayoutValue::OfBytes({bytes.begin(), bytes.end()});
    try {
        ReadImageListProperty(list, value);
    } catch (const EReadError&) {
        if (list.Count() != 0)
            __builtin_trap();
        return;
    }
    if (WriteImageListProperty(list).Bytes != value.Bytes)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    ReadStream(bytes, false);
    ReadStream(bytes, true);
    ReadProperty(bytes);
    return 0;
}
