#include "gui/streaming/LayoutWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "LayoutFixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class LayoutWriterTest : public LayoutFixture {
protected:
    TTestGadget& NewGadget(TComponent& owner, const std::string& name) {
        auto* gadget = new TTestGadget(&owner);
        gadget->SetName(name);
        return *gadget;
    }

    // The text of one property line of the gadget G on a root of its own, without the path.
    std::string Written(const std::function<void(TTestGadget&)>& change, const std::string& path) {
        TTestRoot root(nullptr);
        root.SetName("Root");
        TTestGadget& gadget = NewGadget(root, "G");
        change(gadget);
        const std::string text = TLayoutWriter::Write(root);
        const std::string key = "\n    " + path + " = ";
        const std::size_t at = text.find(key);
        if (at == std::string::npos)
            return "(not written)";
        const std::size_t start = at + key.size();
        return text.substr(start, text.find('\n', start) - start);
    }

    static std::string WriteError(const TComponent& root) {
        try {
            TLayoutWriter::Write(root);
        } catch (const EWriteError& error) {
            return error.what();
        }
        return "no error";
    }
};

TEST_F(LayoutWriterTest, DefaultsAreLeftOut) {
    TTestRoot root(nullptr);
    root.SetName("Root");
    NewGadget(root, "G");
    EXPECT_EQ(TLayoutWriter::Write(root), "object Root: TTestRoot\n"
                                          "  object G: TTestGadget\n"
                                          "    Left = 0\n"
                                          "    Top = 0\n"
                                          "    Width = 40\n"
                                          "    Height = 20\n"
                                          "    Font.Color = clWindowText\n"
                                          "    Font.Height = -11\n"
                                          "    Font.Name = 'MS Sans Serif'\n"
                                          "    Font.Style = []\n"
                                          "  end\n"
                                          "end\n");
}

TEST_F(LayoutWriterTest, EveryKindInItsNotation) {
    TTestRoot root(nullptr);
    root.SetName("Root");
    TTestGadget& gadget = NewGadget(root, "G");
    gadget.SetCursor(crHandPoint);
    gadget.SetCount(-3);
    gadget.SetRatio(0.1);
    gadget.SetTitle("It's");
    gadget.SetActive(true);
    gadget.SetSize(tsSmall);
    gadget.SetOptions(0b110);
    gadget.SetTint(RGB(1, 2, 3));
    gadget.Font().SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsUnderline));
    gadget.Font().SetColor(clBlack);
    gadget.SetEventHandlerName("OnChange", "GadgetChange");
    gadget.Blob() = {0xDE, 0xAD};
    gadget.Points().resize(2);
    gadget.Points()[0].SetX(4);
    EXPECT_EQ(TLayoutWriter::Write(root), "object Root: TTestRoot\n"
                                          "  object G: TTestGadget\n"
                                          "    Left = 0\n"
                                          "    Top = 0\n"
                                          "    Width = 40\n"
                                          "    Height = 20\n"
                                          "    Cursor = crHandPoint\n"
                                          "    Count = -3\n"
                                          "    Ratio = 0.1\n"
                                          "    Title = 'It''s'\n"
                                          "    Active = True\n"
                                          "    Size = tsSmall\n"
                                          "    Options = [toBeta, toGamma]\n"
                                          "    Tint = 197121\n"
                                          "    Font.Color = clBlack\n"
                                          "    Font.Height = -11\n"
                                          "    Font.Name = 'MS Sans Serif'\n"
                                          "    Font.Style = [fsBold, fsUnderline]\n"
                                          "    OnChange = GadgetChange\n"
                                          "    Blob = {\n"
                                          "      DEAD}\n"
                                          "    Points = <\n"
                                          "      item\n"
                                          "        X = 4\n"
                                          "      end\n"
                                          "      item\n"
                                          "      end>\n"
                                          "  end\n"
                                          "end\n");
}

