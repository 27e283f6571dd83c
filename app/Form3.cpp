#include "app/Form3.h"

#include <array>

#include "app/Form1.h"
#include "app/Form4.h"
#include "app/MissingFiles.h"
#include "app/PictureButtons.h"
#include "app/ScreenLayout.h"
#include "app/Screens.h"
#include "gui/framework/Application.h"
#include "gui/streaming/HandlerTable.h"
#include "stand/Form2.h"

namespace {

constexpr std::array<TPictureButton, 4> Buttons{{
    {"Image2", "ico\\22.ico", "ico\\2.ico"},
    {"Image3", "ico\\44.ico", "ico\\7.ico"},
    {"Image4", "ico\\33.ico", "ico\\3.ico"},
    {"Image5", "ico\\45.ico", "ico\\4.ico"},
}};

} // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    Form3 = this;
    THandlerTable handlers;
    AddPictureButtonHandlers(handlers, Buttons);
    handlers.Add<TNotifyEvent>("Image2Click", [this](TObject*) { Image2Click(); });
    handlers.Add<TNotifyEvent>("Image3Click", [this](TObject*) { Image3Click(); });
    handlers.Add<TNotifyEvent>("Image4Click", [this](TObject*) { Image4Click(); });
    handlers.Add<TNotifyEvent>("Image5Click", [this](TObject*) { Image5Click(); });
    ReadScreenLayout(*this, "TForm3", "layouts/Form3.txt", handlers);
}

TForm3::~TForm3() {
    Form3 = nullptr;
}

void TForm3::Image2Click() {
    ShowMissingFilesOnFailure([] { Form2->Show(); });
}

void TForm3::Image3Click() {
    ReturnToStand = 0;
    Form4->Show();
}

// The shell opens the help in a viewer of its own; whether that worked is not known here.
void TForm3::Image4Click() {
    ShowMissingFilesOnFailure([] { Application->Platform().ShellOpen("Help.chm"); });
}

// Closing the main window ends the program; the other two close with it in the same order as
// ever.
void TForm3::Image5Click() {
    Form1->Close();
    Form2->Close();
    Close();
}
