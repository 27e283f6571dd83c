#include "app/Form5.h"

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/ScreenLayout.h"
#include "app/Screens.h"
#include "gui/streaming/HandlerTable.h"
#include "stand/Form2.h"

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    Form5 = this;
    THandlerTable handlers;
    handlers.Add<TNotifyEvent>("FormActivate", [this](TObject*) { FormActivate(); });
    handlers.Add<TNotifyEvent>("SpeedButton1Click", [this](TObject*) { SpeedButton1Click(); });
    handlers.Add<TNotifyEvent>("SpeedButton2Click", [this](TObject*) { SpeedButton2Click(); });
    ReadScreenLayout(*this, "TForm5", "layouts/Form5.txt", handlers);
}

TForm5::~TForm5() {
    Form5 = nullptr;
}

void TForm5::FormActivate() {
    EnableFullScreens(false);
}

// Closing the main window ends the program; the rest close after it in order.
void TForm5::SpeedButton1Click() {
    Form1->Close();
    Form2->Close();
    Form3->Close();
    Form4->Close();
    Close();
}

void TForm5::SpeedButton2Click() {
    Close();
    EnableFullScreens(true);
}

void TForm5::EnableFullScreens(bool enabled) {
    Form2->SetEnabled(enabled);
    Form3->SetEnabled(enabled);
    Form4->SetEnabled(enabled);
}
