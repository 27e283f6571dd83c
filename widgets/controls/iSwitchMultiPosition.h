#pragma once

#include <string>
#include <vector>

#include "gui/graphics/Font.h"
#include "widgets/core/iCustomComponent.h"

// The base of switches with a fixed set of named positions, taken from one comma-separated
// string. It owns the position rules, stepping by keys and wheel and the change events;
// descendants draw it and add the mouse.
class TiSwitchMultiPosition : public TiCustomComponent {
public:
    static constexpr std::size_t MaxPositionLabelsLength = 256;

    explicit TiSwitchMultiPosition(TComponent* owner);

    static const TClassInfo& StaticClassInfo();

    int Position() const { return m_position; }
    void SetPosition(int value);
    const std::string& PositionLabels() const { return m_positionLabels; }
    // Throws Exception for a string of MaxPositionLabelsLength characters or more.
    void SetPositionLabels(const std::string& value);
    int PositionLabelMargin() const { return m_positionLabelMargin; }
    void SetPositionLabelMargin(int value);
    TFont& PositionLabelActiveFont() { return m_positionLabelActiveFont; }
    void SetPositionLabelActiveFont(const TFont& value);
    TFont& PositionLabelInactiveFont() { return m_positionLabelInactiveFont; }
    void SetPositionLabelInactiveFont(const TFont& value);
    bool ShowPositionLabels() const { return m_showPositionLabels; }
    void SetShowPositionLabels(bool value);
    bool ShowPositionIndicators() const { return m_showPositionIndicators; }
    void SetShowPositionIndicators(bool value);
    int PositionIndicatorSize() const { return m_positionIndicatorSize; }
    void SetPositionIndicatorSize(int value);
    int PositionIndicatorMargin() const { return m_positionIndicatorMargin; }
    void SetPositionIndicatorMargin(int value);
    TColor PositionIndicatorColor() const { return m_positionIndicatorColor; }
    void SetPositionIndicatorColor(TColor value);
    TiBevelStyle PositionIndicatorBevelStyle() const { return m_positionIndicatorBevelStyle; }
    void SetPositionIndicatorBevelStyle(TiBevelStyle value);
    int KeyPageStepSize() const { return m_keyPageStepSize; }
    void SetKeyPageStepSize(int value);
    int KeyArrowStepSize() const { return m_keyArrowStepSize; }
    void SetKeyArrowStepSize(int value);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void SetShowFocusRect(bool value);

    // The parsed names; their number is the number of positions.
    const std::vector<std::string>& PositionNames() const { return m_names; }
    int PositionCount() const { return static_cast<int>(m_names.size()); }

    TNotifyEvent OnPositionChange;
    TNotifyEvent OnPositionChangeFinished;
    TNotifyEvent OnPositionChangeUser;

protected:
    void WantSpecialKeyHook(TKey& charCode, int& result) override;
    void KeyUpHook(TKey& key, TShiftState shift) override;
    void KeyDownHook(TKey& key, TShiftState shift) override;
    void KillFocusHook() override;
    bool MouseWheelHook(int wheelDelta, TShiftState shift, TPoint mousePos) override;

    // Writes Position as the user's change: OnPositionChangeUser follows OnPositionChange.
    void SetPositionByUser(int value);
    // Reports the end of the user's interaction when it changed the position.
    void FinishChange();
    bool Dragging() const { return m_dragging; }
    void SetDragging(bool value) { m_dragging = value; }
    // The pointer is held by the mouse or a key.
    bool Held() const { return m_dragging || m_keyHeld; }
    const TFont& LabelFont(bool active) const {
        return active ? m_positionLabelActiveFont : m_positionLabelInactiveFont;
    }

private:
    void ParseNames();
    bool StepByKey(TKey key);

    int m_position = 0;
    std::string m_positionLabels;
    std::vector<std::string> m_names;
    int m_positionLabelMargin = 5;
    TFont m_positionLabelActiveFont;
    TFont m_positionLabelInactiveFont;
    bool m_showPositionLabels = true;
    bool m_showPositionIndicators = true;
    int m_positionIndicatorSize = 3;
    int m_positionIndicatorMargin = 10;
    TColor m_positionIndicatorColor = clAqua;
    TiBevelStyle m_positionIndicatorBevelStyle = ibsLowered;
    int m_keyPageStepSize = 2;
    int m_keyArrowStepSize = 1;
    bool m_showFocusRect = true;
    bool m_changedSinceFinished = false;
    bool m_userChange = false;
    TDateTime m_lastWheel = 0;
    bool m_dragging = false;
    bool m_keyHeld = false;
};
