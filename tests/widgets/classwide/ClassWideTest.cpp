// The tests every widget class passes, run over every creatable class derived from the widget
// base that the registry knows once all families have registered: a new widget class is
// tested here without a line changed. Run one class with --gtest_filter='*/ClassWide.*/TiLed'.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "../../gui/framework/FrameworkFixture.h"
#include "../core/TestWidget.h"
#include "WidgetExpectations.h"
#include "gui/framework/Form.h"
#include "gui/streaming/ClassRegistry.h"
#include "gui/streaming/FrameworkClasses.h"
#include "gui/streaming/HandlerTable.h"
#include "gui/streaming/LayoutParser.h"
#include "gui/streaming/LayoutReader.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/WidgetClasses.h"
#include "widgets/core/iComponent.h"

namespace {

std::vector<std::string> WidgetClassNames() {
    TWidgetClasses::RegisterAll();
    TTestWidget::StaticClassInfo();
    const TClassInfo& base = TiComponent::StaticClassInfo();
    std::vector<std::string> names;
    for (const TClassInfo& info : TClassRegistry::Instance().Classes())
        if (info.CanCreate() && info.InheritsFrom(base))
            names.push_back(info.Name());
    return names;
}

// A published property that a widget user sets: the sub-objects on the way to it, then itself.
struct TSettable {
    std::string Path;
    std::vector<const TPropInfo*> Chain;
    const TPropInfo* Property = nullptr;

    TObject& Holder(TObject& widget) const {
        TObject* object = &widget;
        for (const TPropInfo* sub : Chain)
            object = sub->GetObject(*object);
        return *object;
    }
};

// The framework's own properties (bounds, visibility, tab order) follow the framework's rules,
// not the widgets'; picture data has no setter to judge.
void CollectSettable(const TObject& object, const TClassInfo& info, const TSettable& prefix,
                     std::vector<TSettable>& out) {
    const TClassInfo& framework = TFrameworkClasses::WinControl();
    for (const TPropInfo& property : info.Properties()) {
        if (prefix.Chain.empty() && framework.FindProperty(property.Name))
            continue;
        TSettable settable = prefix;
        settable.Path += (settable.Path.empty() ? "" : ".") + property.Name;
        if (property.Kind == tkClass) {
            const TObject* sub = property.ObjectClass ? property.GetObject(object) : nullptr;
            settable.Chain.push_back(&property);
            if (sub)
                CollectSettable(*sub, *property.ObjectClass, settable, out);
        } else if (property.Kind != tkEvent && property.Writable()) {
            settable.Property = &property;
            out.push_back(settable);
        }
    }
}

using TValue = std::variant<std::int64_t, double, std::string>;

TValue Read(const TPropInfo& property, const TObject& holder) {
    if (property.Kind == tkDouble)
        return property.GetDouble(holder);
    if (property.Kind == tkString)
        return property.GetString(holder);
    return property.GetOrdinal(holder);
}

void Write(const TPropInfo& property, TObject& holder, const TValue& value) {
    if (property.Kind == tkDouble)
        property.SetDouble(holder, std::get<double>(value));
    else if (property.Kind == tkString)
        property.SetString(holder, std::get<std::string>(value));
    else
        property.SetOrdinal(holder, std::get<std::int64_t>(value));
}

// Values other than the current one, in the order they are tried: a setter may clamp some of
// them back to what it holds.
std::vector<TValue> OtherValues(const TPropInfo& property, const TValue& current) {
    std::vector<TValue> values;
    if (property.Kind == tkDouble) {
        const double now = std::get<double>(current);
        values = {now + 1, now - 1, now + 0.5, now - 0.5, 0.0, 1.0};
    } else if (property.Kind == tkString) {
        const std::string& now = std::get<std::string>(current);
        values = {now + "x", std::string(), std::string("Проба")};
    } else {
        const std::int64_t now = std::get<std::int64_t>(current);
        if (property.Kind == tkBoolean)
            values = {std::int64_t{now ? 0 : 1}};
        else if (property.Kind == tkEnumeration)
            for (std::size_t i = 0; i < property.ValueNames.size(); ++i)
                values.emplace_back(static_cast<std::int64_t>(i));
        else if (property.Kind == tkSet)
            for (std::size_t i = 0; i < property.ValueNames.size(); ++i)
                values.emplace_back(now ^ (std::int64_t{1} << i));
        else if (property.Kind == tkColor)
            values = {std::int64_t{clRed}, std::int64_t{clBlue}, std::int64_t{0x123456}};
        else
            values = {now + 1, now - 1, now + 10, now - 10, std::int64_t{0}, std::int64_t{1}};
    }
    std::erase(values, current);
    return values;
}

std::string Show(const TValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return "'" + *text + "'";
    if (const auto* number = std::get_if<double>(&value))
        return std::to_string(*number);
    return std::to_string(std::get<std::int64_t>(value));
}

struct TRequests {
    int Invalidate = 0;
    int BackGround = 0;
};

TRequests Requests(const TiComponent& widget) {
    return {widget.InvalidateChangeCount(), widget.BackGroundChangeCount()};
}

TRequests Since(const TiComponent& widget, TRequests before) {
    const TRequests now = Requests(widget);
    return {now.Invalidate - before.Invalidate, now.BackGround - before.BackGround};
}

// Empty when the requests are what the expectation asks for; otherwise what went wrong.
std::string Judge(const TRequests& made, const TWidgetExpectation* expected) {
    const int total = made.Invalidate + made.BackGround;
    const std::string counted = std::to_string(made.Invalidate) + " InvalidateChange and " +
                                std::to_string(made.BackGround) + " BackGroundChange";
    if (!expected)
        return total == 1 ? "" : counted + " instead of exactly one request";
    switch (expected->Repaint) {
    case erInvalidate:
    case erInvalidateAlways:
        return made.Invalidate == 1 && made.BackGround == 0
                   ? ""
                   : counted + " instead of one InvalidateChange";
    case erBackGround:
        return made.BackGround == 1 && made.Invalidate == 0
                   ? ""
                   : counted + " instead of one BackGroundChange";
    case erNone:
        return total == 0 ? "" : counted + " instead of none";
    case erSeveral:
        return total >= 1 ? "" : counted + ": no request at all";
    }
    return "unknown expectation";
}

class ClassWide : public FrameworkFixture, public ::testing::WithParamInterface<std::string> {
protected:
    ClassWide() : info(*TClassRegistry::Instance().FindByName(GetParam())) {
        form = App().CreateForm<TForm>();
        form->SetBounds(0, 0, 400, 300);
        other = App().CreateForm<TForm>();
        form->Show();
    }

