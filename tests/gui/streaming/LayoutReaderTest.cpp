#include "gui/streaming/LayoutReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayoutFixture.h"

namespace {

using ::testing::ElementsAre;

class LayoutReaderTest : public LayoutFixture {};

const std::string EveryKind = "object Form: TTestForm\n"
                              "  Caption = 'Стенд'\n"
                              "  ClientWidth = 300\n"
                              "  Color = clBlack\n"
                              "  OnCreate = FormCreate\n"
                              "  object Gadget1: TTestGadget\n"
                              "    Left = 5\n"
                              "    Cursor = crHandPoint\n"
                              "    Count = $10\n"
                              "    Ratio = 2\n"
                              "    Title = 'a'#13#10'b'\n"
                              "    Active = True\n"
                              "    Size = tsLarge\n"
                              "    Options = [toAlpha, toGamma]\n"
                              "    Tint = 255\n"
                              "    Font.Name = 'Arial'\n"
                              "    Font.Style = [fsBold]\n"
                              "    Font.Color = clRed\n"
                              "    OnChange = GadgetChange\n"
                              "    OnValue = GadgetValue\n"
                              "    Blob = {00FF}\n"
                              "    Points = <\n"
                              "      item\n"
                              "        X = 1\n"
                              "        Caption = 'first'\n"
                              "      end\n"
                              "      item\n"
                              "        Y = 2\n"
                              "      end>\n"
                              "  end\n"
                              "end\n";

TEST_F(LayoutReaderTest, SetsPropertiesOfEveryKind) {
    int changes = 0;
    int lastValue = 0;
    THandlerTable handlers;
    handlers.Add<TNotifyEvent>("FormCreate", [](TObject*) {});
    handlers.Add<TNotifyEvent>("GadgetChange", [&](TObject*) { ++changes; });
    handlers.Add<TTestValueEvent>("GadgetValue", [&](TObject*, int value) { lastValue = value; });
    TTestForm& form = Load(EveryKind, handlers);

    EXPECT_EQ(form.Name(), "Form");
    EXPECT_EQ(form.Caption(), "Стенд");
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.Color(), clBlack);
    EXPECT_EQ(form.EventHandlerName("OnCreate"), "FormCreate");
    auto& gadget = Named<TTestGadget>(form, "Gadget1");
    EXPECT_EQ(gadget.Left(), 5);
    EXPECT_EQ(gadget.Cursor(), crHandPoint);
    EXPECT_EQ(gadget.Count(), 16);
    EXPECT_EQ(gadget.Ratio(), 2.0);
    EXPECT_EQ(gadget.Title(), "a\r\nb");
    EXPECT_TRUE(gadget.Active());
    EXPECT_EQ(gadget.Size(), tsLarge);
    EXPECT_EQ(gadget.Options(), 0b101);
    EXPECT_EQ(gadget.Tint(), 255);
    EXPECT_EQ(gadget.Font().Name(), "Arial");
    EXPECT_TRUE(gadget.Font().HasStyle(fsBold));
    EXPECT_EQ(gadget.Font().Color(), clRed);
    EXPECT_THAT(gadget.Blob(), ElementsAre(0x00, 0xFF));
    ASSERT_EQ(gadget.Points().size(), 2u);
    EXPECT_EQ(gadget.Points()[0].X(), 1);
    EXPECT_EQ(gadget.Points()[0].Caption(), "first");
    EXPECT_EQ(gadget.Points()[1].Y(), 2);

    gadget.OnChange(&gadget);
    gadget.OnValue(&gadget, 7);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lastValue, 7);
    EXPECT_EQ(gadget.EventHandlerName("OnValue"), "GadgetValue");
}

TEST_F(LayoutReaderTest, NamesAreFoundWithoutRegardToCase) {
    TTestForm& form = Load("object Form: TTestForm\n"
                           "  object G: TTestGadget\n"
                           "    count = 3\n"
                           "    FONT.name = 'Arial'\n"
                           "    size = TSSMALL\n"
                           "    active = true\n"
                           "    cursor = crhandpoint\n"
                           "  end\n"
                           "end\n");
    auto& gadget = Named<TTestGadget>(form, "G");
    EXPECT_EQ(gadget.Count(), 3);
    EXPECT_EQ(gadget.Font().Name(), "Arial");
    EXPECT_EQ(gadget.Size(), tsSmall);
    EXPECT_TRUE(gadget.Active());
    EXPECT_EQ(gadget.Cursor(), crHandPoint);
}

