#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/framework/Component.h"
#include "gui/framework/InputRouter.h"
#include "gui/framework/Platform.h"
#include "gui/framework/TimerQueue.h"

class TForm;

// The program: its title, its forms (the first created is the main window), the stacking of
// the visible forms, one timer queue on the platform's clock, and the loop.
class TApplication : public TComponent {
public:
    explicit TApplication(std::unique_ptr<TPlatform> platform);
    ~TApplication() override;

    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& value);

    // Builds a form owned by the application and runs its OnCreate; a failure there goes to
    // the error box and creation goes on.
    template <class T, class... Args> T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        AddForm(form);
        return form;
    }
    TForm* MainForm() const { return m_mainForm; }
    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TForm* Forms(int index) const { return m_forms.at(index); }

    // Shows the main window and serves input, timers and painting until Terminate.
    void Run();
    void Terminate() { m_terminated = true; }
    bool Terminated() const { return m_terminated; }
    // The standard error box for a failure nobody caught; the program goes on.
    void HandleException(const std::exception& error);

    std::int64_t TickCount() const { return m_platform->TickCount(); }
    TDateTime Now() const { return m_platform->Now(); }
    TTimerQueue::TimerId StartTimer(int initialDelayMs, int periodMs,
                                    std::function<void()> callback);
    void StopTimer(TTimerQueue::TimerId id) { m_timers.Stop(id); }
    bool TimerActive(TTimerQueue::TimerId id) const { return m_timers.Active(id); }
    TTimerQueue& Timers() { return m_timers; }
    void FireDueTimers();

    // Composes and presents every form that has something to repaint.
    void PaintDirtyForms();
    bool HasDirtyForms() const;

    // Visible forms from the back to the front; stay-on-top forms are always above the others.
    const std::vector<TForm*>& ZOrder() const { return m_zOrder; }
    TForm* ActiveForm() const { return m_zOrder.empty() ? nullptr : m_zOrder.back(); }
    TForm* FormAtScreen(TPoint screen) const;
    bool CoveredAbove(const TForm& form, TPoint screen) const;
    void FormShown(TForm& form);
    void FormHidden(TForm& form);
    void BringToFront(TForm& form);
    void FormDestroyed(TForm& form);

    TPlatform& Platform() { return *m_platform; }
    TInputRouter& Input() { return m_input; }

private:
    void AddForm(TForm* form);
    void Stack(TForm& form);
    void ActivationChanged(TForm* previous);
    // Something is dirty and the last frame is at least one display frame old.
    bool FrameDue() const;
    std::optional<std::int64_t> NextDeadline() const;

    std::unique_ptr<TPlatform> m_platform;
    std::string m_title;
    std::vector<TForm*> m_forms;
    TForm* m_mainForm = nullptr;
    std::vector<TForm*> m_zOrder;
    TTimerQueue m_timers;
    TInputRouter m_input;
    bool m_terminated = false;
    std::int64_t m_lastPaint = 0;
    bool m_painted = false;
};

// The one application of the program, or null before it is made.
extern TApplication* Application;

// The application's clock as a date and time; the system clock when there is no application.
TDateTime Now();

// Runs work the loop would run; a failure goes to the application's error box and the program
// goes on.
void Guarded(const std::function<void()>& work);
