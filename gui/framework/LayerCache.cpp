#include "gui/framework/LayerCache.h"

#include <algorithm>

#include "gui/framework/Form.h"
#include "gui/graphics/Canvas.h"

namespace {

bool Inside(const TRect& inner, const TRect& outer) {
    return outer.Intersect(inner) == inner;
}

bool Meet(const TRect& a, const TRect& b) {
    return !a.Intersect(b).IsEmpty();
}

template <class T> void DropLeastUsed(std::vector<T>& items) {
    items.erase(std::min_element(items.begin(), items.end(),
                                 [](const T& a, const T& b) { return a.lastUse < b.lastUse; }));
}

} // namespace

void TLayerCache::Changed(int layer, const TRect& area) {
    if (area.IsEmpty())
        return;
    Drop(layer, area);
    for (Entry& entry : m_entries)
        if (Meet(entry.area, area))
            entry.variants.clear();
    Add(layer, area);
}

void TLayerCache::ShownOrHidden(int layer, const TRect& area) {
    if (area.IsEmpty())
        return;
    // Above an entry's stop, the set of shown layers tells its composed pictures apart.
    Drop(layer, area);
    Add(layer, area);
}

void TLayerCache::Drop(int layer, const TRect& area) {
    std::erase_if(m_entries,
                  [&](const Entry& entry) { return layer < entry.stop && Meet(entry.area, area); });
}

void TLayerCache::Add(int layer, const TRect& area) {
    const bool kept = std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.stop <= layer && Inside(area, entry.area);
    });
    // Beneath the first layer lies only the form's colour, which is no cheaper to copy.
    if (kept || layer == 0 || area.Width() * area.Height() > MaxPixels)
        return;
    if (m_entries.size() == MaxEntries)
        DropLeastUsed(m_entries);
    m_entries.push_back(Entry{area, layer, nullptr, {}, ++m_uses});
}

void TLayerCache::Clear() {
    m_entries.clear();
}

TLayerCache::Entry* TLayerCache::Covering(const TRect& area) {
    Entry* best = nullptr;
    for (Entry& entry : m_entries)
        if (entry.beneath && Inside(area, entry.area) && (!best || entry.stop > best->stop))
            best = &entry;
    return best;
}

std::vector<int> TLayerCache::Shown(const Entry& entry) const {
    // Each layer with whether it is shown, so that sets of different layers never look alike.
    std::vector<int> shown;
    for (int i = entry.stop; i < m_form.ControlCount(); ++i) {
        const TControl* control = m_form.Controls(i);
        if (!control->IsWindowed() && Meet(control->BoundsRect(), entry.area))
            shown.push_back(2 * i + (control->Visible() ? 1 : 0));
    }
    return shown;
}

bool TLayerCache::RestoreComposed(const TRect& area, TBitmap& target) {
    Entry* entry = Covering(area);
    if (!entry || entry->variants.empty())
        return false;
    const std::vector<int> shown = Shown(*entry);
    for (Variant& variant : entry->variants) {
        if (variant.shown != shown)
            continue;
        entry->lastUse = variant.lastUse = ++m_uses;
        Put(*variant.picture, entry->area, area, target);
        return true;
    }
    return false;
}

int TLayerCache::Restore(const TRect& area, TBitmap& target) {
    Entry* entry = Covering(area);
    if (!entry)
        return -1;
    entry->lastUse = ++m_uses;
    Put(*entry->beneath, entry->area, area, target);
    return entry->stop;
}

void TLayerCache::Capture(int layer, const TRect& area, const TBitmap& target) {
    for (Entry& entry : m_entries) {
        if (!entry.beneath && entry.stop == layer && Inside(entry.area, area)) {
            entry.beneath = Cut(target, entry.area);
            entry.lastUse = ++m_uses;
        }
    }
}

void TLayerCache::CaptureComposed(const TRect& area, const TBitmap& target) {
    for (Entry& entry : m_entries) {
        if (!entry.beneath || !Inside(entry.area, area))
            continue;
        std::vector<int> shown = Shown(entry);
        if (std::any_of(entry.variants.begin(), entry.variants.end(),
                        [&](const Variant& variant) { return variant.shown == shown; }))
            continue;
        if (entry.variants.size() == MaxVariants)
            DropLeastUsed(entry.variants);
        entry.variants.push_back(Variant{std::move(shown), Cut(target, entry.area), ++m_uses});
    }
}

std::unique_ptr<TBitmap> TLayerCache::Cut(const TBitmap& target, const TRect& area) {
    auto picture = std::make_unique<TBitmap>(area.Width(), area.Height());
    picture->Canvas().Copy(-area.Left, -area.Top, target);
    return picture;
}

void TLayerCache::Put(const TBitmap& picture, const TRect& from, const TRect& area,
                      TBitmap& target) {
    TCanvas& canvas = target.Canvas();
    canvas.SetClipRect(area);
    canvas.Copy(from.Left, from.Top, picture);
}
