#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Geometry.h"

class TForm;

// Pictures of a form's graphic layers, kept for an area where a graphic control changes again
// and again (pictures of a turning pulley shown and hidden in turn):
//   - what the form's colour and the graphic controls beneath the changing one compose to, so
//     that a change composes only the layers from that control up, over a copy of it;
//   - what all the graphic layers compose to for each set of them shown that has been seen, so
//     that an animation coming round to a set it showed before costs one copy.
// An entry lasts while nothing beneath its stop layer changes within its area; its composed
// pictures last while nothing above it changes its look there, being shown or hidden aside.
//
// Layers are the indexes of the form's controls; the form's colour lies beneath layer 0.
class TLayerCache {
public:
    // Areas of different animations kept at once; the one used longest ago gives way.
    static constexpr std::size_t MaxEntries = 4;
    // Sets of shown layers kept for one area.
    static constexpr std::size_t MaxVariants = 4;
    // Larger areas are composed each time rather than held several times over.
    static constexpr int MaxPixels = 256 * 256;

    explicit TLayerCache(const TForm& form) : m_form(form) {}

    // The graphic control at this layer changed its look within the area.
    void Changed(int layer, const TRect& area);
    // The graphic control at this layer, which covers the area, was shown or hidden.
    void ShownOrHidden(int layer, const TRect& area);
    // Layers were added, removed or restacked, or the form's colour changed.
    void Clear();

    // Puts what all the graphic layers compose to into the target, when it is kept for the area
    // as they are shown now.
    bool RestoreComposed(const TRect& area, TBitmap& target);
    // Puts the kept picture of the layers beneath an entry that covers the whole area into the
    // target; returns the first layer still to be drawn over it, or -1 when nothing is kept.
    int Restore(const TRect& area, TBitmap& target);
    // Composition of the area has drawn every layer beneath this one into the target: an entry
    // waiting for exactly that, within the area, takes its picture now.
    void Capture(int layer, const TRect& area, const TBitmap& target);
    // Composition of the area has drawn every graphic layer into the target.
    void CaptureComposed(const TRect& area, const TBitmap& target);

    std::size_t Count() const { return m_entries.size(); }

private:
    struct Variant {
        std::vector<int> shown;
        std::unique_ptr<TBitmap> picture;
        std::uint64_t lastUse = 0;
    };
    struct Entry {
        TRect area;
        int stop = 0;
        // Null until the first composition of the area captures it.
        std::unique_ptr<TBitmap> beneath;
        std::vector<Variant> variants;
        std::uint64_t lastUse = 0;
    };

    void Drop(int layer, const TRect& area);
    void Add(int layer, const TRect& area);
    // The entry with a picture beneath that covers the area and keeps the most layers.
    Entry* Covering(const TRect& area);
    // Which graphic layers above the entry's stop that reach into its area are shown now.
    std::vector<int> Shown(const Entry& entry) const;
    static std::unique_ptr<TBitmap> Cut(const TBitmap& target, const TRect& area);
    static void Put(const TBitmap& picture, const TRect& from, const TRect& area, TBitmap& target);

    const TForm& m_form;
    std::vector<Entry> m_entries;
    std::uint64_t m_uses = 0;
};
