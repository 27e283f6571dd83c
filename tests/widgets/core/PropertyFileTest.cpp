#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "gui/framework/Control.h"
#include "gui/graphics/Exception.h"
#include "gui/graphics/Font.h"
#include "gui/streaming/ClassBuilder.h"
#include "gui/streaming/FrameworkClasses.h"
#include "widgets/core/LocaleFloat.h"
#include "widgets/core/PropertyFile.h"

namespace {

enum TDialShape : std::uint8_t { dsRound, dsSquare, dsTriangle };
enum TDialSide : std::uint8_t { sdTop, sdLeft, sdBottom, sdRight };

// A component with one property of every kind the files handle, and some they leave alone.
class TDialSample : public TComponent {
public:
    explicit TDialSample(TComponent* owner) : TComponent(owner) {}

    static const TClassInfo& ClassInfo() {
        static const TClassInfo& info =
            TClassBuilder<TDialSample>("TDialSample", &TFrameworkClasses::Component())
                .Object("Font", &TDialSample::Font, TFrameworkClasses::Font())
                .Enumeration("Shape", &TDialSample::Shape, &TDialSample::SetShape,
                             {"dsRound", "dsSquare", "dsTriangle"}, dsRound)
                .Set("Sides", &TDialSample::Sides, &TDialSample::SetSides,
                     {"sdTop", "sdLeft", "sdBottom", "sdRight"}, 0)
                .Double("Scale", &TDialSample::Scale, &TDialSample::SetScale)
                .String("Caption", &TDialSample::Caption, &TDialSample::SetCaption)
                .Boolean("Active", &TDialSample::Active, &TDialSample::SetActive, false)
                .Boolean("Mirrored", &TDialSample::Mirrored, &TDialSample::SetMirrored, true)
                .Color("BackColor", &TDialSample::BackColor, &TDialSample::SetBackColor, clBtnFace)
                .Integer("Limit", &TDialSample::Limit, &TDialSample::SetLimit, 50)
                .Integer("Divisions", &TDialSample::Divisions, &TDialSample::SetDivisions, 10)
                .Event("OnChange", &TDialSample::OnChange)
                .Integer("Serial", &TDialSample::Serial, &TDialSample::SetSerial)
                .NotStored()
                .Integer("Revision", &TDialSample::Revision, nullptr)
                .Object("Needle", &TDialSample::Needle, TFrameworkClasses::Font())
                .Build();
        return info;
    }

    TFont& Font() { return m_font; }
    TDialShape Shape() const { return m_shape; }
    void SetShape(TDialShape value) { m_shape = value; }
    std::uint8_t Sides() const { return m_sides; }
    void SetSides(std::uint8_t value) { m_sides = value; }
    double Scale() const { return m_scale; }
    void SetScale(double value) { m_scale = value; }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { m_caption = value; }
    bool Active() const { return m_active; }
    void SetActive(bool value) { m_active = value; }
    bool Mirrored() const { return m_mirrored; }
    void SetMirrored(bool value) { m_mirrored = value; }
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor value) { m_backColor = value; }
    int Limit() const { return m_limit; }
    void SetLimit(int value) { m_limit = std::clamp(value, 0, 100); }
    int Divisions() const { return m_divisions; }
    void SetDivisions(int value) {
        if (value <= 0)
            throw Exception("Divisions must be positive");
        m_divisions = value;
    }
    int Serial() const { return m_serial; }
    void SetSerial(int value) { m_serial = value; }
    int Revision() const { return 3; }
    TFont* Needle() { return m_needle.get(); }
    void AddNeedle() { m_needle = std::make_unique<TFont>(); }

    TNotifyEvent OnChange;

private:
    TFont m_font;
    TDialShape m_shape = dsRound;
    std::uint8_t m_sides = 0;
    double m_scale = 1.5;
    std::string m_caption = "Dial";
    bool m_active = false;
    bool m_mirrored = true;
    TColor m_backColor = clBtnFace;
    int m_limit = 50;
    int m_divisions = 10;
    int m_serial = 0;
    std::unique_ptr<TFont> m_needle;
};

