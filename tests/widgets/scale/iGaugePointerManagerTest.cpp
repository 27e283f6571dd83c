#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "gui/graphics/Exception.h"
#include "gui/streaming/LayoutWriter.h"
#include "widgets/scale/iGaugePointer.h"
#include "widgets/scale/iGaugePointerManager.h"

namespace {

// Records every notification as "handler:subject", the subject being the manager or a pointer
// index at the time of the call.
struct Recorder {
    std::vector<std::string> calls;
    TiGaugePointerManager* manager = nullptr;

    TiGaugePointerManager::THandler Handler(const std::string& name) {
        return [this, name](TObject* subject) { calls.push_back(name + ":" + Describe(subject)); };
    }
    std::string Describe(TObject* subject) const {
        if (manager == nullptr || subject == manager)
            return "manager";
        for (int i = 0; i < manager->Count(); ++i)
            if (&manager->Items(i) == subject)
                return std::to_string(i);
        return "other";
    }
};

struct GaugePointerManager : ::testing::Test {
    Recorder recorder;
    TiGaugePointerManager manager{recorder.Handler("change"), recorder.Handler("insert"),
                                  recorder.Handler("remove")};

    GaugePointerManager() {
        recorder.manager = &manager;
        recorder.calls.clear();
    }
};

} // namespace

TEST(GaugePointerManagerConstruction, EveryHandlerIsRequiredInTheOrderChecked) {
    const TiGaugePointerManager::THandler any = [](TObject*) {};
    const auto message = [](auto make) {
        try {
            make();
        } catch (const Exception& e) {
            return e.Message();
        }
        return std::string("no failure");
    };
    EXPECT_EQ(message([&] { TiGaugePointerManager m(nullptr, nullptr, nullptr); }),
              "OnChange event handler can not be null");
    EXPECT_EQ(message([&] { TiGaugePointerManager m(any, nullptr, nullptr); }),
              "OnInsert event handler can not be null");
    EXPECT_EQ(message([&] { TiGaugePointerManager m(any, any, nullptr); }),
              "OnRemove event handler can not be null");
}

TEST(GaugePointerManagerConstruction, ReportsItsOwnInsertionAndRemoval) {
    std::vector<std::string> calls;
    const auto handler = [&](const char* name) {
        return [&calls, name](TObject*) { calls.emplace_back(name); };
    };
    {
        TiGaugePointerManager m(handler("change"), handler("insert"), handler("remove"));
        EXPECT_EQ(calls, std::vector<std::string>{"insert"});
        calls.clear();
    }
    EXPECT_EQ(calls, std::vector<std::string>{"remove"});
}

TEST_F(GaugePointerManager, AddAppendsAndReportsInsertThenChange) {
    EXPECT_EQ(manager.Add(), 0);
    EXPECT_EQ(manager.Add(), 1);
    EXPECT_EQ(manager.Count(), 2);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"insert:0", "change:0", "insert:1", "change:1"}));
    EXPECT_EQ(manager.Items(0).Size(), 10);
    EXPECT_EQ(manager.Items(0).Style(), 3);
}

TEST_F(GaugePointerManager, RemovalReportsWhileThePointerIsStillListed) {
    manager.Add();
    manager.Add();
    manager.Add();
    TiGaugePointer* last = &manager.Items(2);
    recorder.calls.clear();
    manager.Delete(1);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"remove:1", "change:1"}));
    ASSERT_EQ(manager.Count(), 2);
    EXPECT_EQ(&manager.Items(1), last);

    recorder.calls.clear();
    manager.Clear();
    EXPECT_EQ(manager.Count(), 0);
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"remove:0", "change:0", "remove:0", "change:0"}));
}

TEST_F(GaugePointerManager, IndexOutsideTheListFails) {
    manager.Add();
    for (int index : {-1, 1, 7}) {
        try {
            manager.Items(index);
            ADD_FAILURE() << "index " << index << " accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_THROW(manager.Delete(1), Exception);
    EXPECT_EQ(manager.Count(), 1);
}

TEST_F(GaugePointerManager, PointerSettersReportOnlyRealChanges) {
    TiGaugePointer& pointer = manager.Items(manager.Add());
    recorder.calls.clear();
    pointer.SetSize(10);
    pointer.SetStyle(3);
    pointer.SetPosition(0);
    EXPECT_TRUE(recorder.calls.empty());
    pointer.SetSize(12);
    pointer.SetMargin(2);
    pointer.SetColor(clRed);
    pointer.SetStyle(0);
    pointer.SetPosition(42.5);
    EXPECT_EQ(recorder.calls.size(), 5u);
    for (const std::string& call : recorder.calls)
        EXPECT_EQ(call, "change:manager");
}

TEST_F(GaugePointerManager, PointerRefusesValuesThatAreNotNumbers) {
    TiGaugePointer& pointer = manager.Items(manager.Add());
    pointer.SetPosition(12);
    recorder.calls.clear();
    pointer.SetPosition(std::numeric_limits<double>::quiet_NaN());
    pointer.SetPosition(std::numeric_limits<double>::infinity());
    pointer.SetPosition(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(pointer.Position(), 12);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(GaugePointerManager, CollectionRoundTripKeepsOrderAndEveryProperty) {
    manager.Add();
    TiGaugePointer& second = manager.Items(manager.Add());
    second.SetSize(7);
    second.SetMargin(-3);
    second.SetColor(clAqua);
    second.SetStyle(1);
    second.SetPosition(-12.25);

    const TLayoutValue stored = manager.WritePointers();
    ASSERT_EQ(stored.Kind, lvCollection);
    ASSERT_EQ(stored.Items.size(), 2u);
    std::vector<std::string> first;
    for (const TLayoutProperty& p : stored.Items[0])
        first.push_back(p.Path);
    // The integers have no default and are always written; a zero position is not.
    EXPECT_EQ(first, (std::vector<std::string>{"Size", "Margin", "Color", "Style"}));

    Recorder other;
    TiGaugePointerManager copy(other.Handler("change"), other.Handler("insert"),
                               other.Handler("remove"));
    copy.Add();
    copy.Add();
    copy.Add();
    copy.ReadPointers(stored);
    ASSERT_EQ(copy.Count(), 2);
    const TiGaugePointer& read = copy.Items(1);
    EXPECT_EQ(read.Size(), 7);
    EXPECT_EQ(read.Margin(), -3);
    EXPECT_EQ(read.Color(), clAqua);
    EXPECT_EQ(read.Style(), 1);
    EXPECT_EQ(read.Position(), -12.25);
    EXPECT_EQ(copy.Items(0).Size(), 10);
}

TEST_F(GaugePointerManager, ReadingRejectsWhatIsNotAPointerCollection) {
    manager.Add();
    EXPECT_THROW(manager.ReadPointers(TLayoutValue::OfInteger(3)), EReadError);
    EXPECT_EQ(manager.Count(), 1);

    TLayoutValue unknown;
    unknown.Kind = lvCollection;
    unknown.Items.push_back({TLayoutProperty{"Width", TLayoutValue::OfInteger(4), 1}});
    EXPECT_THROW(manager.ReadPointers(unknown), EReadError);
}
