#include "widgets/scale/iGaugePointerManager.h"

#include <algorithm>
#include <string>

#include "gui/graphics/Exception.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/scale/iGaugePointer.h"

namespace {

void Require(const TiGaugePointerManager::THandler& handler, const char* name) {
    if (!handler)
        throw Exception(std::string(name) + " event handler can not be null");
}

} // namespace

TiGaugePointerManager::TiGaugePointerManager(THandler onChange, THandler onInsert,
                                             THandler onRemove)
    : m_onInsert(std::move(onInsert)), m_onRemove(std::move(onRemove)),
      m_onChange(std::move(onChange)) {
    Require(m_onChange, "OnChange");
    Require(m_onInsert, "OnInsert");
    Require(m_onRemove, "OnRemove");
    m_onInsert(this);
}

TiGaugePointerManager::~TiGaugePointerManager() {
    Clear();
    m_onRemove(this);
}

TiGaugePointer& TiGaugePointerManager::Items(int index) const {
    if (index < 0 || index >= Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return *m_items[static_cast<std::size_t>(index)];
}

int TiGaugePointerManager::Add() {
    new TiGaugePointer(*this);
    return Count() - 1;
}

void TiGaugePointerManager::Delete(int index) {
    delete &Items(index);
}

void TiGaugePointerManager::Clear() {
    while (!m_items.empty())
        delete m_items.front();
}

void TiGaugePointerManager::Register(TiGaugePointer& pointer) {
    if (std::find(m_items.begin(), m_items.end(), &pointer) == m_items.end())
        m_items.push_back(&pointer);
    m_onInsert(&pointer);
    m_onChange(&pointer);
}

void TiGaugePointerManager::Unregister(TiGaugePointer& pointer) {
    m_onRemove(&pointer);
    m_onChange(&pointer);
    const auto found = std::find(m_items.begin(), m_items.end(), &pointer);
    if (found != m_items.end())
        m_items.erase(found);
}

void TiGaugePointerManager::ReadPointers(const TLayoutValue& value) {
    if (value.Kind != lvCollection)
        throw EReadError("Pointers must be a collection of items");
    Clear();
    for (const auto& properties : value.Items)
        TLayoutReader::ReadObjectProperties(Items(Add()), TiGaugePointer::StaticClassInfo(),
                                            properties);
}

TLayoutValue TiGaugePointerManager::WritePointers() const {
    TLayoutValue value;
    value.Kind = lvCollection;
    for (const TiGaugePointer* pointer : m_items)
        value.Items.push_back(
            TLayoutWriter::WriteObjectProperties(*pointer, TiGaugePointer::StaticClassInfo()));
    return value;
}
