#pragma once

#include "gui/graphics/Object.h"

// Pens, brushes and fonts tell their owner when they change so that it can repaint.
class TGraphicsObject : public TObject {
public:
    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) {
            OnChange(this);
        }
    }
};
