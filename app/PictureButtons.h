#pragma once

#include <span>

class THandlerTable;

// A picture button shows its pressed picture while the mouse button is down on it and its
// released picture again afterwards, both read from run-time files each time.
struct TPictureButton {
    const char* name;
    const char* pressedFile;
    const char* releasedFile;
};

// Offers "<name>MouseDown" and "<name>MouseUp" for each button; a picture that cannot be read
// brings up the missing-files dialog.
void AddPictureButtonHandlers(THandlerTable& handlers, std::span<const TPictureButton> buttons);
