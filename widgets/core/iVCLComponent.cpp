#include "widgets/core/iVCLComponent.h"

#include <algorithm>

#include "gui/framework/Application.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"

namespace {

// The platform never runs a timer faster than this; a zero repeat interval gets it.
constexpr int MinimumTimerInterval = 10;

bool PreDispatchedKey(TKey key) {
    return key == VK_CANCEL || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE ||
           key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_EXECUTE;
}

// Failures of the general kind in a widget's input handling are dropped: the widget keeps its
// state and the user's click or key simply has no effect.
template <class Work> void Shielded(Work work) {
    try {
        work();
    } catch (const Exception&) {
    }
}

} // namespace

TiVCLComponent::TiVCLComponent(TComponent* owner) : TiComponent(owner) {}

TiVCLComponent::~TiVCLComponent() {
    BeginDestroy();
    TimerStop();
}

const TClassInfo& TiVCLComponent::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiVCLComponent>("TiVCLComponent", &TiComponent::StaticClassInfo())
            .Event("OnNewOPCData", &TiVCLComponent::OnNewOPCData)
            .Event("OnBeforeNewOPCData", &TiVCLComponent::OnBeforeNewOPCData)
            .Defined(
                "OPCItems", [](const TiVCLComponent& c) { return !c.m_opcItems.empty(); },
                [](const TiVCLComponent& c) { return c.WriteOPCItems(); },
                [](TiVCLComponent& c, const TLayoutValue& v) { c.ReadOPCItems(v); })
            .Build();
    return info;
}

void TiVCLComponent::SetTransparent(bool value) {
    if (value == m_transparent)
        return;
    m_transparent = value;
    if (m_transparent) {
        if (!m_snapshot)
            m_snapshot = std::make_unique<TBitmap>(Width(), Height());
        RequestSnapshot();
    } else {
        m_snapshot.reset();
        m_snapshotPending = false;
    }
    BackGroundChange();
}

void TiVCLComponent::Resized() {
    TiComponent::Resized();
    if (m_snapshot)
        m_snapshot->SetSize(Width(), Height());
    RequestSnapshot();
}

void TiVCLComponent::RefreshBackGround() {
    TiComponent::RefreshBackGround();
    RequestSnapshot();
}

void TiVCLComponent::DrawBackground(TCanvas& canvas, TColor color) {
    if (!m_transparent) {
        TiComponent::DrawBackground(canvas, color);
        return;
    }
    if (!m_snapshot)
        m_snapshot = std::make_unique<TBitmap>(Width(), Height());
    if (m_snapshotPending)
        CaptureSnapshot();
    canvas.Copy(0, 0, *m_snapshot);
}

void TiVCLComponent::RequestSnapshot() {
    if (!m_transparent || m_snapshotPending)
        return;
    m_snapshotPending = true;
    BackGroundChange();
}

// The pixels beneath are taken only when the whole rectangle can be seen; otherwise a covering
// window would be captured as if it were the background.
void TiVCLComponent::CaptureSnapshot() {
    const int w = Width();
    const int h = Height();
    const TPoint probes[] = {{5, 5}, {w - 5, 5}, {5, h - 5}, {w - 5, h - 5}};
    bool visible = std::all_of(std::begin(probes), std::end(probes),
                               [this](TPoint p) { return PointVisible(p); });
    if (visible) {
        CaptureBeneath(*m_snapshot);
        m_snapshotPending = false;
    } else {
        m_snapshot->SetSize(w, h);
        m_snapshot->Fill(BackGroundColor());
    }
}

bool TiVCLComponent::TimerActive() const {
    return m_timerId != 0;
}

void TiVCLComponent::TimerStart(int initialDelay, int interval) {
    if (TimerActive())
        return;
    m_timerInterval = interval;
    if (initialDelay == 0) {
        if (interval == 0)
            return;
        m_firstShot = false;
        StartQueueTimer(interval, interval);
    } else {
        m_firstShot = true;
        StartQueueTimer(initialDelay, initialDelay);
    }
}

void TiVCLComponent::TimerStop() {
    if (m_timerId != 0 && Application)
        Application->StopTimer(m_timerId);
    m_timerId = 0;
}

