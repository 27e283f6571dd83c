#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "WidgetFixture.h"
#include "gui/controls/ControlClasses.h"
#include "gui/graphics/Exception.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class WidgetPersistence : public WidgetFixture {
protected:
    WidgetPersistence() {
        TControlClasses::RegisterAll();
        TTestWidget::StaticClassInfo();
        form->SetName("Form1");
        widget->SetName("Widget1");
        handlers.Add<TiPaintEvent>("Widget1Paint", [](TObject*, TCanvas&) {});
    }
    ~WidgetPersistence() override { std::remove(path.c_str()); }

    TTestWidget& ReadBack(const std::string& text) {
        TForm* copy = App().CreateForm<TForm>();
        TLayoutReader::Read(text, *copy, handlers);
        return *dynamic_cast<TTestWidget*>(copy->FindComponent("Widget1"));
    }

    THandlerTable handlers;
    // CTest runs the cases of this fixture side by side, so each needs a file of its own.
    std::string path = ::testing::TempDir() + "widget-properties-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
};

TEST_F(WidgetPersistence, LayoutRoundTripKeepsValuesEqualToTheStreamDefaultsThroughTheExtras) {
    widget->SetMaximum(0);
    widget->SetCaption("");
    widget->SetShape(tsTriangle);
    widget->SetOptions(0b101);
    widget->SetNeedleColor(clBtnFace);
    widget->Font().SetName("Arial");
    TBitmap picture(3, 2);
    picture.Fill(clYellow);
    widget->SetBackGroundPicture(picture);
    widget->OnPaint = [](TObject*, TCanvas&) {};
    widget->SetEventHandlerName("OnPaint", "Widget1Paint");

    const std::string text = TLayoutWriter::Write(*form);
    EXPECT_EQ(text.find("Count ="), std::string::npos) << text;
    EXPECT_EQ(text.find("Maximum ="), std::string::npos) << text;
    EXPECT_EQ(text.find("Caption ="), std::string::npos) << text;
    EXPECT_EQ(text.find("UpdateFrameRate"), std::string::npos) << text;
    EXPECT_NE(text.find("Options = [toFirst, toThird]"), std::string::npos) << text;
    EXPECT_NE(text.find("OnPaint = Widget1Paint"), std::string::npos) << text;

    TTestWidget& copy = ReadBack(text);
    EXPECT_EQ(copy.Maximum(), 0.0);
    EXPECT_EQ(copy.Caption(), "");
    EXPECT_EQ(copy.Shape(), tsTriangle);
    EXPECT_EQ(copy.BackGroundPicture()->Pixel(2, 1), clYellow);
    EXPECT_TRUE(copy.OnPaint);
    EXPECT_FALSE(copy.IsLoading());
    EXPECT_EQ(TLayoutWriter::Write(*copy.Owner()), text);
}

TEST_F(WidgetPersistence, PropertyFileLeavesOutPlacementNameAndEventsUnlessAskedForAll) {
    widget->SavePropertiesToFile(path);
    const std::string text = ReadFile(path);
    EXPECT_EQ(text.rfind("File Type = TTestWidget\n", 0), 0u) << text;
    EXPECT_NE(text.find("Font.Color = -16777208\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Active = 0\n"), std::string::npos) << text;
    for (const char* absent : {"Left =", "Width =", "Name =", "OnPaint", "Visible ="})
        EXPECT_EQ(text.find(std::string("\n") + absent), std::string::npos) << absent;

    widget->SetOptionSaveAllProperties(true);
    widget->SavePropertiesToFile(path);
    const std::string all = ReadFile(path);
    EXPECT_NE(all.find("Left = 20\n"), std::string::npos) << all;
    EXPECT_EQ(all.find("\nName ="), std::string::npos) << all;
}

TEST_F(WidgetPersistence, AFailedLoadKeepsEarlierValuesAndEndsTheUpdateBracket) {
    std::ofstream(path) << "File Type = TTestWidget\ncount=12\nActive = True\nMaximum = 7\n";
    try {
        widget->LoadPropertiesFromFile(path);
        FAIL() << "a Boolean written as a word must not load";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Error Loading Properties - ", 0), 0u)
            << error.what();
    }
    EXPECT_EQ(widget->Count(), 12);
    EXPECT_EQ(widget->Maximum(), 100.0);
    Settle();
    widget->SetCount(13);
    EXPECT_EQ(NewInvalidations(), 1);
}

TEST_F(WidgetPersistence, LoadingRepaintsOnceForAllItsChanges) {
    std::ofstream(path) << "File Type = TOtherWidget\nCount = 3\nMaximum = 7\nUnknown = 1\n";
    widget->LoadPropertiesFromFile(path);
    EXPECT_EQ(widget->Count(), 3);
    EXPECT_EQ(widget->Maximum(), 7.0);
    EXPECT_EQ(NewInvalidations(), 1);
}
