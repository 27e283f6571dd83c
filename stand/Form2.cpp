#include "stand/Form2.h"

#include <array>

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/MissingFiles.h"
#include "app/PictureButtons.h"
#include "app/ScreenLayout.h"
#include "app/Screens.h"
#include "gui/framework/Input.h"
#include "gui/streaming/HandlerTable.h"
#include "stand/StandModel.h"
#include "stand/StandWidgets.h"

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
    AddModelHandlers(handlers);
    AddNavigationHandlers(handlers);
    ReadScreenLayout(*this, "TForm2", "layouts/Form2.txt", handlers);
}

TForm2::~TForm2() {
    Form2 = nullptr;
}

// The handlers run only after the layout has been read, so the model finds its widgets by the
// time the first one (FormCreate) runs.
void TForm2::AddModelHandlers(THandlerTable& handlers) {
    const auto on = [this, &handlers](const char* name, void (TStandModel::*step)()) {
        handlers.Add<TNotifyEvent>(name, [this, step](TObject*) { ((*m_model).*step)(); });
    };
    const auto arrow = [this, &handlers](const char* name, bool up, bool lit) {
        handlers.Add<TMouseEvent>(
            name, [this, up, lit](TObject*, TMouseButton, TShiftState, int, int) {
                TStandModel::LightArrow(up ? m_widgets->StepUp : m_widgets->StepDown, lit);
            });
    };
    handlers.Add<TNotifyEvent>("FormCreate", [this](TObject*) { FormCreate(); });
    on("iSwitchLed1Click", &TStandModel::MainsSwitchClick);
    on("iSlider1PositionChange", &TStandModel::RheostatChange);
    on("iSwitchSlider1Click", &TStandModel::ModeClick);
    on("iSwitchSlider1PositionChange", &TStandModel::ModeChange);
    on("Timer1Timer", &TStandModel::RunUpTick);
    on("Timer2Timer", &TStandModel::NoiseTick);
    on("Timer3Timer", &TStandModel::GeneratorTick);
    on("Timer4Timer", &TStandModel::MotorTick);
    handlers.Add<TNotifyEvent>("iLedArrow1Click", [this](TObject*) { m_model->StepRheostat(1.0); });
    handlers.Add<TNotifyEvent>("iLedArrow2Click",
                               [this](TObject*) { m_model->StepRheostat(-1.0); });
    arrow("iLedArrow1MouseDown", true, true);
    arrow("iLedArrow1MouseUp", true, false);
    arrow("iLedArrow2MouseDown", false, true);
    arrow("iLedArrow2MouseUp", false, false);
}

void TForm2::AddNavigationHandlers(THandlerTable& handlers) {
    AddPictureButtonHandlers(handlers, Signs);
    handlers.Add<TNotifyEvent>("Image16Click", [this](TObject*) { Image16Click(); });
    handlers.Add<TNotifyEvent>("Image17Click", [this](TObject*) { Image17Click(); });
    handlers.Add<TNotifyEvent>("Image18Click", [this](TObject*) { Image18Click(); });
}

void TForm2::FormCreate() {
    m_widgets = std::make_unique<TStandWidgets>(*this);
    m_model = std::make_unique<TStandModel>(*m_widgets);
    m_model->Create();
}

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
