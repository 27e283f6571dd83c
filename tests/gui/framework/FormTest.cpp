#include <gtest/gtest.h>

#include "FrameworkFixture.h"
#include "TestControls.h"
#include "gui/graphics/Exception.h"

namespace {

using Names = std::vector<std::string>;

class FormTest : public FrameworkFixture {
protected:
    TForm* MakeForm(const std::string& name) {
        TForm* form = App().CreateForm<TForm>();
        form->SetName(name);
        form->SetBounds(0, 0, 200, 100);
        form->OnActivate = [this](TObject* sender) {
            activations.push_back(static_cast<TForm*>(sender)->Name());
        };
        return form;
    }

    Names Stack() {
        Names names;
        for (TForm* form : App().ZOrder())
            names.push_back(form->Name());
        return names;
    }

    Names activations;
};

TEST_F(FormTest, ShowingBringsToTheFrontAndAStayOnTopFormStaysAbove) {
    TForm* a = MakeForm("a");
    TForm* b = MakeForm("b");
    TForm* dialog = MakeForm("dialog");
    dialog->SetFormStyle(fsStayOnTop);
    a->Show();
    b->Show();
    EXPECT_EQ(Stack(), (Names{"a", "b"}));
    dialog->Show();
    a->Show();
    EXPECT_EQ(Stack(), (Names{"b", "a", "dialog"}));
    EXPECT_EQ(activations, (Names{"a", "b", "dialog"}));
    dialog->Close();
    EXPECT_EQ(Stack(), (Names{"b", "a"}));
    EXPECT_EQ(activations.back(), "a");
}

TEST_F(FormTest, ShowingAVisibleFormOnlyBringsItForward) {
    TForm* a = MakeForm("a");
    TForm* b = MakeForm("b");
    int shows = 0;
    a->OnShow = [&](TObject*) { ++shows; };
    a->Show();
    b->Show();
    a->Show();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(Stack(), (Names{"b", "a"}));
    EXPECT_TRUE(a->Active());
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgramAndClosingAnotherHidesIt) {
    TForm* main = MakeForm("main");
    TForm* other = MakeForm("other");
    EXPECT_EQ(App().MainForm(), main);
    other->Show();
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(App().Terminated());
    main->Hide();
    main->Close();
    EXPECT_TRUE(App().Terminated());
}

TEST_F(FormTest, CloseCanBeRefusedByTheHandler) {
    TForm* main = MakeForm("main");
    main->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    main->Close();
    EXPECT_FALSE(App().Terminated());
}

TEST_F(FormTest, TheDesktopsCloseGoesToItsOwnHandlerAndOtherwiseClosesTheForm) {
    TForm* main = MakeForm("main");
    TForm* answered = MakeForm("answered");
    TForm* plain = MakeForm("plain");
    int answers = 0;
    answered->OnDesktopClose = [&](TObject* sender) {
        EXPECT_EQ(sender, answered);
        ++answers;
    };
    answered->Show();
    plain->Show();

    answered->DesktopClose();
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(answered->Visible()) << "the handler alone decides";
    answered->Close();
    EXPECT_EQ(answers, 1) << "the program's own close never asks the handler";
    EXPECT_FALSE(answered->Visible());

    plain->SetEnabled(false);
    plain->DesktopClose();
    EXPECT_TRUE(plain->Visible()) << "a disabled form ignores the desktop";
    plain->SetEnabled(true);
    plain->DesktopClose();
    EXPECT_FALSE(plain->Visible());
    EXPECT_FALSE(App().Terminated());
    main->DesktopClose();
    EXPECT_TRUE(App().Terminated());
}

// A form whose creation handler fails, as one that loads a missing file does.
class TFailingForm : public TForm {
public:
    explicit TFailingForm(TComponent* owner) : TForm(owner) {
        OnCreate = [](TObject*) { throw Exception("Cannot open file txt\\11.rtf"); };
    }
};

TEST_F(FormTest, AFailingOnCreateIsReportedAndCreationGoesOn) {
    App().SetTitle("Стенд");
    MakeForm("first");
    App().CreateForm<TFailingForm>();
    EXPECT_EQ(Platform().ErrorMessages().size(), 1u);
    EXPECT_EQ(Platform().ErrorMessages()[0].title, "Стенд");
    EXPECT_EQ(Platform().ErrorMessages()[0].text, "Cannot open file txt\\11.rtf.");
    MakeForm("after");
    EXPECT_EQ(App().FormCount(), 3);
}

TEST_F(FormTest, AnUncaughtFailureInAHandlerGoesToTheErrorBoxAndInputGoesOn) {
    TForm* form = MakeForm("form");
    form->Show();
    int clicks = 0;
    form->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw Exception("Object not Found");
    };
    Platform().Click({50, 50});
    Platform().AdvanceBy(1000);
    Platform().Click({50, 50});
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(Platform().ErrorMessages().size(), 1u);
    EXPECT_EQ(Platform().ErrorMessages()[0].text, "Object not Found.");
}

