#include "WidgetExpectations.h"

#include "gui/streaming/ClassInfo.h"

namespace {

const TWidgetExpectation* FindOwn(const std::vector<TWidgetExpectation>& entries,
                                  const std::string& className, const std::string& path) {
    for (const TWidgetExpectation& entry : entries)
        if (entry.ClassName == className && SameText(entry.Property, path))
            return &entry;
    return nullptr;
}

} // namespace

TWidgetExpectations::TRegistration::TRegistration(
    std::initializer_list<TWidgetExpectation> entries) {
    Entries().insert(Entries().end(), entries.begin(), entries.end());
}

// Registrations run before main in no fixed order, so the table lives in a function.
std::vector<TWidgetExpectation>& TWidgetExpectations::Entries() {
    static std::vector<TWidgetExpectation> entries;
    return entries;
}

const TWidgetExpectation* TWidgetExpectations::Find(const TClassInfo& info,
                                                    const std::string& path) {
    const std::string subObject = path.substr(0, path.find('.'));
    for (const TClassInfo* current = &info; current; current = current->Parent()) {
        if (const TWidgetExpectation* own = FindOwn(Entries(), current->Name(), path))
            return own;
        if (subObject != path)
            if (const TWidgetExpectation* own = FindOwn(Entries(), current->Name(), subObject))
                return own;
    }
    return nullptr;
}
