#pragma once

#include <functional>
#include <vector>

#include "gui/graphics/Object.h"
#include "gui/streaming/LayoutValue.h"

class TiGaugePointer;

// The pointers of one gauge, in drawing order. It owns them: a pointer joins the list when it is
// constructed and leaves it when it is destroyed, and each of these and every change of a
// pointer is reported through the three handlers (with the manager or the pointer as argument).
class TiGaugePointerManager : public TObject {
public:
    using THandler = std::function<void(TObject* subject)>;

    // Throws Exception when a handler is missing; reports its own insertion once.
    TiGaugePointerManager(THandler onChange, THandler onInsert, THandler onRemove);
    TiGaugePointerManager(const TiGaugePointerManager&) = delete;
    TiGaugePointerManager& operator=(const TiGaugePointerManager&) = delete;
    ~TiGaugePointerManager() override;

    int Count() const { return static_cast<int>(m_items.size()); }
    // Throws Exception "List index out of bounds (N)" outside 0 .. Count - 1.
    TiGaugePointer& Items(int index) const;
    // Returns the index of the new pointer.
    int Add();
    // Destroys the pointer at the index; throws like Items.
    void Delete(int index);
    void Clear();

    // Replaces every pointer by the items of a stored collection; throws EReadError when the
    // value is not a collection or an item cannot be read.
    void ReadPointers(const TLayoutValue& value);
    TLayoutValue WritePointers() const;

    // For TiGaugePointer only.
    void Register(TiGaugePointer& pointer);
    void Unregister(TiGaugePointer& pointer);
    void Changed(TObject* subject) { m_onChange(subject); }

private:
    std::vector<TiGaugePointer*> m_items;
    THandler m_onInsert;
    THandler m_onRemove;
    THandler m_onChange;
};