TEST_F(FormTest, TheShellsOpenIsRecordedWithoutADisplay) {
    App().Platform().ShellOpen("Help.chm");
    EXPECT_EQ(Platform().OpenedFiles(), std::vector<std::string>{"Help.chm"});
}

TEST_F(FormTest, ACentredFormSitsInTheMiddleOfTheDesktop) {
    TForm* form = MakeForm("splash");
    form->SetClientSize(451, 353);
    form->SetPosition(poScreenCenter);
    EXPECT_EQ(form->ScreenRect(), Bounds(286, 207, 451, 353));
}

TEST_F(FormTest, OwnedComponentsGoWithTheirOwnerEvenWhenTheyAreControls) {
    TForm* form = MakeForm("form");
    auto* window = new TFilledWindow(form, Bounds(0, 0, 10, 10), clRed);
    window->SetName("window");
    EXPECT_EQ(form->FindComponent("window"), window);
    EXPECT_EQ(form->ControlCount(), 1);
    delete window;
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(form->FindComponent("window"), nullptr);
}

TEST_F(FormTest, BoundsFromOutsideStayWithinWhatEdgesCanBeComputedFrom) {
    TForm* form = MakeForm("form");
    auto* window = new TFilledWindow(form, Bounds(0, 0, 10, 10), clRed);
    window->SetBounds(2147483647, -2147483647, 2147483647, -5);
    EXPECT_GT(window->BoundsRect().Right, window->Left());
    EXPECT_LT(window->Top(), 0);
    EXPECT_EQ(window->Height(), 0);
}

class ScaledFormTest : public FrameworkFixture {
protected:
    ScaledFormTest() : FrameworkFixture({1280, 1024}) {}
};

TEST_F(ScaledFormTest, AMaximizedFormScalesItsLogicalScreenUniformlyAndMapsInputBack) {
    TForm* form = App().CreateForm<TForm>();
    form->SetWindowState(wsMaximized);
    auto* window = new TFilledWindow(form, Bounds(500, 380, 40, 40), clRed);
    form->Show();
    EXPECT_EQ(form->ClientWidth(), 1024);
    EXPECT_EQ(form->ClientHeight(), 768);
    EXPECT_EQ(form->ScreenRect(), Rect(0, 0, 1280, 1024));
    EXPECT_DOUBLE_EQ(form->Viewport().Scale(), 1.25);
    EXPECT_EQ(form->Viewport().Destination(), Rect(0, 32, 1280, 992));

    // Client (512, 384) lies at 640, 32 + 480 on the screen.
    Platform().Click({640, 512});
    EXPECT_EQ(window->Log(), (std::vector<std::string>{"focus", "down 12,4", "click", "up 12,4"}));
    // The black band above the picture maps outside the client area: nothing is hit.
    window->Log().clear();
    Platform().AdvanceBy(1000);
    Platform().Click({640, 10});
    EXPECT_TRUE(window->Log().empty());
}

} // namespace
