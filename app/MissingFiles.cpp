#include "app/MissingFiles.h"

#include "app/Form5.h"
#include "app/Screens.h"

void ShowMissingFilesOnFailure(const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        Form5->Show();
    }
}
