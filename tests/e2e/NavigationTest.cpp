#include "ProgramFixture.h"

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Screens.h"
#include "gui/controls/RichEdit.h"
#include "stand/Form2.h"

class Navigation : public ProgramFixture {
protected:
    Navigation() {
        Start();
        FinishSplash();
    }

    TRichEdit& Page() { return dynamic_cast<TRichEdit&>(*Form4->FindComponent("RichEdit1")); }
    std::string PageOf(const std::string& file) {
        TRichEdit page(nullptr);
        page.LoadFromFile(file);
        return page.PlainText();
    }
};

TEST_F(Navigation, MenuButtonsBringTheirScreensToTheFrontAndOpenTheHelp) {
    Click(*Form3, "Image2");
    EXPECT_TRUE(Front(*Form2));
    EXPECT_TRUE(Form3->Visible()) << "the menu stays open beneath the bench";

    Click(*Form2, "Image16");
    EXPECT_TRUE(Front(*Form3));
    Click(*Form3, "Image4");
    EXPECT_TRUE(Front(*Form3));
    ASSERT_EQ(Desktop().OpenedFiles().size(), 1u);
    EXPECT_EQ(Desktop().OpenedFiles()[0], "Help.chm");

    Click(*Form3, "Image3");
    EXPECT_TRUE(Front(*Form4));
    EXPECT_EQ(ReturnToStand, 0);
    EXPECT_FALSE(Form5->Visible());
}

TEST_F(Navigation, TheBackButtonReturnsToWhereTheTheoryWasOpenedFrom) {
    Click(*Form3, "Image2");
    Click(*Form2, "Image17");
    EXPECT_EQ(ReturnToStand, 1);
    EXPECT_TRUE(Front(*Form4));
    Click(*Form4, "Image7");
    EXPECT_TRUE(Front(*Form2)) << "opened from the bench, back to the bench";

    Click(*Form2, "Image16");
    Click(*Form3, "Image3");
    Click(*Form4, "Image7");
    EXPECT_TRUE(Front(*Form3)) << "opened from the menu, back to the menu, bench or not";
}

TEST_F(Navigation, TheFirstTopicIsShownAtStartAndEachTopicButtonLoadsItsPageAndPicture) {
    EXPECT_NE(Page().PlainText().find("генератор"), std::string::npos) << Page().PlainText();
    EXPECT_EQ(Page().PlainText(), PageOf("txt/11.rtf"));
    TImage& illustration = Picture(*Form4, "Image8");
    EXPECT_TRUE(ShowsRunTimePicture(illustration, ("ico/1(new).jpg")));

    Click(*Form3, "Image3");
    const std::pair<const char*, const char*> topics[] = {{"Image3", "txt/2.rtf"},
                                                          {"Image4", "txt/3.rtf"},
                                                          {"Image5", "txt/4.rtf"},
                                                          {"Image6", "txt/5.rtf"},
                                                          {"Image2", "txt/11.rtf"}};
    for (const auto& [button, page] : topics) {
        Click(*Form4, button);
        EXPECT_EQ(Page().PlainText(), PageOf(page)) << button;
        EXPECT_FALSE(Form5->Visible()) << button;
    }
    Click(*Form4, "Image5");
    EXPECT_TRUE(ShowsRunTimePicture(illustration, ("ico/5(new).jpg")));
}

TEST_F(Navigation, PictureButtonsShowThePressedPictureUntilReleased) {
    struct TCase {
        TForm* form;
        const char* button;
        const char* pressed;
        const char* released;
    };
    Click(*Form3, "Image3");
    Click(*Form4, "Image7");
    Click(*Form3, "Image2");
    const TCase cases[] = {{Form3, "Image2", "ico/22.ico", "ico/2.ico"},
                           {Form4, "Image4", "ico/nez1.ico", "ico/nez.ico"},
                           {Form4, "Image7", "ico/v1.ico", "ico/v.ico"},
                           {Form2, "Image16", "ico/m1.ico", "ico/m.ico"},
                           {Form2, "Image18", "ico/v3.ico", "ico/v2.ico"}};
    for (const TCase& c : cases) {
        c.form->Show();
        TImage& button = Picture(*c.form, c.button);
        EXPECT_TRUE(ShowsRunTimePicture(button, (c.released))) << c.button;
        Press(*c.form, c.button);
        Advance(500);
        EXPECT_TRUE(ShowsRunTimePicture(button, (c.pressed))) << c.button;
        // Released away from the button: the picture comes back, and nothing is clicked.
        Desktop().MouseUp({1, 1});
        EXPECT_TRUE(ShowsRunTimePicture(button, (c.released))) << c.button;
        EXPECT_TRUE(Front(*c.form)) << c.button;
    }
}

TEST_F(Navigation, TheMenusExitButtonEndsTheProgramThroughTheHiddenMainWindow) {
    ASSERT_FALSE(Form1->Visible());
    Click(*Form3, "Image5");
    EXPECT_TRUE(App().Terminated());
}

TEST_F(Navigation, TheBenchsExitSignEndsTheProgram) {
    Click(*Form3, "Image2");
    Click(*Form2, "Image18");
    EXPECT_TRUE(App().Terminated());
}