TEST_F(LayoutReaderTest, ComponentsAreOwnedParentedAndLoadingWhileTheirPropertiesAreSet) {
    TTestForm& form = Load("object Form: TTestForm\n"
                           "  object First: TTestGadget\n"
                           "    Count = 1\n"
                           "  end\n"
                           "  object Second: TTestGadget\n"
                           "    Count = 2\n"
                           "  end\n"
                           "end\n");
    ASSERT_EQ(form.ComponentCount(), 2);
    for (const char* name : {"First", "Second"}) {
        auto& gadget = Named<TTestGadget>(form, name);
        EXPECT_EQ(gadget.Owner(), &form);
        EXPECT_EQ(gadget.Parent(), &form);
        EXPECT_TRUE(gadget.CountSetWhileLoading()) << name;
        EXPECT_TRUE(gadget.CountSetWithParent()) << name;
        EXPECT_FALSE(gadget.IsLoading()) << name;
    }
    EXPECT_FALSE(form.IsLoading());
    EXPECT_THAT(TTestGadget::LoadedLog(), ElementsAre("Form", "First", "Second"));
}

TEST_F(LayoutReaderTest, ControlsOfARootThatIsNoFormGetNoParent) {
    TTestRoot root(nullptr);
    TLayoutReader::Read("object Root: TTestRoot\n"
                        "  object G: TTestGadget\n"
                        "    Count = 1\n"
                        "  end\n"
                        "end\n",
                        root, {});
    auto& gadget = Named<TTestGadget>(root, "G");
    EXPECT_EQ(gadget.Parent(), nullptr);
    EXPECT_TRUE(gadget.CountSetWhileLoading());
}

TEST_F(LayoutReaderTest, AFailureNamesItsLineAndLeavesWhatWasCreatedWithTheRoot) {
    TTestForm& form = NewForm();
    const std::string message = ReadError("object Form: TTestForm\n"
                                          "  object First: TTestGadget\n"
                                          "  end\n"
                                          "  object Second: TTestGadget\n"
                                          "    Count = 1\n"
                                          "    Count = 'many'\n"
                                          "  end\n"
                                          "end\n",
                                          form);
    EXPECT_EQ(message, "Layout line 6: Count: Expected an integer, found a string");
    ASSERT_EQ(form.ComponentCount(), 2);
    EXPECT_FALSE(form.IsLoading());
    EXPECT_FALSE(form.Components(0)->IsLoading());
    EXPECT_FALSE(form.Components(1)->IsLoading());
    EXPECT_TRUE(TTestGadget::LoadedLog().empty()) << "Loaded is for layouts read completely";
}

