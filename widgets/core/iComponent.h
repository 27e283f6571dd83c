#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gui/framework/CustomControl.h"
#include "gui/framework/Platform.h"
#include "gui/graphics/Bitmap.h"
#include "gui/graphics/Canvas.h"
#include "widgets/core/WidgetTypes.h"

class TClassInfo;

using TiPaintEvent = std::function<void(TObject* sender, TCanvas& canvas)>;
// Widgets ask before accepting a new value of their main property and may be vetoed.
using TiBeforeChangeEvent =
    std::function<void(TObject* sender, const std::string& propertyName, bool& allow)>;
using TiAfterChangeEvent = std::function<void(TObject* sender, const std::string& propertyName)>;

// The base of every instrument widget. A widget paints itself completely, off-screen, by
// overriding DrawWidget; the base owns the painting pipeline, the background (colour, picture,
// border, cached static content), change notification with optional repaint throttling, the
// input hooks the windowed base routes to, and saving and loading its properties as text.
class TiComponent : public TCustomControl {
public:
    explicit TiComponent(TComponent* owner);
    ~TiComponent() override;

    static const TClassInfo& StaticClassInfo();

    bool OptionSaveAllProperties() const { return m_optionSaveAllProperties; }
    void SetOptionSaveAllProperties(bool value) { m_optionSaveAllProperties = value; }
    bool AutoFrameRate() const { return m_autoFrameRate; }
    void SetAutoFrameRate(bool value);
    int UpdateFrameRate() const { return m_updateFrameRate; }
    void SetUpdateFrameRate(int value);

    // Declared here, published by the widgets that want them.
    TColor BackGroundColor() const { return m_backGroundColor; }
    virtual void SetBackGroundColor(TColor value);
    // Null in widgets that do not publish it.
    TBitmap* BackGroundPicture() const { return m_backGroundPicture.get(); }
    void SetBackGroundPicture(const TBitmap& value);
    TiBevelStyle BorderStyle() const { return m_borderStyle; }
    virtual void SetBorderStyle(TiBevelStyle value);
    int OffsetX() const { return m_offsetX; }
    void SetOffsetX(int value);
    int OffsetY() const { return m_offsetY; }
    void SetOffsetY(int value);
    bool CachedDrawing() const { return m_cachedDrawing; }
    virtual void SetCachedDrawing(bool value);

    virtual TPoint GetCenterPoint(TCanvas& canvas);
    TRealPoint GetCenterPointDouble() const;
    TPoint PolarPoint(TPoint center, double radius, double degrees) const;

    virtual void BeginUpdate();
    virtual void EndUpdate();
    // The background must be drawn anew: the entry for changes from outside the widget's own
    // setters (system colours, moves).
    virtual void RefreshBackGround();

    virtual bool TimerActive() const = 0;
    virtual void TimerStart(int initialDelay, int interval) = 0;
    virtual void TimerStop() = 0;
    virtual void PaintLock() = 0;
    virtual void PaintUnlock() = 0;

    // Throws Exception ("Error Saving Properties - ..." / "Error Loading Properties - ...").
    virtual void SavePropertiesToFile(const std::string& fileName);
    virtual void LoadPropertiesFromFile(const std::string& fileName);

    // True between gaining and losing the keyboard focus; widgets draw their focus rectangle.
    bool HasFocus() const { return m_hasFocus; }

    // What the widget's changes have cost since it was created, for tools and tests that watch
    // it from outside: the repaint requests of each kind, the runs of the painting pipeline and
    // those of them that failed and were discarded.
    int InvalidateChangeCount() const { return m_invalidateChanges; }
    int BackGroundChangeCount() const { return m_backGroundChanges; }
    int PaintCount() const { return m_paints; }
    int PaintFailureCount() const { return m_paintFailures; }

    TiPaintEvent OnPaint;
    TiBeforeChangeEvent OnBeforeChange;
    TiAfterChangeEvent OnAfterChange;

    // The external data connection is not configured in this program; its hooks stay idle.
    virtual void OPCNotificationHook() {}
    virtual bool OPCOutputData(const std::string& propertyName, double value) {
        (void)propertyName;
        (void)value;
        return false;
    }

protected:
    virtual void DrawWidget(TCanvas& canvas) = 0;
    // True when DrawWidget begins by copying the cached background over the whole surface, so
    // the white the paint starts from would never show.
    virtual bool DrawingStartsWithCachedBackground() const { return false; }
    virtual void DrawBackground(TCanvas& canvas, TColor color);
    virtual void DrawBorder(TCanvas& canvas);

