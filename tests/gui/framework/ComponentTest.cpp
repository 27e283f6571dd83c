#include <gtest/gtest.h>

#include <vector>

#include "gui/framework/Component.h"

namespace {

// Holds a reference to another component and counts the components it heard go.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;

    void Watch(TComponent* target) {
        if (m_target)
            m_target->RemoveFreeNotification(this);
        m_target = target;
        if (m_target)
            m_target->FreeNotification(this);
    }
    TComponent* Target() const { return m_target; }
    std::vector<TComponent*> gone;

protected:
    void Notification(TComponent* component) override {
        gone.push_back(component);
        if (component == m_target)
            m_target = nullptr;
    }

private:
    TComponent* m_target = nullptr;
};

TEST(ComponentTest, OwnedComponentsAreFreedWithTheOwnerAndFoundByName) {
    TWatcher owner(nullptr);
    auto* first = new TComponent(&owner);
    first->SetName("Timer1");
    auto* second = new TComponent(&owner);
    EXPECT_EQ(owner.FindComponent("Timer1"), first);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    delete second;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.gone, std::vector<TComponent*>{second});
}

TEST(ComponentTest, AReferenceIsDroppedWhenItsTargetGoesFirst) {
    TWatcher watcher(nullptr);
    auto* target = new TComponent(nullptr);
    watcher.Watch(target);
    delete target;
    EXPECT_EQ(watcher.Target(), nullptr);
}

TEST(ComponentTest, AWatcherThatGoesFirstIsForgottenByItsTarget) {
    TWatcher staying(nullptr);
    {
        auto* target = new TComponent(nullptr);
        auto* leaving = new TWatcher(nullptr);
        leaving->Watch(target);
        staying.Watch(target);
        delete leaving;
        // Only the watcher still alive hears of the target going.
        delete target;
        EXPECT_EQ(staying.gone.size(), 1u);
        EXPECT_EQ(staying.Target(), nullptr);
    }
    TComponent other(nullptr);
    staying.Watch(&other);
    staying.Watch(nullptr);
    EXPECT_EQ(staying.gone.size(), 1u);
}

} // namespace