// Another class sharing some paths with the dial.
class TLampSample : public TComponent {
public:
    explicit TLampSample(TComponent* owner) : TComponent(owner) {}

    static const TClassInfo& ClassInfo() {
        static const TClassInfo& info =
            TClassBuilder<TLampSample>("TLampSample", &TFrameworkClasses::Component())
                .Boolean("Active", &TLampSample::Active, &TLampSample::SetActive, false)
                .Double("Brightness", &TLampSample::Brightness, &TLampSample::SetBrightness)
                .String("Caption", &TLampSample::Caption, &TLampSample::SetCaption)
                .Object("Font", &TLampSample::Font, TFrameworkClasses::Font())
                .Build();
        return info;
    }

    bool Active() const { return m_active; }
    void SetActive(bool value) { m_active = value; }
    double Brightness() const { return m_brightness; }
    void SetBrightness(double value) { m_brightness = value; }
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { m_caption = value; }
    TFont& Font() { return m_font; }

private:
    bool m_active = false;
    double m_brightness = 0.25;
    std::string m_caption = "Lamp";
    TFont m_font;
};

class TPanelSample : public TControl {
public:
    explicit TPanelSample(TComponent* owner) : TControl(owner) {}

    static const TClassInfo& ClassInfo() {
        static const TClassInfo& info =
            TClassBuilder<TPanelSample>("TPanelSample", &TFrameworkClasses::Control())
                .String("Caption", &TPanelSample::Caption, &TPanelSample::SetCaption)
                .Build();
        return info;
    }

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value) { m_caption = value; }

private:
    std::string m_caption;
};

class TUnlistedSample : public TObject {};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

bool HasLineStarting(const std::string& text, const std::string& start) {
    for (const std::string& line : Lines(text))
        if (line.rfind(start, 0) == 0)
            return true;
    return false;
}

