// Ownership, freeing order, free notifications and the loading state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/component.h"

namespace {

std::vector<std::string> gLog;

class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
    ~Probe() override { gLog.push_back("free " + Name()); }
    TComponent* watched = nullptr;

protected:
    void Loaded() override
    {
        TComponent::Loaded();
        gLog.push_back("loaded " + Name() + (Loading() ? " (still loading)" : ""));
    }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove) {
            gLog.push_back(Name() + " told " + component->Name());
            if (component == watched)
                watched = nullptr;
        }
    }
};

class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override { gLog.clear(); }
};

TEST_F(ComponentTest, OwnerFreesOwnedComponentsLastCreatedFirst)
{
    auto* root = new Probe(nullptr, "root");
    new Probe(root, "a");
    auto* b = new Probe(root, "b");
    new Probe(b, "b1");
    new Probe(root, "c");
    EXPECT_EQ(root->ComponentCount(), 3);
    delete root;
    EXPECT_EQ(gLog,
              (std::vector<std::string>{"free root", "free c", "free b", "free b1", "free a"}));
}

TEST_F(ComponentTest, FreeingOneTellsItsOwnerAndSiblings)
{
    Probe root(nullptr, "root");
    new Probe(&root, "a");
    auto* b = new Probe(&root, "b");
    delete b;
    EXPECT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(gLog, (std::vector<std::string>{"free b", "a told b", "root told b"}));
    EXPECT_EQ(root.FindComponent("a")->Name(), "a");
    EXPECT_EQ(root.FindComponent("b"), nullptr);
}

TEST_F(ComponentTest, FreeNotificationReachesComponentsOfOtherOwners)
{
    Probe left(nullptr, "left");
    Probe right(nullptr, "right");
    auto* watcher = new Probe(&left, "watcher");
    auto* target = new Probe(&right, "target");
    watcher->watched = target;
    watcher->FreeNotification(target);
    delete target;
    EXPECT_EQ(watcher->watched, nullptr);
    // The watcher going first must not leave a dangling entry behind in the other direction.
    auto* other = new Probe(&right, "other");
    watcher->FreeNotification(other);
    delete watcher;
    gLog.clear();
    delete other;
    EXPECT_EQ(gLog, (std::vector<std::string>{"free other", "right told other"}));
}

TEST_F(ComponentTest, LoadingPassesToNewComponentsAndEndsOwnedFirst)
{
    Probe root(nullptr, "root");
    root.BeginLoading();
    auto* a = new Probe(&root, "a");
    new Probe(a, "a1");
    EXPECT_TRUE(a->Loading());
    root.EndLoading();
    EXPECT_FALSE(a->Loading());
    EXPECT_FALSE(root.Loading());
    EXPECT_EQ(gLog, (std::vector<std::string>{"loaded a1", "loaded a", "loaded root"}));
    gLog.clear();
    root.EndLoading();
    EXPECT_TRUE(gLog.empty());
}

}  // namespace