    // Created, placed and sized as a designer would, not yet painted.
    TiComponent& Create(TForm& owner, const std::string& name = "Widget1") {
        TiComponent& widget = CreateAsConstructed(owner, name);
        widget.SetBounds(10, 10, 160, 120);
        return widget;
    }

    // With the size its constructor gives it: some widgets fit their measures to a new size.
    TiComponent& CreateAsConstructed(TForm& owner, const std::string& name) {
        auto* widget = dynamic_cast<TiComponent*>(info.Create(&owner));
        if (!widget)
            throw std::logic_error(info.Name() + " is no widget");
        widget->SetName(name);
        widget->SetParent(&owner);
        return *widget;
    }

    std::vector<TSettable> Settable(const TiComponent& widget) const {
        std::vector<TSettable> settable;
        CollectSettable(widget, info, {}, settable);
        return settable;
    }

    // Gives every property another value that sticks; returns the paths that took none.
    std::vector<std::string> ChangeEverything(TiComponent& widget) const {
        std::vector<std::string> stuck;
        for (const TSettable& settable : Settable(widget)) {
            TObject& holder = settable.Holder(widget);
            const TValue before = Read(*settable.Property, holder);
            bool changed = false;
            for (const TValue& value : OtherValues(*settable.Property, before)) {
                Write(*settable.Property, holder, value);
                if ((changed = Read(*settable.Property, holder) != before))
                    break;
            }
            if (!changed)
                stuck.push_back(settable.Path);
        }
        return stuck;
    }

    std::string RoundTrip(const std::string& text) {
        TiComponent& fresh = Create(*other, "Fresh" + std::to_string(++m_fresh));
        TLayoutReader::Read(text, fresh, THandlerTable());
        return TLayoutWriter::Write(fresh);
    }