std::string LoadFailure(TObject& object, const std::string& text) {
    try {
        TPropertyFile::LoadFromText(object, text);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

class PropertyFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        TDialSample::ClassInfo();
        TLampSample::ClassInfo();
        TPanelSample::ClassInfo();
        m_dir = std::filesystem::temp_directory_path() /
                ("stend_propertyfile_" + std::to_string(getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    static std::string ReadAll(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void WriteAll(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    std::filesystem::path m_dir;
};

TEST_F(PropertyFileTest, DefaultObjectGivesTheFileTypeThenOneLinePerStoredProperty) {
    TDialSample dial(nullptr);
    const std::string expected = "File Type = TDialSample\n"
                                 "Font.Color = -16777208\n"
                                 "Font.Height = -11\n"
                                 "Font.Name = MS Sans Serif\n"
                                 "Font.Style = 0\n"
                                 "Shape = 0\n"
                                 "Sides = 0\n"
                                 "Scale = " +
                                 FloatToText(1.5) +
                                 "\n"
                                 "Caption = Dial\n"
                                 "Active = 0\n"
                                 "Mirrored = 1\n"
                                 "BackColor = -16777201\n"
                                 "Limit = 50\n"
                                 "Divisions = 10\n";
    EXPECT_EQ(TPropertyFile::SaveToText(dial, false), expected);

    const std::string file = PathOf("dial.txt");
    TPropertyFile::Save(dial, file, false);
    EXPECT_EQ(ReadAll(file), expected);
}

TEST_F(PropertyFileTest, ChangedValuesAreWrittenAsOrdinalsAndAnExistingSubObjectFollows) {
    TDialSample dial(nullptr);
    dial.Font().SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsItalic));
    dial.SetShape(dsTriangle);
    dial.SetSides(FontStyleBit(fsBold) | 8);
    dial.SetActive(true);
    dial.SetBackColor(clRed);
    dial.AddNeedle();
    dial.Needle()->SetColor(clWindow);
    const std::string text = TPropertyFile::SaveToText(dial, true);
    for (const char* line : {"Font.Style = 3", "Shape = 2", "Sides = 9", "Active = 1",
                             "BackColor = 255", "Needle.Color = -16777211", "Tag = 0"})
        EXPECT_TRUE(HasLineStarting(text, line)) << line;
    for (const char* path : {"Name", "OnChange", "Serial", "Revision"})
        EXPECT_FALSE(HasLineStarting(text, std::string(path) + " ")) << path;
}

TEST_F(PropertyFileTest, SavingAllPropertiesAddsPlacementButNeverTheName) {
    TPanelSample panel(nullptr);
    panel.SetName("Panel1");
    panel.SetBounds(5, 6, 70, 80);
    const std::string some = TPropertyFile::SaveToText(panel, false);
    EXPECT_EQ(some, "File Type = TPanelSample\nCaption = \n");

    const std::string all = TPropertyFile::SaveToText(panel, true);
    for (const char* line :
         {"Tag = 0", "Left = 5", "Top = 6", "Width = 70", "Height = 80", "Align = 0", "Cursor = 0",
          "ShowHint = 0", "Visible = 1", "Enabled = 1", "Caption = "})
        EXPECT_TRUE(HasLineStarting(all, line)) << line;
    EXPECT_FALSE(HasLineStarting(all, "Name"));
}

TEST_F(PropertyFileTest, ExclusionsCoverEverythingBelowAPathInAnyLetterCase) {
    TDialSample dial(nullptr);
    std::vector<std::string> lines;
    TPropertyFile::SaveObjectProperties(dial, TDialSample::ClassInfo(), "", lines,
                                        {"FONT", "caption"});
    for (const std::string& line : lines) {
        EXPECT_NE(line.rfind("Font.", 0), 0u) << line;
        EXPECT_NE(line.rfind("Caption", 0), 0u) << line;
    }

    lines.clear();
    TPropertyFile::SaveObjectProperties(dial.Font(), TFrameworkClasses::Font(), "Gauge.Font", lines,
                                        {"gauge.font.name"});
    EXPECT_EQ(lines, (std::vector<std::string>{"Gauge.Font.Color = -16777208",
                                               "Gauge.Font.Height = -11", "Gauge.Font.Style = 0"}));
}

TEST_F(PropertyFileTest, LongValuesAreCutAtACharacterBoundary) {
    TDialSample dial(nullptr);
    std::string caption;
    for (int i = 0; i < 300; ++i)
        caption += "ж";
    dial.SetCaption(caption);
    std::string line;
    for (const std::string& l : Lines(TPropertyFile::SaveToText(dial, false)))
        if (l.rfind("Caption = ", 0) == 0)
            line = l;
    // Ten bytes of name and 245 of value would split the 123rd letter.
    EXPECT_EQ(line, "Caption = " + caption.substr(0, 244));

    dial.SetCaption(std::string(300, 'a'));
    for (const std::string& l : Lines(TPropertyFile::SaveToText(dial, false)))
        EXPECT_LE(l.size(), TPropertyFile::MaxLineLength);
}

TEST_F(PropertyFileTest, RoundTripThroughAFileRestoresEveryValueAndLeavesEventsAlone) {
    TDialSample source(nullptr);
    source.Font().SetName("DejaVu Sans");
    source.Font().SetHeight(-15);
    source.Font().SetColor(clHighlight);
    source.SetShape(dsSquare);
    source.SetSides(15);
    source.SetScale(0.1);
    source.SetCaption("Ток якоря");
    source.SetActive(true);
    source.SetMirrored(false);
    source.SetBackColor(RGB(1, 2, 3));
    source.SetLimit(7);
    source.SetDivisions(4);
    const std::string file = PathOf("round.txt");
    TPropertyFile::Save(source, file, false);

    TDialSample target(nullptr);
    bool changed = false;
    target.OnChange = [&](TObject*) { changed = true; };
    TPropertyFile::Load(target, file);
    EXPECT_EQ(target.Font().Name(), "DejaVu Sans");
    EXPECT_EQ(target.Font().Height(), -15);
    EXPECT_EQ(target.Font().Color(), clHighlight);
    EXPECT_EQ(target.Shape(), dsSquare);
    EXPECT_EQ(target.Sides(), 15);
    EXPECT_EQ(target.Scale(), 0.1);
    EXPECT_EQ(target.Caption(), "Ток якоря");
    EXPECT_TRUE(target.Active());
    EXPECT_FALSE(target.Mirrored());
    EXPECT_EQ(target.BackColor(), RGB(1, 2, 3));
    EXPECT_EQ(target.Limit(), 7);
    EXPECT_EQ(target.Divisions(), 4);
    ASSERT_TRUE(target.OnChange);
    target.OnChange(&target);
    EXPECT_TRUE(changed);
}

TEST_F(PropertyFileTest, LinesMatchLooselyAndOnlyTheFirstOfAPathCounts) {
    TDialSample dial(nullptr);
    dial.SetSerial(1);
    TPropertyFile::LoadFromText(dial, "File Type = TSomethingElse\r\n"
                                      "fOnT.cOlOr=$FF\r\n"
                                      "  Caption =   two words  \r\n"
                                      "this line names nothing\n"
                                      "Limit = 500\n"
                                      "Limit = 20\n"
                                      "Serial = 9\n"
                                      "Revision = 9\n"
                                      "OnChange = HandlerOfSomeForm\n"
                                      "BackColor = $FFFFFFFF\n"
                                      "Scale\n");
    EXPECT_EQ(dial.Font().Color(), clRed);
    EXPECT_EQ(dial.Caption(), "two words");
    // The setter clamps what it is given.
    EXPECT_EQ(dial.Limit(), 100);
    EXPECT_EQ(dial.BackColor(), -1);
    // Not stored, read-only or absent: untouched.
    EXPECT_EQ(dial.Serial(), 1);
    EXPECT_EQ(dial.Scale(), 1.5);
    EXPECT_EQ(dial.Font().Name(), "MS Sans Serif");
    EXPECT_FALSE(dial.OnChange);
}

TEST_F(PropertyFileTest, LoadingSetsPropertiesThatSavingLeavesOut) {
    TPanelSample panel(nullptr);
    TPropertyFile::LoadFromText(panel, "Left = 12\nWidth = 40\nVisible = 0\nTag = 7\nName = X\n");
    EXPECT_EQ(panel.Left(), 12);
    EXPECT_EQ(panel.Width(), 40);
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.Tag(), 7);
    // Not stored, so not read either.
    EXPECT_EQ(panel.Name(), "");
}

TEST_F(PropertyFileTest, AFileFromAnotherClassSetsTheSharedPaths) {
    TDialSample dial(nullptr);
    dial.SetCaption("Shared");
    dial.SetActive(true);
    dial.Font().SetHeight(-20);
    dial.SetScale(9);
    const std::string file = PathOf("dial.txt");
    TPropertyFile::Save(dial, file, true);

    TLampSample lamp(nullptr);
    TPropertyFile::Load(lamp, file);
    EXPECT_EQ(lamp.Caption(), "Shared");
    EXPECT_TRUE(lamp.Active());
    EXPECT_EQ(lamp.Font().Height(), -20);
    EXPECT_EQ(lamp.Brightness(), 0.25);
}

TEST_F(PropertyFileTest, AValueThatDoesNotConvertFailsAfterTheEarlierPropertiesChanged) {
    TDialSample dial(nullptr);
    const std::string message =
        LoadFailure(dial, "Active = True\nFont.Color = 255\nCaption = New\nLimit = 5\n");
    EXPECT_EQ(message, "Error Loading Properties - 'True' is not a valid integer value");
    EXPECT_EQ(dial.Font().Color(), clRed);
    EXPECT_EQ(dial.Caption(), "New");
    EXPECT_EQ(dial.Limit(), 50);
}

TEST_F(PropertyFileTest, ValuesOutsideWhatAPropertyTakesAreRefused) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Shape = 3", "'3' is out of range for property Shape"},
        {"Shape = -1", "'-1' is out of range for property Shape"},
        {"Sides = 16", "'16' is out of range for property Sides"},
        {"Font.Style = 16", "'16' is out of range for property Font.Style"},
        {"Active = 2", "'2' is out of range for property Active"},
        {"Limit = 2147483648", "'2147483648' is not a valid integer value"},
        {"Limit = -2147483649", "'-2147483649' is not a valid integer value"},
        {"Limit = $100000000", "'$100000000' is not a valid integer value"},
        {"Limit = 1 2", "'1 2' is not a valid integer value"},
        {"Limit = 0x10", "'0x10' is not a valid integer value"},
        {"Limit =", "'' is not a valid integer value"},
        {"Scale = abc", "'abc' is not a valid floating point value"},
        {"Scale = 1e999", "'1e999' is not a valid floating point value"},
        {"Divisions = 0", "Divisions must be positive"},
    };
    for (const auto& [line, cause] : cases) {
        TDialSample dial(nullptr);
        EXPECT_EQ(LoadFailure(dial, line), "Error Loading Properties - " + cause) << line;
    }
    TDialSample dial(nullptr);
    TPropertyFile::LoadFromText(dial, "Limit = -2147483648\nBackColor = 2147483647\n");
    EXPECT_EQ(dial.Limit(), 0);
    EXPECT_EQ(dial.BackColor(), 2147483647);
}

