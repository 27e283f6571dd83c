#include "gui/framework/LayerCache.h"

#include <algorithm>

#include "gui/graphics/Canvas.h"

namespace {

bool Inside(const TRect& inner, const TRect& outer) {
    return outer.Intersect(inner) == inner;
}

} // namespace

void TLayerCache::Changed(int layer, const TRect& area) {
    if (area.IsEmpty())
        return;
    std::erase_if(m_entries, [&](const Entry& entry) {
        return layer < entry.stop && !entry.area.Intersect(area).IsEmpty();
    });
    const bool kept = std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.stop <= layer && Inside(area, entry.area);
    });
    // Beneath the first layer lies only the form's colour, which is no cheaper to copy.
    if (!kept && layer > 0)
        Add(layer, area);
}

void TLayerCache::Add(int layer, const TRect& area) {
    if (m_entries.size() == MaxEntries)
        m_entries.erase(
            std::min_element(m_entries.begin(), m_entries.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
    m_entries.push_back(Entry{area, layer, nullptr, ++m_uses});
}

void TLayerCache::Clear() {
    m_entries.clear();
}

int TLayerCache::Restore(const TRect& area, TBitmap& target) {
    Entry* best = nullptr;
    for (Entry& entry : m_entries)
        if (entry.picture && Inside(area, entry.area) && (!best || entry.stop > best->stop))
            best = &entry;
    if (!best)
        return -1;
    best->lastUse = ++m_uses;
    TCanvas& canvas = target.Canvas();
    canvas.SetClipRect(area);
    canvas.Copy(best->area.Left, best->area.Top, *best->picture);
    return best->stop;
}

void TLayerCache::Capture(int layer, const TRect& area, const TBitmap& target) {
    for (Entry& entry : m_entries) {
        if (entry.picture || entry.stop != layer || !Inside(entry.area, area))
            continue;
        entry.picture = std::make_unique<TBitmap>(entry.area.Width(), entry.area.Height());
        entry.picture->Canvas().Copy(-entry.area.Left, -entry.area.Top, target);
        entry.lastUse = ++m_uses;
    }
}
