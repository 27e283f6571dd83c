#include "gui/framework/Form.h"

#include <algorithm>

#include "gui/framework/Application.h"
#include "gui/framework/FormCompositor.h"
#include "gui/framework/GraphicControl.h"

TForm::TForm(TComponent* owner)
    : TWinControl(owner), m_compositor(std::make_unique<TFormCompositor>(*this)) {
    StoreVisible(false);
}

TForm::~TForm() {
    // The controls reach back to their form while they go.
    DestroyComponents();
    for (TControl* control : m_controls)
        control->m_parent = nullptr;
    m_controls.clear();
    if (Application)
        Application->FormDestroyed(*this);
}

void TForm::SetText(const std::string& value) {
    if (value == Text())
        return;
    TWinControl::SetText(value);
    PlatformChanged();
}

void TForm::SetColor(TColor value) {
    if (value == m_color)
        return;
    m_color = value;
    Invalidate();
}

int TForm::ClientWidth() const {
    return m_windowState == wsMaximized ? LogicalScreenWidth : Width();
}

int TForm::ClientHeight() const {
    return m_windowState == wsMaximized ? LogicalScreenHeight : Height();
}

void TForm::SetClientSize(int width, int height) {
    SetBounds(Left(), Top(), width, height);
}

void TForm::Resized() {
    AlignControls();
    PlatformChanged();
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    m_borderStyle = value;
    PlatformChanged();
}

void TForm::SetWindowState(TWindowState value) {
    if (value == m_windowState)
        return;
    m_windowState = value;
    AlignControls();
    Invalidate();
    PlatformChanged();
}

void TForm::SetFormStyle(TFormStyle value) {
    if (value == m_formStyle)
        return;
    m_formStyle = value;
    if (Visible() && Application)
        Application->BringToFront(*this);
    PlatformChanged();
}

void TForm::SetPosition(TPosition value) {
    m_position = value;
    PlatformChanged();
}

TRect TForm::ScreenRect() const {
    const TRect desktop = Application ? Application->Platform().DesktopBounds()
                                      : Rect(0, 0, LogicalScreenWidth, LogicalScreenHeight);
    if (m_windowState == wsMaximized)
        return desktop;
    switch (m_position) {
    case poScreenCenter:
    case poDesktopCenter:
    case poMainFormCenter:
    case poOwnerFormCenter:
        return Bounds(desktop.Left + (desktop.Width() - Width()) / 2,
                      desktop.Top + (desktop.Height() - Height()) / 2, Width(), Height());
    default:
        return BoundsRect();
    }
}

TViewport TForm::Viewport() const {
    const TRect screen = ScreenRect();
    return TViewport({screen.Width(), screen.Height()}, {ClientWidth(), ClientHeight()});
}

void TForm::SetVisible(bool value) {
    if (value == Visible())
        return;
    StoreVisible(value);
    if (value) {
        Invalidate();
        if (OnShow)
            OnShow(this);
        if (Application)
            Application->FormShown(*this);
    } else {
        if (Application)
            Application->FormHidden(*this);
        if (OnHide)
            OnHide(this);
    }
}

void TForm::SetEnabled(bool value) {
    if (value == Enabled())
        return;
    TWinControl::SetEnabled(value);
    if (!value && Application)
        Application->Input().FormDeactivated(*this);
}

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

void TForm::DesktopClose() {
    if (!Enabled())
        return;
    if (OnDesktopClose)
        OnDesktopClose(this);
    else
        Close();
}

void TForm::BringToFront() {
    if (Visible() && Application)
        Application->BringToFront(*this);
}

bool TForm::Active() const {
    return Application && Application->ActiveForm() == this;
}

void TForm::SetActiveControl(TWinControl* value) {
    m_activeControl = value;
    if (Active() && Application)
        Application->Input().SetFocus(value);
}

TWinControl* TForm::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> order;
    for (TControl* control : m_controls) {
        auto* windowed = control->IsWindowed() ? static_cast<TWinControl*>(control) : nullptr;
        if (windowed && windowed->CanFocus() && (!checkTabStop || windowed->TabStop()))
            order.push_back(windowed);
    }
    if (order.empty())
        return nullptr;
    std::stable_sort(order.begin(), order.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    const auto found = std::find(order.begin(), order.end(), current);
    if (found == order.end())
        return forward ? order.front() : order.back();
    const auto index = static_cast<std::size_t>(found - order.begin());
    const std::size_t count = order.size();
    return order[forward ? (index + 1) % count : (index + count - 1) % count];
}

void TForm::InsertControl(TControl* control) {
    m_controls.push_back(control);
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        if (windowed->TabOrder() < 0)
            windowed->SetTabOrder(
                static_cast<int>(std::count_if(m_controls.begin(), m_controls.end(),
                                               [](TControl* c) { return c->IsWindowed(); })) -
                1);
    }
    if (control->Align() != alNone)
        AlignControls();
    control->Invalidate();
}

void TForm::RemoveControl(TControl* control) {
    if (control->Visible())
        m_compositor->Invalidate(control->BoundsRect());
    std::erase(m_controls, control);
    m_compositor->StackChanged();
    if (m_activeControl == control)
        m_activeControl = nullptr;
}

TControl* TForm::ControlAtPos(TPoint point) const {
    for (bool windowed : {true, false}) {
        for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
            TControl* control = *it;
            if (control->IsWindowed() == windowed && control->Visible() &&
                control->BoundsRect().Contains(point))
                return control;
        }
    }
    return nullptr;
}

void TForm::AlignControls() {
    for (TControl* control : m_controls)
        if (control->Align() == alClient)
            control->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TForm::Invalidate() {
    m_compositor->InvalidateAll();
}

void TForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

void TForm::DoActivate() {
    if (OnActivate)
        OnActivate(this);
}

void TForm::DoDeactivate() {
    if (OnDeactivate)
        OnDeactivate(this);
}

void TForm::PlatformChanged() {
    if (Visible() && Application)
        Application->Platform().FormChanged(*this);
}
