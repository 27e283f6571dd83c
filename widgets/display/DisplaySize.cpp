#include "widgets/display/DisplaySize.h"

#include <algorithm>

TSize FittedSize(long long width, long long height) {
    const long long fittedWidth = std::clamp<long long>(width, 0, TBitmap::MaxSide);
    const long long maxHeight =
        std::min<long long>(TBitmap::MaxSide, TBitmap::MaxPixels / std::max(fittedWidth, 1LL));
    const long long fittedHeight = std::clamp<long long>(height, 0, maxHeight);
    return {static_cast<int>(fittedWidth), static_cast<int>(fittedHeight)};
}
