#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/framework/Input.h"
#include "gui/graphics/Geometry.h"

class TForm;

// Date and time counted in days from 30 December 1899, with the time of day as the fraction.
using TDateTime = double;

// The system's wall clock as a local date and time.
TDateTime LocalNow();

// What the framework needs from the window system: a clock, the desktop, windows for the
// visible forms, the pointer, the error box, the shell, and a wait for the next input.
class TPlatform {
public:
    TPlatform() = default;
    TPlatform(const TPlatform&) = delete;
    TPlatform& operator=(const TPlatform&) = delete;
    virtual ~TPlatform() = default;

    // Milliseconds of a monotonic clock.
    virtual std::int64_t TickCount() = 0;
    // The same clock as a date and time.
    virtual TDateTime Now() = 0;
    // The part of the desktop that windows may cover.
    virtual TRect DesktopBounds() = 0;

    virtual void FormShown(TForm& form) = 0;
    virtual void FormHidden(TForm& form) = 0;
    virtual void FormRaised(TForm& form) = 0;
    // Caption, size, position or style changed.
    virtual void FormChanged(TForm& form) = 0;
    virtual void FormDestroyed(TForm& form) = 0;
    // These areas of the form's back buffer (client coordinates) have new pixels to show.
    virtual void Present(TForm& form, const std::vector<TRect>& areas) = 0;

    virtual void SetCursor(TCursor cursor) = 0;
    virtual void ShowErrorMessage(const std::string& title, const std::string& text) = 0;
    // The shell's "open" on a document; the result is not known.
    virtual void ShellOpen(const std::string& file) = 0;
    // Waits for input or until the deadline (a tick count; none = no timer is due), passing
    // whatever input arrives to the application's input router.
    virtual void WaitAndDispatch(std::optional<std::int64_t> deadline) = 0;
    // The shortest time between two presentations of a form.
    virtual int FrameIntervalMs() const { return 16; }
};
