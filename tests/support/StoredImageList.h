#pragma once

#include <cstdint>
#include <vector>

// A stored picture list assembled field by field, with the liberties a stored list may take:
// any resolution, no image sizes, a mask file size other than ours, noise in unused bytes and
// row padding. Reading it and writing it again must give the same bytes.
struct TStoredList {
    int Count = 16;
    int Capacity = 19;
    int Width = 5;
    int Height = 3;

    std::vector<std::uint8_t> Stream() const;
};
