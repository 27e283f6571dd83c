#pragma once

#include <functional>

// Root of every object that can be the sender of an event.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
