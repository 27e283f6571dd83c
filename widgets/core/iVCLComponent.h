#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "gui/framework/TimerQueue.h"
#include "gui/streaming/LayoutValue.h"
#include "widgets/core/iComponent.h"
#include "widgets/core/iOPCItem.h"

// A data-change notification of the external data connection (index of the item).
using TIndexObjectEvent = std::function<void(TObject* sender, int index)>;
using TBeforeOPCNewDataEvent = std::function<void(TObject* sender, int index, bool& allow)>;

// The window side every widget shares: input routed to the hooks and shielded against
// failures, focus, the transparency snapshot, the internal timer and the paint lock.
class TiVCLComponent : public TiComponent {
public:
    explicit TiVCLComponent(TComponent* owner);
    ~TiVCLComponent() override;

    static const TClassInfo& StaticClassInfo();

    bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool value);

    void RefreshBackGround() override;

    bool TimerActive() const override;
    void TimerStart(int initialDelay, int interval) override;
    void TimerStop() override;
    void PaintLock() override;
    void PaintUnlock() override;

    virtual bool OPCInputData(TiOPCItem& item);
    virtual void OPCReservedHook() {}
    const std::vector<std::unique_ptr<TiOPCItem>>& OPCItems() const { return m_opcItems; }

    TNotifyEvent OnInternalTimer;
    TIndexObjectEvent OnNewOPCData;
    TBeforeOPCNewDataEvent OnBeforeNewOPCData;

    void ButtonPressed(TMouseButton button, TShiftState shift, int x, int y,
                       bool doubleClick) override;
    void ButtonReleased(TMouseButton button, TShiftState shift, int x, int y,
                        bool clicked) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;
    bool MouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool WantSpecialKey(TKey key) override;
    void FocusGained() override;
    void FocusLost(TWinControl* receiver) override;

protected:
    void DrawBackground(TCanvas& canvas, TColor color) override;
    // A moved or resized control has other pixels beneath it.
    void Resized() override;

private:
    void RequestSnapshot();
    void CaptureSnapshot();
    void Tick();
    void ReadOPCItems(const TLayoutValue& value);
    TLayoutValue WriteOPCItems() const;
    void StartQueueTimer(int delay, int period);

    bool m_transparent = false;
    std::unique_ptr<TBitmap> m_snapshot;
    bool m_snapshotPending = false;

    std::recursive_mutex m_paintLock;

    TTimerQueue::TimerId m_timerId = 0;
    bool m_firstShot = false;
    int m_timerInterval = 0;

    std::vector<std::unique_ptr<TiOPCItem>> m_opcItems;
};
