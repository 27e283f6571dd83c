#include "app/Program.h"

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "gui/framework/Application.h"
#include "stand/Form2.h"
#include "widgets/WidgetClasses.h"

TProgram::TProgram(std::unique_ptr<TPlatform> platform)
    : m_application(std::make_unique<TApplication>(std::move(platform))) {
    RegisterClasses();
    m_application->SetTitle("Стенд");
    CreateScreens();
}

TProgram::~TProgram() = default;

void TProgram::RegisterClasses() {
    TWidgetClasses::RegisterAll();
}

// The splash comes first and so becomes the main window.
void TProgram::CreateScreens() {
    m_application->CreateForm<TForm1>();
    m_application->CreateForm<TForm2>();
    m_application->CreateForm<TForm3>();
    m_application->CreateForm<TForm4>();
    m_application->CreateForm<TForm5>();
}
