#pragma once

#include "widgets/core/iCustomComponent.h"

// The common base of indicator lamps: the on/off state and the colours it shows. Descendants
// draw the lamp's shape in the lamp colour.
class TiLed : public TiCustomComponent {
public:
    explicit TiLed(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    bool Active() const { return m_active; }
    void SetActive(bool value);
    TiBevelStyle BevelStyle() const { return m_bevelStyle; }
    void SetBevelStyle(TiBevelStyle value);
    TColor ActiveColor() const { return m_activeColor; }
    void SetActiveColor(TColor value);
    bool AutoInactiveColor() const { return m_autoInactiveColor; }
    void SetAutoInactiveColor(bool value);
    TColor InactiveColor() const { return m_inactiveColor; }
    void SetInactiveColor(TColor value);

    // What the lamp shows now: the active colour when on, otherwise the given or dimmed one.
    TColor LampColor() const;

    TNotifyEvent OnChange;

private:
    bool m_active = false;
    TiBevelStyle m_bevelStyle = ibsLowered;
    TColor m_activeColor = clLime;
    bool m_autoInactiveColor = true;
    TColor m_inactiveColor = 0x005500;
};