TEST_F(LayoutWriterTest, RealsInTheShortestTextThatReadsAsAReal) {
    const std::vector<std::pair<double, std::string>> cases = {
        {100, "100.0"},         {0.1, "0.1"},    {2.5e-10, "2.5e-10"},
        {-1.5, "-1.5"},         {1e20, "1e+20"}, {1.0 / 3, "0.3333333333333333"},
        {0.0, "(not written)"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(Written([&](TTestGadget& g) { g.SetRatio(value); }, "Ratio"), text) << value;
}

TEST_F(LayoutWriterTest, ControlCharactersOfStringsGoOutsideTheQuotes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a\r\nb", "'a'#13#10'b'"}, {"\tx", "#9'x'"}, {"x\n", "'x'#10"}, {"\n", "#10"},
        {"Стенд", "'Стенд'"},       {"''", "''''''"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(Written([&](TTestGadget& g) { g.SetTitle(value); }, "Title"), text) << value;
}

TEST_F(LayoutWriterTest, BinaryDataRunsIn64HexDigitsALine) {
    TTestRoot root(nullptr);
    NewGadget(root, "G").Blob().assign(40, 0xAB);
    std::string full;
    for (int i = 0; i < 40; ++i)
        full += "AB";
    EXPECT_THAT(TLayoutWriter::Write(root), HasSubstr("    Blob = {\n      " + full.substr(0, 64) +
                                                      "\n      " + full.substr(64) + "}\n"));
}

TEST_F(LayoutWriterTest, OnlyComponentsOfRegisteredClassesAreWritten) {
    struct TStranger : TComponent {
        using TComponent::TComponent;
    };
    TTestRoot root(nullptr);
    root.SetName("Root");
    (new TStranger(&root))->SetName("Stranger");
    NewGadget(root, "G");
    const std::string text = TLayoutWriter::Write(root);
    EXPECT_THAT(text, HasSubstr("object G: TTestGadget"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("Stranger")));
}

TEST_F(LayoutWriterTest, ValuesWithoutTextAreWriteErrors) {
    TTestRoot root(nullptr);
    TTestGadget& gadget = NewGadget(root, "G");
    gadget.SetRatio(std::nan(""));
    EXPECT_EQ(WriteError(root), "Ratio: A real that is not finite cannot be written");
    gadget.SetRatio(1);
    gadget.SetSize(static_cast<TTestSize>(7));
    EXPECT_EQ(WriteError(root), "Size: 7 has no name");
    gadget.SetSize(tsLarge);
    gadget.SetTitle("\xFF");
    EXPECT_EQ(WriteError(root), "Title: A string that is not UTF-8 cannot be written");
    gadget.SetTitle("");
    gadget.SetName("Not a name");
    EXPECT_EQ(WriteError(root), "'Not a name' is not an identifier");
}

TEST_F(LayoutWriterTest, ObjectPropertiesArePublishedOnesThenDefinedOnes) {
    TTestGadget gadget(nullptr);
    gadget.SetCount(2);
    gadget.Blob() = {1};
    std::vector<std::string> paths;
    for (const TLayoutProperty& property :
         TLayoutWriter::WriteObjectProperties(gadget, TTestGadget::ClassInfo()))
        paths.push_back(property.Path);
    EXPECT_THAT(paths, ElementsAre("Left", "Top", "Width", "Height", "Count", "Font.Color",
                                   "Font.Height", "Font.Name", "Font.Style", "Blob"));
}

TEST_F(LayoutWriterTest, WhatIsWrittenReadsBackAndWritesTheSameText) {
    THandlerTable handlers;
    handlers.Add<TNotifyEvent>("FormCreate", [](TObject*) {});
    handlers.Add<TNotifyEvent>("GadgetChange", [](TObject*) {});
    handlers.Add<TTestValueEvent>("GadgetValue", [](TObject*, int) {});
    TTestForm& original = NewForm();
    TLayoutReader::Read("object Form: TTestForm\n"
                        "  Caption = 'Стенд'\n"
                        "  Color = clBlack\n"
                        "  OnCreate = FormCreate\n"
                        "  object Gadget1: TTestGadget\n"
                        "    Ratio = 2.5e-10\n"
                        "    Title = 'a'#13#10'b'\n"
                        "    Options = [toAlpha]\n"
                        "    OnValue = GadgetValue\n"
                        "    Blob = {" +
                            std::string(200, '7') +
                            "}\n"
                            "    Points = <item X = 1 Caption = 'one' end item end>\n"
                            "  end\n"
                            "  object Gadget2: TTestGadget\n"
                            "    OnChange = GadgetChange\n"
                            "  end\n"
                            "end\n",
                        original, handlers);
    const std::string first = TLayoutWriter::Write(original);
    TTestForm& copy = NewForm();
    TLayoutReader::Read(first, copy, handlers);
    EXPECT_EQ(TLayoutWriter::Write(copy), first);
    EXPECT_EQ(Named<TTestGadget>(copy, "Gadget1").Points().at(0).Caption(), "one");
}

} // namespace