void TiVCLComponent::StartQueueTimer(int delay, int period) {
    if (!Application)
        return;
    period = std::max(period, MinimumTimerInterval);
    m_timerId = Application->StartTimer(std::max(delay, 1), period, [this] { Tick(); });
}

void TiVCLComponent::Tick() {
    if (m_firstShot) {
        m_firstShot = false;
        TimerStop();
        StartQueueTimer(m_timerInterval, m_timerInterval);
    }
    if (OnInternalTimer)
        OnInternalTimer(this);
}

void TiVCLComponent::PaintLock() {
    if (!Destroying())
        m_paintLock.lock();
}

void TiVCLComponent::PaintUnlock() {
    if (!Destroying())
        m_paintLock.unlock();
}

void TiVCLComponent::ReadOPCItems(const TLayoutValue& value) {
    m_opcItems.clear();
    if (value.Kind != lvCollection)
        return;
    for (const auto& properties : value.Items) {
        auto& item = m_opcItems.emplace_back(std::make_unique<TiOPCItem>());
        TLayoutReader::ReadObjectProperties(*item, TiOPCItem::StaticClassInfo(), properties);
    }
}

TLayoutValue TiVCLComponent::WriteOPCItems() const {
    TLayoutValue value;
    value.Kind = lvCollection;
    for (const auto& item : m_opcItems)
        value.Items.push_back(
            TLayoutWriter::WriteObjectProperties(*item, TiOPCItem::StaticClassInfo()));
    return value;
}

bool TiVCLComponent::OPCInputData(TiOPCItem&) {
    return false;
}

void TiVCLComponent::ButtonPressed(TMouseButton button, TShiftState shift, int x, int y,
                                   bool doubleClick) {
    Shielded([&] { TiComponent::ButtonPressed(button, shift, x, y, doubleClick); });
}

// The hook sees the release before the framework turns it into OnClick and OnMouseUp, so a
// widget that changes its value on release shows the new value to its click handlers.
void TiVCLComponent::ButtonReleased(TMouseButton button, TShiftState shift, int x, int y,
                                    bool clicked) {
    Shielded([&] {
        MouseUpHook(button, shift, x, y);
        TiComponent::ButtonReleased(button, shift, x, y, clicked);
    });
}

void TiVCLComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    MouseDownHook(button, shift, x, y);
    TiComponent::MouseDown(button, shift, x, y);
}

void TiVCLComponent::MouseMove(TShiftState shift, int x, int y) {
    MouseMoveHook(shift, x, y);
    TiComponent::MouseMove(shift, x, y);
}

void TiVCLComponent::DblClick() {
    DoubleClickHook();
    TiComponent::DblClick();
}

bool TiVCLComponent::MouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) {
    return MouseWheelHook(wheelDelta, shift, mousePos);
}

void TiVCLComponent::KeyDown(TKey& key, TShiftState shift) {
    Shielded([&] {
        TiComponent::KeyDown(key, shift);
        KeyDownHook(key, shift);
    });
}

// A release first passes the pre-dispatch step, which shows it to the hook without modifiers;
// the ordinary release follows unless the widget claimed the key as a special key.
void TiVCLComponent::KeyUp(TKey& key, TShiftState shift) {
    Shielded([&] {
        const bool claimed = PreDispatchedKey(key) && WantSpecialKey(key);
        TKey charCode = key;
        KeyUpHook(charCode, 0);
        if (claimed)
            return;
        TiComponent::KeyUp(key, shift);
        KeyUpHook(key, shift);
    });
}

void TiVCLComponent::KeyPress(char32_t& key) {
    Shielded([&] {
        TiComponent::KeyPress(key);
        KeyPressHook(key);
    });
}

bool TiVCLComponent::WantSpecialKey(TKey key) {
    int result = 0;
    TKey charCode = key;
    WantSpecialKeyHook(charCode, result);
    return result != 0;
}

void TiVCLComponent::FocusGained() {
    SetFocusHook();
    TiComponent::FocusGained();
}

void TiVCLComponent::FocusLost(TWinControl* receiver) {
    if (receiver != this)
        KillFocusHook();
    TiComponent::FocusLost(receiver);
}
