#include "stand/Form2.h"

#include <array>

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/MissingFiles.h"
#include "app/PictureButtons.h"
#include "app/ScreenLayout.h"
#include "app/Screens.h"
#include "gui/streaming/HandlerTable.h"

namespace {

constexpr std::array<TPictureButton, 3> Signs{{
    {"Image16", "ico\\m1.ico", "ico\\m.ico"},
    {"Image17", "ico\\t1.ico", "ico\\t.ico"},
    {"Image18", "ico\\v3.ico", "ico\\v2.ico"},
}};

} // namespace

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    Form2 = this;
    THandlerTable handlers;
    AddPictureButtonHandlers(handlers, Signs);
    handlers.Add<TNotifyEvent>("FormCreate", [this](TObject*) { FormCreate(); });
    handlers.Add<TNotifyEvent>("Image16Click", [this](TObject*) { Image16Click(); });
    handlers.Add<TNotifyEvent>("Image17Click", [this](TObject*) { Image17Click(); });
    handlers.Add<TNotifyEvent>("Image18Click", [this](TObject*) { Image18Click(); });
    ReadScreenLayout(*this, "TForm2", "layouts/Form2.txt", handlers);
}

TForm2::~TForm2() {
    Form2 = nullptr;
}

// The bench's model starts here once its instruments exist.
void TForm2::FormCreate() {}

void TForm2::Image16Click() {
    ShowMissingFilesOnFailure([] { Form3->Show(); });
}

void TForm2::Image17Click() {
    ShowMissingFilesOnFailure([] {
        ReturnToStand = 1;
        Form4->Show();
    });
}

void TForm2::Image18Click() {
    Form1->Close();
}
