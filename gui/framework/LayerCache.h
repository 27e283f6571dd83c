#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Geometry.h"

// What a form's colour and its lower graphic controls compose to, kept for an area where a
// graphic control above them changes again and again (pictures of a turning pulley shown and
// hidden in turn). Each such change then composes only the layers from that control up, over a
// copy of the kept picture, instead of the whole stack down to the background. An entry lasts
// while nothing beneath its stop layer changes within its area.
//
// Layers are the indexes of the form's controls; the form's colour lies beneath layer 0.
class TLayerCache {
public:
    // Areas of different animations kept at once; the one used longest ago gives way.
    static constexpr std::size_t MaxEntries = 4;

    // The graphic control at this layer changed within the area: entries that hold it are
    // dropped, and the layers beneath it are kept for the area from the next composition on.
    void Changed(int layer, const TRect& area);
    // Layers were added, removed or restacked, or the form's colour changed.
    void Clear();

    // Puts the kept picture of an entry that covers the whole area into the target; returns the
    // first layer still to be drawn over it, or -1 when nothing is kept for the area.
    int Restore(const TRect& area, TBitmap& target);
    // Composition of the area has drawn every layer beneath this one into the target: an entry
    // waiting for exactly that, within the area, takes its picture now.
    void Capture(int layer, const TRect& area, const TBitmap& target);

    std::size_t Count() const { return m_entries.size(); }

private:
    struct Entry {
        TRect area;
        int stop = 0;
        // Null until the first composition of the area captures it.
        std::unique_ptr<TBitmap> picture;
        std::uint64_t lastUse = 0;
    };

    void Add(int layer, const TRect& area);

    std::vector<Entry> m_entries;
    std::uint64_t m_uses = 0;
};