TEST_F(PropertyFileTest, FileProblemsAreReportedWithTheirOperation) {
    TDialSample dial(nullptr);
    try {
        TPropertyFile::Save(dial, PathOf("missing/dial.txt"), false);
        FAIL() << "saved into a missing folder";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("Error Saving Properties - Cannot create file", 0), 0u)
            << e.Message();
    }
    for (const std::string& path : {PathOf("missing.txt"), m_dir.string()}) {
        try {
            TPropertyFile::Load(dial, path);
            FAIL() << "loaded " << path;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message().rfind("Error Loading Properties - Cannot ", 0), 0u)
                << e.Message();
        }
    }
    const std::string large = PathOf("large.txt");
    WriteAll(large, std::string(TPropertyFile::MaxFileSize + 1, '\n'));
    EXPECT_THROW(TPropertyFile::Load(dial, large), Exception);

    TUnlistedSample unlisted;
    EXPECT_THROW(TPropertyFile::SaveToText(unlisted, false), Exception);
}

TEST_F(PropertyFileTest, SavingReplacesAnExistingFile) {
    TDialSample dial(nullptr);
    const std::string file = PathOf("old.txt");
    WriteAll(file, std::string(5000, 'x'));
    TPropertyFile::Save(dial, file, false);
    EXPECT_EQ(ReadAll(file), TPropertyFile::SaveToText(dial, false));
}

