#include "ProgramFixture.h"

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Screens.h"
#include "gui/controls/RichEdit.h"
#include "stand/Form2.h"

class MissingFiles : public ProgramFixture {
protected:
    void StartAtTheMenu() {
        Start();
        FinishSplash();
    }
    void ExpectDialogWithFullScreensDisabled() {
        EXPECT_TRUE(Form5->Visible());
        EXPECT_TRUE(Front(*Form5));
        for (TForm* screen :
             {static_cast<TForm*>(Form2), static_cast<TForm*>(Form3), static_cast<TForm*>(Form4)})
            EXPECT_FALSE(screen->Enabled()) << screen->Name();
    }
    std::string Page() {
        return dynamic_cast<TRichEdit&>(*Form4->FindComponent("RichEdit1")).PlainText();
    }
};

TEST_F(MissingFiles, WithoutTheIcoFolderATopicButtonBringsUpTheDialogAndNetGoesBack) {
    StartAtTheMenu();
    Click(*Form3, "Image3");
    Remove("ico");
    Press(*Form4, "Image4");
    ExpectDialogWithFullScreensDisabled();

    // Clicks on the full screens do nothing while the dialog is up.
    Desktop().MouseUp({1, 1});
    Click(*Form4, "Image7");
    EXPECT_TRUE(Form5->Visible());
    EXPECT_FALSE(Form3->Visible() && Front(*Form3));

    Click(*Form5, "SpeedButton2");
    EXPECT_FALSE(Form5->Visible());
    EXPECT_TRUE(Front(*Form4)) << "back to the screen that was in front";
    EXPECT_TRUE(Form2->Enabled() && Form3->Enabled() && Form4->Enabled());
    EXPECT_FALSE(App().Terminated());
}

TEST_F(MissingFiles, AMissingPageKeepsThePreviousPageAndPicture) {
    Remove("txt/3.rtf");
    StartAtTheMenu();
    Click(*Form3, "Image3");
    Click(*Form4, "Image3");
    ASSERT_FALSE(Form5->Visible());
    const std::string page = Page();
    TBitmap picture;
    picture = Picture(*Form4, "Image8").Picture();

    Click(*Form4, "Image4");
    ExpectDialogWithFullScreensDisabled();
    EXPECT_EQ(Page(), page);
    EXPECT_TRUE(SamePicture(Picture(*Form4, "Image8").Picture(), picture));
}

TEST_F(MissingFiles, OkEndsTheProgram) {
    StartAtTheMenu();
    Remove("ico");
    Press(*Form3, "Image2");
    ASSERT_TRUE(Form5->Visible());
    Desktop().MouseUp({1, 1});
    Click(*Form5, "SpeedButton1");
    EXPECT_TRUE(App().Terminated());
}

TEST_F(MissingFiles, WithoutTheIcoFolderANavigationSignLeavesTheBenchAsItWas) {
    StartAtTheMenu();
    Click(*Form3, "Image2");
    Remove("ico");
    TBitmap sign;
    sign = Picture(*Form2, "Image17").Picture();
    Press(*Form2, "Image17");
    ExpectDialogWithFullScreensDisabled();
    EXPECT_TRUE(SamePicture(Picture(*Form2, "Image17").Picture(), sign));
    Click(*Form5, "SpeedButton2");
    EXPECT_TRUE(Front(*Form2));
}

TEST_F(MissingFiles, AMissingFirstPageAtStartUpGoesToTheErrorBoxAndStartUpGoesOn) {
    Remove("txt/11.rtf");
    Start();
    ASSERT_EQ(Desktop().ErrorMessages().size(), 1u);
    EXPECT_NE(Desktop().ErrorMessages()[0].text.find("11.rtf"), std::string::npos)
        << Desktop().ErrorMessages()[0].text;
    EXPECT_EQ(App().FormCount(), 5);
    EXPECT_FALSE(Form5->Visible());
    FinishSplash();
    EXPECT_TRUE(Front(*Form3));
}

TEST_F(MissingFiles, AMissingHelpFileIsTheShellsBusinessNotTheDialogs) {
    Remove("Help.chm");
    StartAtTheMenu();
    Click(*Form3, "Image4");
    EXPECT_FALSE(Form5->Visible());
    EXPECT_EQ(Desktop().OpenedFiles().size(), 1u);
}
