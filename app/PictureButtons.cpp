#include "app/PictureButtons.h"

#include <string>

#include "app/MissingFiles.h"
#include "app/RunTimeFiles.h"
#include "gui/controls/Image.h"
#include "gui/framework/Input.h"
#include "gui/streaming/HandlerTable.h"

namespace {

TMouseEvent PictureLoader(const char* file) {
    return [file](TObject* sender, TMouseButton, TShiftState, int, int) {
        ShowMissingFilesOnFailure(
            [&] { dynamic_cast<TImage&>(*sender).LoadFromFile(RunTimePath(file)); });
    };
}

} // namespace

void AddPictureButtonHandlers(THandlerTable& handlers, std::span<const TPictureButton> buttons) {
    for (const TPictureButton& button : buttons) {
        handlers.Add<TMouseEvent>(std::string(button.name) + "MouseDown",
                                  PictureLoader(button.pressedFile));
        handlers.Add<TMouseEvent>(std::string(button.name) + "MouseUp",
                                  PictureLoader(button.releasedFile));
    }
}
