#include "app/Form4.h"

#include <array>
#include <string>

#include "app/Form3.h"
#include "app/MissingFiles.h"
#include "app/PictureButtons.h"
#include "app/RunTimeFiles.h"
#include "app/ScreenLayout.h"
#include "app/Screens.h"
#include "gui/controls/Image.h"
#include "gui/controls/RichEdit.h"
#include "gui/streaming/HandlerTable.h"
#include "stand/Form2.h"

namespace {

constexpr std::array<TPictureButton, 6> Buttons{{
    {"Image2", "ico\\ystr1.ico", "ico\\ystr.ico"},
    {"Image3", "ico\\sposob1.ico", "ico\\sposob.ico"},
    {"Image4", "ico\\nez1.ico", "ico\\nez.ico"},
    {"Image5", "ico\\posl1.ico", "ico\\posl.ico"},
    {"Image6", "ico\\paral1.ico", "ico\\paral.ico"},
    {"Image7", "ico\\v1.ico", "ico\\v.ico"},
}};

struct TTopic {
    const char* button;
    const char* page;
    const char* picture;
};

constexpr std::array<TTopic, 5> Topics{{
    {"Image2", "txt\\11.rtf", "ico\\1(new).jpg"},
    {"Image3", "txt\\2.rtf", "ico\\5(new).jpg"},
    {"Image4", "txt\\3.rtf", "ico\\5(new).jpg"},
    {"Image5", "txt\\4.rtf", "ico\\5(new).jpg"},
    {"Image6", "txt\\5.rtf", "ico\\5(new).jpg"},
}};

} // namespace

TForm4::TForm4(TComponent* owner) : TForm(owner) {
    Form4 = this;
    THandlerTable handlers;
    AddPictureButtonHandlers(handlers, Buttons);
    for (const TTopic& topic : Topics)
        handlers.Add<TNotifyEvent>(std::string(topic.button) + "Click", [this, topic](TObject*) {
            ShowMissingFilesOnFailure([&] { LoadTopic(topic.page, topic.picture); });
        });
    handlers.Add<TNotifyEvent>("Image7Click", [this](TObject*) { Image7Click(); });
    handlers.Add<TNotifyEvent>("FormCreate", [this](TObject*) { FormCreate(); });
    ReadScreenLayout(*this, "TForm4", "layouts/Form4.txt", handlers);
    m_richEdit1 = &LayoutPart<TRichEdit>(*this, "RichEdit1");
    m_image8 = &LayoutPart<TImage>(*this, "Image8");
}

TForm4::~TForm4() {
    Form4 = nullptr;
}

void TForm4::LoadTopic(std::string_view page, std::string_view picture) {
    m_richEdit1->LoadFromFile(RunTimePath(page));
    m_image8->LoadFromFile(RunTimePath(picture));
}

// Unguarded on purpose: a first page missing at start-up goes to the standard error box and
// start-up goes on.
void TForm4::FormCreate() {
    LoadTopic(Topics.front().page, Topics.front().picture);
}

void TForm4::Image7Click() {
    ShowMissingFilesOnFailure([] {
        if (ReturnToStand == 1)
            Form2->Show();
        else if (ReturnToStand == 0)
            Form3->Show();
    });
}
