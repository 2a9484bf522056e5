// The cursor list: walks, removal and insertion during walks, stacks, destruction.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/ObjectList.h"

namespace {

// Items that log their destruction.
struct Item : NamedObject {
    Item(uint32_t k, std::vector<uint32_t>* log = nullptr) : NamedObject(k, "ITEM"), log(log) {}
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

TEST(ObjectList, EmptyListGivesNothing) {
    ObjectList list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Add(nullptr), nullptr);
    EXPECT_EQ(list.Remove(nullptr), nullptr);
    ObjectStack stack;
    EXPECT_EQ(stack.Pop(), nullptr);
    EXPECT_EQ(stack.Top(), nullptr);
}

TEST(ObjectList, NextWrapsToTheFirstItemAfterTheEnd) {
    ObjectList list;
    Item a(1), b(2);
    list.Add(&a);
    list.Add(&b);
    EXPECT_EQ(list.First(), &a);
    EXPECT_EQ(list.Next(), &b);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Next(), &a);
    list.Remove(&a);
    list.Remove(&b);
}

TEST(ObjectList, RemovingTheFirstItemReturnsNullAndTheWalkGoesOn) {
    ObjectList list;
    Item a(1), b(2), c(3);
    list.Add(&a);
    list.Add(&b);
    list.Add(&c);
    list.First();
    EXPECT_EQ(list.Remove(&a), nullptr);
    EXPECT_EQ(list.Next(), &b);
    // Removing a middle item returns its predecessor and the walk continues after it.
    list.Find(&c);
    EXPECT_EQ(list.Remove(&c), &b);
    EXPECT_EQ(list.Next(), nullptr);
    list.Remove(&b);
}

TEST(ObjectList, RemovingAnAbsentItemLeavesTheCursorOnTheSentinel) {
    ObjectList list;
    Item a(1), b(2), absent(9);
    list.Add(&a);
    list.Add(&b);
    list.Last();
    EXPECT_EQ(list.Remove(&absent), nullptr);
    EXPECT_EQ(list.Next(), &a);
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{1, 2}));
    list.Remove(&a);
    list.Remove(&b);
}

TEST(ObjectList, RemovalDuringAWalkSkipsNothing) {
    std::vector<uint32_t> deleted;
    ObjectList list;
    for (uint32_t k = 1; k <= 6; ++k) list.Add(new Item(k, &deleted));
    std::vector<uint32_t> visited;
    for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) {
        visited.push_back(o->kind);
        if (o->kind % 2 == 1) {
            list.Remove(o);
            delete o;
        }
    }
    EXPECT_EQ(visited, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(deleted, (std::vector<uint32_t>{1, 3, 5}));
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{2, 4, 6}));
}

TEST(ObjectList, InsertionDuringAWalk) {
    ObjectList list;
    Item a(1), b(2), added(3), inserted(4);
    list.Add(&a);
    list.Add(&b);
    std::vector<uint32_t> visited;
    for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) {
        visited.push_back(o->kind);
        if (o == &a) {
            EXPECT_EQ(list.Add(&added), &added);                     // reached later in this walk
            EXPECT_EQ(list.InsertBefore(&inserted, &a), &inserted);  // not reached
        }
    }
    EXPECT_EQ(visited, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{4, 1, 2, 3}));
    for (NamedObject* o :
         {(NamedObject*)&a, (NamedObject*)&b, (NamedObject*)&added, (NamedObject*)&inserted}) {
        list.Remove(o);
    }
}

TEST(ObjectList, InsertBeforeAnAbsentItemAppends) {
    ObjectList list;
    Item a(1), b(2), absent(9), nulled(5);
    list.Add(&a);
    list.InsertBefore(&b, &absent);
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{1, 2}));
    // With no `before`, the item goes in front of the cursor's node.
    list.First();
    list.Next();
    list.InsertBefore(&nulled, nullptr);
    EXPECT_EQ(Walk(list), (std::vector<uint32_t>{1, 5, 2}));
    EXPECT_EQ(list.InsertBefore(nullptr, &a), nullptr);
    list.Remove(&a);
    list.Remove(&b);
    list.Remove(&nulled);
}

TEST(ObjectList, DestructionDeletesEveryItemOnceInListOrder) {
    std::vector<uint32_t> deleted;
    {
        ObjectList list;
        for (uint32_t k : {4u, 2u, 7u}) list.Add(new Item(k, &deleted));
    }
    EXPECT_EQ(deleted, (std::vector<uint32_t>{4, 2, 7}));
}

TEST(ObjectStack, PushPopTop) {
    std::vector<uint32_t> deleted;
    ObjectStack stack;
    Item a(1), b(2);
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
    const std::string exact(255, 'x');
    NamedObject whole(1, exact.c_str());
    EXPECT_EQ(std::string(whole.typeName), exact);
    const std::string longer(300, 'y');
    NamedObject cut(1, longer.c_str());
    EXPECT_EQ(std::string(cut.typeName), std::string(255, 'y'));
    NamedObject unnamed(1, nullptr);
    EXPECT_EQ(unnamed.typeName[0], '\0');
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
    EXPECT_EQ(a.GetKind(), 3u);
}

}  // namespace