TEST_F(LayoutReaderTest, FaultsOfMeaningSayWhatIsWrong) {
    const std::string head = "object Form: TTestForm\n  object G: TTestGadget\n";
    const std::string tail = "\n  end\nend\n";
    struct Case {
        std::string Text;
        std::string Message;
    };
    const std::vector<Case> cases = {
        {"object Form: TOtherForm\nend\n",
         "Layout line 1: The layout is of class TOtherForm, the component of class TTestForm"},
        {"object Form: TTestForm\n  object G: TNothing\n  end\nend\n",
         "Layout line 2: Unknown class TNothing"},
        {"object Form: TTestForm\n  object F: TFont\n  end\nend\n",
         "Layout line 2: A TFont cannot be created in a layout"},
        {"object Form: TTestForm\n  object F: TTestForm\n  end\nend\n",
         "Layout line 2: A TTestForm cannot be created in a layout"},
        {head + "    object H: TTestGadget\n    end" + tail,
         "Layout line 3: Objects cannot be nested inside G"},
        {head + "  end\n  object G: TTestGadget" + tail,
         "Layout line 4: A component named G already exists"},
        {head + "    Weight = 1" + tail, "Layout line 3: Weight: Unknown property of TTestGadget"},
        {head + "    Font.Weight = 1" + tail,
         "Layout line 3: Font.Weight: Unknown property of TTestGadget"},
        {head + "    Count.Weight = 1" + tail,
         "Layout line 3: Count.Weight: Unknown property of TTestGadget"},
        {head + "    Font = 1" + tail,
         "Layout line 3: Font: An object takes no value; set its properties (Font.Name = ...)"},
        {head + "    Size = tsHuge" + tail,
         "Layout line 3: Size: Bad enumeration name tsHuge (expected one of tsSmall, tsMedium, "
         "tsLarge)"},
        {head + "    Options = [toAlpha, toDelta]" + tail,
         "Layout line 3: Options: Bad set element name toDelta (expected one of toAlpha, toBeta, "
         "toGamma)"},
        {head + "    Options = toAlpha" + tail,
         "Layout line 3: Options: Expected a set, found a name"},
        {head + "    Active = 1" + tail,
         "Layout line 3: Active: Expected a name, found an integer"},
        {head + "    Active = Yes" + tail,
         "Layout line 3: Active: Expected True or False, found Yes"},
        {head + "    Tint = clNothing" + tail, "Layout line 3: Tint: Unknown value name clNothing"},
        {head + "    Count = 1.5" + tail,
         "Layout line 3: Count: Expected an integer, found a real number"},
        {head + "    Count = 3000000000" + tail,
         "Layout line 3: Count: Value out of range: 3000000000"},
        {head + "    Ratio = 'x'" + tail,
         "Layout line 3: Ratio: Expected a real number, found a string"},
        {head + "    Title = Name" + tail, "Layout line 3: Title: Expected a string, found a name"},
        {head + "    Blob = 'x'" + tail,
         "Layout line 3: Blob: Expected binary data, found a string"},
        {head + "    name = 'Other'" + tail,
         "Layout line 3: name: A component is named in its object header"},
        {head + "    OnChange = Missing" + tail,
         "Layout line 3: OnChange: No handler named Missing"},
        {head + "    OnChange = 'Handler'" + tail,
         "Layout line 3: OnChange: Expected a name, found a string"},
    };
    for (const Case& c : cases) {
        TTestForm& form = NewForm();
        EXPECT_EQ(ReadError(c.Text, form), c.Message) << c.Text;
    }
}

TEST_F(LayoutReaderTest, AHandlerOfAnotherSignatureDoesNotFit) {
    THandlerTable handlers;
    handlers.Add<TTestValueEvent>("Change", [](TObject*, int) {});
    TTestForm& form = NewForm();
    EXPECT_EQ(ReadError("object Form: TTestForm\n"
                        "  object G: TTestGadget\n"
                        "    OnChange = Change\n"
                        "  end\n"
                        "end\n",
                        form, handlers),
              "Layout line 3: OnChange: The handler Change does not fit the event");
}

TEST_F(LayoutReaderTest, FaultsInsideAnItemNameTheItemsOwnLine) {
    TTestForm& form = NewForm();
    EXPECT_EQ(ReadError("object Form: TTestForm\n"
                        "  object G: TTestGadget\n"
                        "    Points = <\n"
                        "      item\n"
                        "        X = 'left'\n"
                        "      end>\n"
                        "  end\n"
                        "end\n",
                        form),
              "Layout line 5: X: Expected an integer, found a string");
}

TEST_F(LayoutReaderTest, ItemsCannotWireEvents) {
    TTestGadget gadget(nullptr);
    const std::vector<TLayoutProperty> item = {{"OnChange", TLayoutValue::OfIdent("Change"), 9}};
    try {
        TLayoutReader::ReadObjectProperties(gadget, TTestGadget::ClassInfo(), item);
        FAIL() << "an event was wired without handlers";
    } catch (const EReadError& error) {
        EXPECT_STREQ(error.what(), "Layout line 9: OnChange: Events cannot be wired here");
    }
}

} // namespace
