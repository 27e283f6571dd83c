#include "app/Program.h"

#include <malloc.h>

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Screens.h"
#include "gui/controls/Image.h"
#include "gui/framework/Application.h"
#include "gui/framework/Form.h"
#include "stand/Form2.h"
#include "widgets/WidgetClasses.h"

TProgram::TProgram(std::unique_ptr<TPlatform> platform)
    : m_application(std::make_unique<TApplication>(std::move(platform))) {
    RegisterClasses();
    m_application->SetTitle("Стенд");
    CreateScreens();
    AnswerDesktopClose();
}

TProgram::~TProgram() = default;

void TProgram::RegisterClasses() {
    TWidgetClasses::RegisterAll();
}

// The splash comes first and so becomes the main window. It is on screen while the other four
// are built, as a splash is meant to be: the loop would show it only after all of them. Their
// creation handlers still run in the same order, and the splash's timer still first ticks in
// the loop.
void TProgram::CreateScreens() {
    m_application->CreateForm<TForm1>();
    ShowSplash();
    m_application->CreateForm<TForm2>();
    m_application->CreateForm<TForm3>();
    m_application->CreateForm<TForm4>();
    m_application->CreateForm<TForm5>();
    ReleaseHiddenPictures();
    ReleaseBuildingMemory();
}

// Pictures are decoded as their layouts are read. A screen not yet shown gives their pixels up
// until it is: most are large backgrounds, and some screens a student may never open.
void TProgram::ReleaseHiddenPictures() {
    for (int i = 0; i < m_application->FormCount(); ++i) {
        const TForm& form = *m_application->Forms(i);
        if (form.Visible())
            continue;
        for (int c = 0; c < form.ComponentCount(); ++c)
            if (auto* image = dynamic_cast<TImage*>(form.Components(c)))
                image->ReleasePixels();
    }
}

// Reading the layouts and checking their pictures needed large blocks for a moment. Freed,
// they stay in the heap rather than go back to the system, and the program would carry them
// for the rest of its run.
void TProgram::ReleaseBuildingMemory() {
    malloc_trim(0);
}

void TProgram::ShowSplash() {
    Form1->Show();
    m_application->PaintDirtyForms();
}

// Only the splash is the main window, so the desktop's close on any other screen would merely hide
// it and leave the program running with nothing to see or click. A full screen's close ends the
// program as its exit buttons do, the dialog's goes back as "НЕТ" does, and the splash's ends the
// program as the main window's close always has.
void TProgram::AnswerDesktopClose() {
    const auto endProgram = [](TObject*) { Form1->Close(); };
    Form2->OnDesktopClose = endProgram;
    Form3->OnDesktopClose = endProgram;
    Form4->OnDesktopClose = endProgram;
    Form5->OnDesktopClose = [](TObject*) { Form5->SpeedButton2Click(); };
}
