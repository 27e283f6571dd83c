#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gui/graphics/Exception.h"
#include "gui/graphics/ImageList.h"

// A list read from any bytes either fails cleanly or writes back exactly what it read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    TImageList list;
    std::size_t offset = 0;
    try {
        list.ReadFromStream(bytes, offset);
    } catch (const Exception&) {
        return 0;
    }
    const std::vector<std::uint8_t> written = list.WriteToStream();
    if (offset > size || !std::equal(written.begin(), written.end(), bytes.begin(),
                                     bytes.begin() + static_cast<std::ptrdiff_t>(offset))) {
        __builtin_trap();
    }
    return 0;
}
