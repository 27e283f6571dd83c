#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/framework/Viewport.h"
#include "gui/framework/WinControl.h"
#include "gui/graphics/Color.h"

class TFormCompositor;
class TGraphicControl;

enum TFormBorderStyle : std::uint8_t {
    bsNone,
    bsSingle,
    bsSizeable,
    bsDialog,
    bsToolWindow,
    bsSizeToolWin
};
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle : std::uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition : std::uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// A top-level window. Its controls lie in its client area; a maximized form has a client area of
// 1024 x 768 logical pixels that the platform scales to the window.
class TForm : public TWinControl {
public:
    static constexpr int LogicalScreenWidth = 1024;
    static constexpr int LogicalScreenHeight = 768;

    explicit TForm(TComponent* owner);
    ~TForm() override;

    const std::string& Caption() const { return Text(); }
    void SetCaption(const std::string& value) { SetText(value); }
    void SetText(const std::string& value) override;
    TColor Color() const { return m_color; }
    void SetColor(TColor value);

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    void SetClientSize(int width, int height);
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState value);
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition value);

    // The form's window on the desktop and how its client area maps onto it.
    TRect ScreenRect() const;
    TViewport Viewport() const;

    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    // Shows the form and brings it to the front; a visible form only comes to the front.
    void Show() override;
    // The program's own close: OnClose may refuse it; the main form then ends the program and
    // any other form hides.
    void Close();
    // The desktop's close (window manager, Alt+F4, task bar). OnDesktopClose answers it where
    // assigned, Close() where not; a disabled form ignores it as it ignores all input.
    void DesktopClose();
    void BringToFront();
    bool Active() const;

    TWinControl* ActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl* value);
    // The next control in tab order after the given one (or the first), wrapping around.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(index); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The top-most visible control at this client point: windowed controls first, then
    // graphic ones; null over the bare form.
    TControl* ControlAtPos(TPoint point) const;
    void AlignControls();

    TFormCompositor& Compositor() { return *m_compositor; }
    const TFormCompositor& Compositor() const { return *m_compositor; }
    void Invalidate() override;

    // Runs OnCreate once the form and its controls are built.
    virtual void DoCreate();
    virtual void DoActivate();
    virtual void DoDeactivate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TNotifyEvent OnDesktopClose;

protected:
    void Resized() override;

private:
    void PlatformChanged();

    TColor m_color = clBtnFace;
    TFormBorderStyle m_borderStyle = bsSizeable;
    TWindowState m_windowState = wsNormal;
    TFormStyle m_formStyle = fsNormal;
    TPosition m_position = poDesigned;
    TWinControl* m_activeControl = nullptr;
    std::vector<TControl*> m_controls;
    std::unique_ptr<TFormCompositor> m_compositor;
};
