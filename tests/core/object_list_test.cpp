// The owning list of play objects: spawn order kept, objects destroyed with their nodes.
#include "core/object_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cindervane {
namespace {

// A play object that writes its name down when destroyed.
class Noted {
  public:
    Noted(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    virtual ~Noted() { log_.push_back(name_); }

  private:
    std::vector<std::string>& log_;
    std::string name_;
};

using List = ObjectList<Noted>;

List::Node* add(List& list, std::vector<std::string>& log, const char* name) {
    auto node = std::make_unique<List::Node>();
    node->object = std::make_unique<Noted>(log, name);
    List::Node* kept = node.get();
    list.append(std::move(node));
    return kept;
}

TEST(ObjectList, RemovingANodeDestroysItsObjectAndKeepsTheOthersInOrder) {
    std::vector<std::string> destroyed;
    List list;
    List::Node* a = add(list, destroyed, "a");
    List::Node* b = add(list, destroyed, "b");
    List::Node* c = add(list, destroyed, "c");
    EXPECT_EQ(list.head(), a);
    EXPECT_EQ(list.tail(), c);
    list.remove(b);
    EXPECT_EQ(destroyed, (std::vector<std::string>{"b"}));
    EXPECT_EQ(a->next, c);
    EXPECT_EQ(c->previous, a);
    list.remove(a);
    EXPECT_EQ(list.head(), c);
    EXPECT_EQ(c->previous, nullptr);
}

TEST(ObjectList, ClearingDestroysEveryObjectFromTheHeadAndEmptiesTheList) {
    std::vector<std::string> destroyed;
    {
        List list;
        add(list, destroyed, "first");
        add(list, destroyed, "second");
        list.clear();
        EXPECT_EQ(destroyed, (std::vector<std::string>{"first", "second"}));
        EXPECT_EQ(list.head(), nullptr);
        EXPECT_EQ(list.tail(), nullptr);
        add(list, destroyed, "left over");
    }
    // The list destroys what it still holds when it goes.
    EXPECT_EQ(destroyed.back(), "left over");
}

TEST(ObjectList, AnObjectAppendedWithoutANodeGetsOneAtTheTailAndNoObjectAddsNothing) {
    std::vector<std::string> destroyed;
    List list;
    List::Node* a = add(list, destroyed, "a");
    List::Node* b = list.append(std::make_unique<Noted>(destroyed, "b"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(b->previous, a);
    EXPECT_EQ(list.tail(), b);
    EXPECT_EQ(list.append(std::unique_ptr<Noted>()), nullptr);
    EXPECT_EQ(list.tail(), b);
    list.remove(b);
    EXPECT_EQ(a->next, nullptr);
    EXPECT_EQ(list.tail(), a);
}

TEST(ObjectList, AVeryLongListIsDestroyedWithoutRunningOutOfStack) {
    std::vector<std::string> destroyed;
    {
        List list;
        for (int i = 0; i < 200000; ++i)
            list.append(std::make_unique<Noted>(destroyed, ""));
    }
    EXPECT_EQ(destroyed.size(), 200000u);
}

}  // namespace
}  // namespace cindervane
