// The cursor list at its edges: empty lists, the wrapping walk, removal and insertion of
// absent items, stacks and destruction. Whole runs walk it every frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ObjectList.h"

namespace {

// Items that log their destruction.
struct Item : NamedObject {
    explicit Item(uint32_t k, std::vector<uint32_t>* log = nullptr)
        : NamedObject(k, "ITEM"), log(log) {}
    ~Item() override {
        if (log != nullptr) log->push_back(kind);
    }
    std::vector<uint32_t>* log;
};

std::vector<uint32_t> Walk(ObjectList& list) {
    std::vector<uint32_t> kinds;
    for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) kinds.push_back(o->kind);
    return kinds;
}

// The items of `kinds` appended to `list`, which deletes them at its end.
std::vector<Item*> Fill(ObjectList& list, std::initializer_list<uint32_t> kinds,
                        std::vector<uint32_t>* log = nullptr) {
    std::vector<Item*> items;
    for (uint32_t k : kinds) items.push_back(static_cast<Item*>(list.Add(new Item(k, log))));
    return items;
}

TEST(ObjectList, EmptyListAndStackGiveNothing) {
    ObjectList list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Add(nullptr), nullptr);
    EXPECT_EQ(list.Remove(nullptr), nullptr);
    EXPECT_EQ(list.InsertBefore(nullptr, nullptr), nullptr);
    ObjectStack stack;
    EXPECT_EQ(stack.Pop(), nullptr);
    EXPECT_EQ(stack.Top(), nullptr);
}

TEST(ObjectList, NextWrapsAndRemovalReturnsThePredecessorOrNull) {
    ObjectList list;
    const std::vector<Item*> items = Fill(list, {1, 2, 3});
    EXPECT_EQ(list.First(), items[0]);
    list.Next();
    list.Next();
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Next(), items[0]) << "wraps to the first item";
    // Removing the first item returns null and the walk goes on.
    EXPECT_EQ(list.Remove(items[0]), nullptr);
    EXPECT_EQ(list.Next(), items[1]);
    // A middle or last item returns its predecessor, and the walk continues after it.
    list.Find(items[2]);
    EXPECT_EQ(list.Remove(items[2]), items[1]);
    EXPECT_EQ(list.Next(), nullptr);
    delete items[0];
    delete items[2];
    // An absent item leaves the cursor on the sentinel.
    Item absent(9);
    list.Last();
    EXPECT_EQ(list.Remove(&absent), nullptr);
    EXPECT_EQ(list.Next(), items[1]);
}

TEST(ObjectList, InsertBeforeAnAbsentItemAppendsAndBeforeNothingGoesBeforeTheCursor) {
    ObjectList list;
    Fill(list, {1});
    Item absent(9);
    list.InsertBefore(new Item(2), &absent);
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{1, 2}));
    list.First();
    list.Next();
    list.InsertBefore(new Item(5), nullptr);
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{1, 5, 2}));
}

TEST(ObjectList, DestructionDeletesEveryItemOnceInListOrder) {
    std::vector<uint32_t> deleted;
    {
        ObjectList list;
        Fill(list, {4, 2, 7}, &deleted);
    }
    EXPECT_EQ(deleted, (std::vector<uint32_t>{4, 2, 7}));
}

TEST(ObjectStack, PushPopTopWithoutDeleting) {
    std::vector<uint32_t> deleted;
    ObjectStack stack;
    Item a(1, &deleted), b(2, &deleted);
    EXPECT_EQ(stack.Push(&a), &a);
    EXPECT_EQ(stack.Push(&b), &b);
    EXPECT_EQ(stack.Top(), &b);
    EXPECT_EQ(stack.Pop(), &b);
    EXPECT_EQ(stack.Top(), &a);
    EXPECT_EQ(stack.Pop(), &a);
    EXPECT_EQ(stack.Pop(), nullptr);
    EXPECT_TRUE(deleted.empty());
}

TEST(NamedObject, TypeNamesAreCutAt255Characters) {
    const std::string exact(255, 'x'), longer(300, 'y');
    EXPECT_EQ(NamedObject(1, exact.c_str()).typeName, exact);
    EXPECT_EQ(NamedObject(1, longer.c_str()).typeName, std::string(255, 'y'));
    EXPECT_EQ(NamedObject(1, nullptr).typeName[0], '\0');
}

TEST(NamedObject, SamenessNeedsKindAndANonEmptyName) {
    NamedObject a(3, "GO_GEM"), b(3, "GO_GEM"), c(4, "GO_GEM"), d(3, "GO_BALL");
    NamedObject e(3, ""), f(3, "");
    EXPECT_EQ(a.IsSame(b), 1);
    EXPECT_EQ(a.IsDifferent(b), 0);
    EXPECT_EQ(a.IsSame(c), 0);
    EXPECT_EQ(a.IsSame(d), 0);
    EXPECT_EQ(e.IsSame(f), 0);
    EXPECT_EQ(e.IsDifferent(f), 1);
}

}  // namespace