TEST_F(PropertyFileTest, FindPropertyLineTakesTheFirstMatchAndRemovesOnlyIt) {
    std::vector<std::string> lines{"File Type = TDialSample", "Caption",   "=",
                                   "caption = a = b",         "Caption=c", "Limit = 1"};
    std::string value;
    ASSERT_TRUE(TPropertyFile::FindPropertyLine("Caption", lines, value));
    EXPECT_EQ(value, "a = b");
    ASSERT_TRUE(TPropertyFile::FindPropertyLine("Caption", lines, value));
    EXPECT_EQ(value, "c");
    EXPECT_FALSE(TPropertyFile::FindPropertyLine("Caption", lines, value));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"File Type = TDialSample", "Caption", "=", "Limit = 1"}));
}

TEST_F(PropertyFileTest, GetObjectPropertyGivesOnlyClassTypedProperties) {
    TDialSample dial(nullptr);
    EXPECT_EQ(TPropertyFile::GetObjectProperty(dial, "font"), &dial.Font());
    EXPECT_EQ(TPropertyFile::GetObjectProperty(dial, "Needle"), nullptr);
    dial.AddNeedle();
    EXPECT_EQ(TPropertyFile::GetObjectProperty(dial, "Needle"), dial.Needle());
    EXPECT_EQ(TPropertyFile::GetObjectProperty(dial, "Caption"), nullptr);
    EXPECT_EQ(TPropertyFile::GetObjectProperty(dial, "Missing"), nullptr);
    TUnlistedSample unlisted;
    EXPECT_EQ(TPropertyFile::GetObjectProperty(unlisted, "Font"), nullptr);
}

} // namespace
