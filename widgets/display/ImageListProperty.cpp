#include "widgets/display/ImageListProperty.h"

#include "gui/graphics/Exception.h"

void ReadImageListProperty(TImageList& list, const TLayoutValue& value) {
    list.Clear();
    const std::span<const std::uint8_t> bytes = value.AsBytes();
    std::size_t offset = 0;
    if (value.IsEmbedded())
        list.ViewStream(bytes, offset);
    else
        list.ReadFromStream(bytes, offset);
    if (offset != bytes.size()) {
        list.Clear();
        throw EReadError("Failed to read ImageList data from stream");
    }
}

TLayoutValue WriteImageListProperty(const TImageList& list) {
    return TLayoutValue::OfBytes(list.WriteToStream());
}