    const TClassInfo& info;
    TForm* form = nullptr;
    TForm* other = nullptr;

private:
    int m_fresh = 0;
};

TEST_P(ClassWide, PaintsAtEverySizeWithoutFailing) {
    TiComponent& widget = Create(*form);
    for (const TSize size : {TSize{160, 120}, TSize{300, 40}, TSize{40, 300}, TSize{1, 1}}) {
        widget.SetBounds(10, 10, size.cx, size.cy);
        const int paintsBefore = widget.PaintCount();
        Platform().AdvanceBy(20);
        Platform().Render(*form);
        EXPECT_GT(widget.PaintCount(), paintsBefore) << size.cx << " x " << size.cy;
        EXPECT_EQ(widget.PaintFailureCount(), 0)
            << "painting failed at " << size.cx << " x " << size.cy;
    }
}

// A widget that paints over its cached background skips the white start of each paint: after a
// resize and a few paints on recycled pixels its picture is still the one drawn without a cache.
TEST_P(ClassWide, CachedPictureMatchesTheDirectOneAfterAResize) {
    TiComponent& widget = Create(*form);
    widget.SetCachedDrawing(true);
    const auto paint = [&] {
        widget.Invalidate();
        Platform().Render(*form);
    };
    paint();
    widget.SetBounds(10, 10, 150, 130);
    for (int i = 0; i < 3; ++i)
        paint();
    TBitmap cached;
    cached = widget.Surface();
    widget.SetCachedDrawing(false);
    paint();
    const TBitmap& direct = widget.Surface();
    ASSERT_EQ(cached.Width(), direct.Width());
    ASSERT_EQ(cached.Height(), direct.Height());
    int different = 0;
    for (int y = 0; y < cached.Height(); ++y)
        for (int x = 0; x < cached.Width(); ++x)
            different += cached.Pixel(x, y) != direct.Pixel(x, y);
    EXPECT_EQ(different, 0);
}

// One repaint request of the right kind for a new value, none for the same value again.
TEST_P(ClassWide, EverySetterRequestsOneRepaint) {
    TiComponent& probe = Create(*other, "Probe");
    for (const TSettable& settable : Settable(probe)) {
        SCOPED_TRACE(info.Name() + "." + settable.Path);
        TiComponent& widget = Create(*form, "Widget" + std::to_string(form->ComponentCount()));
        Platform().AdvanceBy(20);
        TObject& holder = settable.Holder(widget);
        const TPropInfo& property = *settable.Property;
        const TValue original = Read(property, holder);
        const TWidgetExpectation* expected = TWidgetExpectations::Find(info, settable.Path);
        const int repeatCost = expected && expected->Repaint == erInvalidateAlways ? 1 : 0;
        bool changed = false;
        for (const TValue& value : OtherValues(property, original)) {
            TRequests before = Requests(widget);
            Write(property, holder, value);
            const TValue now = Read(property, holder);
            if (now == original) {
                const TRequests made = Since(widget, before);
                EXPECT_EQ(made.Invalidate + made.BackGround, repeatCost)
                    << "setting " << Show(value) << " kept the old value";
                continue;
            }
            changed = true;
            const std::string fault = Judge(Since(widget, before), expected);
            EXPECT_TRUE(fault.empty()) << "setting " << Show(value) << ": " << fault;
            before = Requests(widget);
            Write(property, holder, now);
            const TRequests again = Since(widget, before);
            EXPECT_EQ(again.Invalidate + again.BackGround, repeatCost)
                << "setting the same value " << Show(now) << " again";
            break;
        }
        EXPECT_TRUE(changed) << "no other value sticks, so the setter cannot be judged";
        delete &widget;
    }
}

// A property with a declared default that a fresh widget writes has a constructor value
// other than that default.
TEST_P(ClassWide, FreshWidgetWritesNoDeclaredDefault) {
    TiComponent& widget = CreateAsConstructed(*form, "Widget1");
    const TLayoutObject written = TLayoutParser::Parse(TLayoutWriter::Write(widget));
    for (const TLayoutProperty& line : written.Properties)
        for (const TSettable& settable : Settable(widget))
            if (SameText(settable.Path, line.Path)) {
                EXPECT_FALSE(settable.Property->Default.has_value())
                    << line.Path << " is written although it was never set: the constructor "
                    << "gives it another value than its declared default";
            }
}

TEST_P(ClassWide, LayoutTextRoundTripsWithEveryPropertyChanged) {
    TiComponent& widget = Create(*form);
    const std::vector<std::string> stuck = ChangeEverything(widget);
    EXPECT_TRUE(stuck.empty()) << "no other value sticks for " << stuck.front();
    const std::string text = TLayoutWriter::Write(widget);
    EXPECT_EQ(RoundTrip(text), text);
    // Only default values: what the writer leaves out must come back all the same.
    const std::string defaults = TLayoutWriter::Write(Create(*form, "Widget2"));
    EXPECT_EQ(RoundTrip(defaults), defaults);
}

// "_2" values carry what the stored defaults cannot: a real whose constructor value is not 0 set
// to 0, a caption set empty.
TEST_P(ClassWide, ExtraValuesSurviveTheRoundTrip) {
    TiComponent& widget = Create(*form);
    std::vector<std::string> checked;
    for (const TDefinedProperty& defined : info.DefinedProperties()) {
        if (defined.Name.size() < 3 || !defined.Name.ends_with("_2"))
            continue;
        const TPropInfo* property =
            info.FindProperty(defined.Name.substr(0, defined.Name.size() - 2));
        if (!property || (property->Kind != tkDouble && property->Kind != tkString) ||
            !property->Writable())
            continue;
        Write(*property, widget, property->Kind == tkDouble ? TValue(0.0) : TValue(std::string()));
        checked.push_back(property->Name);
    }
    if (checked.empty())
        GTEST_SKIP() << info.Name() << " has no extra values";
    const std::string text = TLayoutWriter::Write(widget);
    TiComponent& fresh = Create(*other, "Fresh");
    TLayoutReader::Read(text, fresh, THandlerTable());
    for (const std::string& name : checked)
        EXPECT_EQ(TLayoutWriter::ValueText(fresh, name), TLayoutWriter::ValueText(widget, name))
            << name;
}

TEST_P(ClassWide, PropertyFileRoundTripsWithEveryPropertyChanged) {
    TiComponent& widget = Create(*form);
    ChangeEverything(widget);
    // Saved bounds would be loaded before the properties that resize a widget (a slider's
    // Orientation swaps its sides), so the file keeps to what a default save writes.
    widget.SetOptionSaveAllProperties(false);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("stend-classwide-" + info.Name() + "-" + std::to_string(getpid()) + ".txt");
    widget.SavePropertiesToFile(file.string());
    TiComponent& fresh = Create(*other);
    fresh.LoadPropertiesFromFile(file.string());
    std::filesystem::remove(file);
    EXPECT_EQ(TLayoutWriter::Write(fresh), TLayoutWriter::Write(widget));
}

// Base classes declare properties that only their descendants publish; those of the abstract
// bases may not be published by any class yet.
bool PublishedInClassOrDescendant(const TClassInfo& info, const std::string& property) {
    for (const TClassInfo& other : TClassRegistry::Instance().Classes())
        if (other.InheritsFrom(info) && other.FindProperty(property))
            return true;
    return false;
}

// A misspelt entry would silently leave its property to the general rule.
TEST(WidgetExpectations, NameRegisteredPropertiesAndGiveReasonsForExceptions) {
    WidgetClassNames();
    for (const TWidgetExpectation& entry : TWidgetExpectations::All()) {
        SCOPED_TRACE(entry.ClassName + "." + entry.Property);
        const TClassInfo* info = TClassRegistry::Instance().FindByName(entry.ClassName);
        ASSERT_NE(info, nullptr) << "no such class";
        const std::string first = entry.Property.substr(0, entry.Property.find('.'));
        if (info->CanCreate()) {
            EXPECT_TRUE(PublishedInClassOrDescendant(*info, first)) << "no such property";
        }
        if (entry.Repaint == erNone || entry.Repaint == erSeveral ||
            entry.Repaint == erInvalidateAlways) {
            EXPECT_FALSE(entry.Reason.empty()) << "an exception must say why";
        }
    }
}

} // namespace

INSTANTIATE_TEST_SUITE_P(AllWidgets, ClassWide, ::testing::ValuesIn(WidgetClassNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param;
                         });
