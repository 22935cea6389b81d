#include "platform/Components.h"

#include <gtest/gtest.h>

namespace {

// Logs its own destruction and the notifications it gets.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, QString name, std::vector<QString>* log) : TComponent(owner), log_(log)
    {
        Name = std::move(name);
    }
    ~Probe() override { log_->push_back(QStringLiteral("free ") + Name); }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        log_->push_back(Name + (operation == opInsert ? QStringLiteral(" +") : QStringLiteral(" -")) + component->Name);
    }

private:
    std::vector<QString>* log_;
};

}  // namespace

TEST(ComponentsTest, OwnerFreesOwnedLastFirstAndComponentFreedAloneLeavesOwner)
{
    std::vector<QString> log;
    auto owner = std::make_unique<Probe>(nullptr, QStringLiteral("owner"), &log);
    new Probe(owner.get(), QStringLiteral("a"), &log);
    auto* b = new Probe(owner.get(), QStringLiteral("b"), &log);
    new Probe(owner.get(), QStringLiteral("c"), &log);
    EXPECT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(b->ComponentIndex(), 1);

    log.clear();
    delete b;
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent(QStringLiteral("b")), nullptr);
    EXPECT_EQ(log, (std::vector<QString>{"free b", "owner -b", "a -b", "c -b"}));

    log.clear();
    owner.reset();
    EXPECT_EQ(log.front(), QStringLiteral("free owner"));
    EXPECT_EQ(std::count(log.begin(), log.end(), QStringLiteral("free c")), 1);
    EXPECT_LT(std::find(log.begin(), log.end(), QStringLiteral("free c")),
              std::find(log.begin(), log.end(), QStringLiteral("free a")));
}

TEST(ComponentsTest, FindComponentIgnoresLetterCaseAndEmptyNames)
{
    TComponent owner(nullptr);
    auto* edit = new TComponent(&owner);
    edit->Name = QStringLiteral("Edit_Name");
    new TComponent(&owner);  // unnamed
    EXPECT_EQ(owner.FindComponent(QStringLiteral("EDIT_NAME")), edit);
    EXPECT_EQ(owner.FindComponent(QString()), nullptr);
    EXPECT_EQ(owner.FindComponent(QStringLiteral("Other")), nullptr);
}

TEST(ComponentsTest, InsertingMovesFromThePreviousOwner)
{
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* c = new TComponent(&first);
    second.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.ComponentCount(), 1);
}
