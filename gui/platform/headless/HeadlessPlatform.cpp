#include "gui/platform/headless/HeadlessPlatform.h"

#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "gui/framework/FormCompositor.h"
#include "gui/graphics/Bitmap.h"

THeadlessPlatform::THeadlessPlatform(TSize desktop) : m_desktop(desktop) {}

TDateTime THeadlessPlatform::Now() {
    return StartDate + static_cast<double>(m_now) / 86400000.0;
}

void THeadlessPlatform::Present(TForm&, const std::vector<TRect>& areas) {
    m_presented.insert(m_presented.end(), areas.begin(), areas.end());
    if (m_presented.size() > 2 * PresentedKept) {
        m_presented.erase(m_presented.begin(), m_presented.end() - PresentedKept);
    }
}

void THeadlessPlatform::ShowErrorMessage(const std::string& title, const std::string& text) {
    m_messages.push_back({title, text});
}

void THeadlessPlatform::WaitAndDispatch(std::optional<std::int64_t> deadline) {
    ++m_wakeUps;
    if (!deadline) {
        m_idleForever = true;
        Application->Terminate();
        return;
    }
    m_now = std::max(m_now, *deadline);
}

void THeadlessPlatform::AdvanceBy(std::int64_t ms) {
    const std::int64_t target = m_now + std::max<std::int64_t>(ms, 0);
    for (auto next = Application->Timers().NextDue(); next && *next <= target;
         next = Application->Timers().NextDue()) {
        m_now = std::max(m_now, *next);
        Application->FireDueTimers();
    }
    m_now = target;
    Application->PaintDirtyForms();
}

TForm* THeadlessPlatform::FormFor(TPoint screen, TPoint& client) const {
    TControl* capture = Application->Input().Capture();
    TForm* form = nullptr;
    if (capture)
        form = capture->Parent() ? capture->Parent() : static_cast<TForm*>(capture);
    else
        form = Application->FormAtScreen(screen);
    if (form) {
        const TRect window = form->ScreenRect();
        client = form->Viewport().WindowToClient({screen.X - window.Left, screen.Y - window.Top});
    }
    return form;
}

TPoint THeadlessPlatform::ClientToScreen(const TForm& form, TPoint client) {
    const TRect window = form.ScreenRect();
    const TPoint local = form.Viewport().ClientToWindow(client);
    return {window.Left + local.X, window.Top + local.Y};
}

void THeadlessPlatform::Settle() {
    Application->PaintDirtyForms();
}

bool THeadlessPlatform::Deliver(TPoint screen, const MouseDelivery& delivery) {
    TPoint client;
    TForm* form = FormFor(screen, client);
    if (form)
        delivery(Application->Input(), *form, client);
    Settle();
    return form != nullptr;
}

void THeadlessPlatform::MouseDown(TPoint screen, TMouseButton button, TShiftState shift) {
    Deliver(screen, [&](TInputRouter& input, TForm& form, TPoint client) {
        input.MouseDown(form, client, button, shift);
    });
}

void THeadlessPlatform::MouseUp(TPoint screen, TMouseButton button, TShiftState shift) {
    Deliver(screen, [&](TInputRouter& input, TForm& form, TPoint client) {
        input.MouseUp(form, client, button, shift);
    });
}

void THeadlessPlatform::MouseMove(TPoint screen, TShiftState shift) {
    const bool overForm = Deliver(screen, [&](TInputRouter& input, TForm& form, TPoint client) {
        input.MouseMove(form, client, shift);
    });
    if (!overForm) {
        Application->Input().MouseLeft();
        Settle();
    }
}

void THeadlessPlatform::MouseWheel(TPoint screen, int wheelDelta, TShiftState shift) {
    Deliver(screen, [&](TInputRouter& input, TForm& form, TPoint client) {
        input.MouseWheel(form, client, wheelDelta, shift);
    });
}

void THeadlessPlatform::Click(TPoint screen, TShiftState shift) {
    MouseMove(screen, shift);
    MouseDown(screen, mbLeft, shift);
    MouseUp(screen, mbLeft, shift);
}

void THeadlessPlatform::DoubleClick(TPoint screen) {
    Click(screen);
    MouseDown(screen);
    MouseUp(screen);
}

void THeadlessPlatform::KeyDown(TKey key, TShiftState shift, char32_t character) {
    Application->Input().KeyDown(key, shift, character);
    Settle();
}

void THeadlessPlatform::KeyUp(TKey key, TShiftState shift) {
    Application->Input().KeyUp(key, shift);
    Settle();
}

void THeadlessPlatform::KeyPress(char32_t key) {
    Application->Input().KeyPress(key);
    Settle();
}

void THeadlessPlatform::PressKey(TKey key, TShiftState shift, char32_t character) {
    KeyDown(key, shift, character);
    if (character && !(shift & ssAlt))
        KeyPress(character);
    KeyUp(key, shift);
}

void THeadlessPlatform::DesktopClose(TForm& form) {
    Guarded([&form] { form.DesktopClose(); });
    Settle();
}

const TBitmap& THeadlessPlatform::Render(TForm& form) {
    if (form.Compositor().Dirty())
        form.Compositor().Compose();
    return form.Compositor().BackBuffer();
}

void THeadlessPlatform::SaveFormPng(TForm& form, const std::string& path) {
    Render(form).SaveToPngFile(path);
}

std::vector<TRect> THeadlessPlatform::TakePresented() {
    std::vector<TRect> taken;
    taken.swap(m_presented);
    return taken;
}