    virtual void SetFocusHook();
    virtual void KillFocusHook();
    virtual void WantSpecialKeyHook(TKey& charCode, int& result) {
        (void)charCode;
        (void)result;
    }
    virtual void KeyUpHook(TKey& key, TShiftState shift) {
        (void)key;
        (void)shift;
    }
    virtual void KeyDownHook(TKey& key, TShiftState shift) {
        (void)key;
        (void)shift;
    }
    virtual void KeyPressHook(char32_t& key) { (void)key; }
    virtual void MouseDownHook(TMouseButton button, TShiftState shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void MouseUpHook(TMouseButton button, TShiftState shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void MouseMoveHook(TShiftState shift, int x, int y) { (void)shift, (void)x, (void)y; }
    virtual void DoubleClickHook() {}
    virtual bool MouseWheelHook(int wheelDelta, TShiftState shift, TPoint mousePos) {
        (void)wheelDelta, (void)shift, (void)mousePos;
        return false;
    }

    void InvalidateChange();
    void BackGroundChange();

    // Store a new value and ask for the repaint of the given kind, only when it differs.
    enum TChangeKind { ckInvalidate = 0, ckBackGround = 1 };
    void SetBooleanProperty(bool value, bool& field, TChangeKind kind);
    void SetIntegerProperty(int value, int& field, TChangeKind kind);
    void SetDoubleProperty(double value, double& field, TChangeKind kind);
    void SetStringProperty(const std::string& value, std::string& field, TChangeKind kind);
    void SetColorProperty(TColor value, TColor& field, TChangeKind kind);

    // Widgets that publish BackGroundPicture create it in their constructor.
    void CreateBackGroundPicture();

    bool BackGroundChanged() const { return m_backGroundDirty; }
    TBitmap& GetBackGroundBitmap();
    void DrawCachedBackground(TCanvas& canvas);
    // Widgets call it once they have drawn the cached background anew.
    void ClearBackGroundChange();
    // A widget that draws moving parts over its cached background says so during DrawWidget,
    // with the area they cover (client coordinates). Later paints then restore only where the
    // parts lay from the cached background, and a change that moves only them marks only
    // where they lie before and after, so the form recomposes that instead of the whole widget.
    void PaintedMovingParts(const TRect& area);

    // The whole widget is drawn into a fresh bitmap and copied in one piece, so it never
    // flickers and never needs its window erased.
    void Paint() override;
    // The cached background follows the new size; its content must be drawn anew.
    void Resized() override;
    bool Destroying() const { return m_destroying; }
    // Derived destructors call it first, so that nothing paints a half-destroyed widget.
    void BeginDestroy() { m_destroying = true; }
    void SetHasFocus(bool value) { m_hasFocus = value; }

private:
    enum TRequest { rqInvalidate, rqBackGround };
    void Request(TRequest request);
    void RepaintNow();
    void ThrottledRepaint();
    template <class T> void StoreProperty(const T& value, T& field, TChangeKind kind) {
        if (value == field)
            return;
        field = value;
        kind == ckInvalidate ? InvalidateChange() : BackGroundChange();
    }
    void PaintPipeline();
    // A picture that is the cached background with moving parts over Area, drawn while the
    // background was in the given state.
    struct TMovingParts {
        bool Known = false;
        unsigned BackGround = 0;
        TRect Area;
    };
    void MarkChangedArea();

    bool m_optionSaveAllProperties = false;
    bool m_autoFrameRate = false;
    int m_updateFrameRate = 60;
    TColor m_backGroundColor = clBtnFace;
    std::unique_ptr<TBitmap> m_backGroundPicture;
    TiBevelStyle m_borderStyle = ibsNone;
    int m_offsetX = 0;
    int m_offsetY = 0;
    bool m_cachedDrawing = true;

    bool m_updateSuspended = false;
    TDateTime m_lastRepaint;
    bool m_pendingRepaint = false;
    bool m_pendingBackGround = false;
    std::unique_ptr<TBitmap> m_backGroundBitmap;
    // The pixels of the window's previous picture, drawn over by the next paint.
    TBitmap m_spareBitmap;
    bool m_backGroundDirty = true;
    bool m_hasFocus = false;
    bool m_destroying = false;
    int m_invalidateChanges = 0;
    int m_backGroundChanges = 0;
    int m_paints = 0;
    int m_paintFailures = 0;
    // Counts the times the cached background was drawn.
    unsigned m_backGroundState = 0;
    // What the window shows, what the spare pixels hold, what the paint under way started
    // from and what it drew.
    TMovingParts m_shown;
    TMovingParts m_spare;
    TMovingParts m_paintStart;
    TMovingParts m_painted;
    const TCanvas* m_paintCanvas = nullptr;
    // A repaint was asked for without marking the widget's area.
    bool m_areaUnmarked = false;
};
