#pragma once

#include <string>

#include "gui/graphics/Object.h"
#include "gui/streaming/ClassInfo.h"

// An item of a gadget's collection: not a component, streamed by its owner.
class TTestPoint : public TObject {
public:
    static const TClassInfo& ClassInfo();

    int X() const { return m_x; }
    void SetX(int value) { m_x = value; }
    int Y() const { return m_y; }
    void SetY(int value) { m_y = value; }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { m_caption = value; }

private:
    int m_x = 0;
    int m_y = 0;
    std::string m_caption;
};
