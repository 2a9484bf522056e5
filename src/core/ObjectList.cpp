// Cursor lists and stacks.
#include "core/ObjectList.h"

#include <new>

ObjectList::ObjectList() : head(new (std::nothrow) Node{nullptr, nullptr, nullptr}) {
    if (head == nullptr) {
        cursor = nullptr;
        valid = 0;
        return;
    }
    head->prev = head;
    head->next = head;
    cursor = head;
    valid = 1;
}

ObjectList::~ObjectList() {
    if (!valid) return;
    Node* node = head->next;
    while (node != head) {
        Node* following = node->next;
        delete node->item;
        delete node;
        node = following;
    }
    delete head;
}

NamedObject* ObjectList::First() {
    if (!valid) return nullptr;
    cursor = head->next;
    return cursor->item;
}

NamedObject* ObjectList::Last() {
    if (!valid) return nullptr;
    cursor = head->prev;
    return cursor->item;
}

NamedObject* ObjectList::Next() {
    if (!valid) return nullptr;
    cursor = cursor->next;
    return cursor->item;
}

NamedObject* ObjectList::LinkBefore(NamedObject* item, Node* at) {
    Node* node = new (std::nothrow) Node{at->prev, at, item};
    if (node == nullptr) return nullptr;
    at->prev->next = node;
    at->prev = node;
    return item;
}

NamedObject* ObjectList::Add(NamedObject* item) {
    if (!valid || item == nullptr) return nullptr;
    return LinkBefore(item, head);
}

NamedObject* ObjectList::InsertBefore(NamedObject* item, NamedObject* before) {
    if (!valid || item == nullptr) return nullptr;
    Node* remembered = cursor;
    if (before != nullptr) Find(before);
    NamedObject* result = LinkBefore(item, cursor);
    cursor = remembered;
    return result;
}

NamedObject* ObjectList::Find(NamedObject* item) {
    if (!valid) return nullptr;
    for (Node* node = head->next; node != head; node = node->next) {
        if (node->item == item) {
            cursor = node;
            return item;
        }
    }
    cursor = head;
    return nullptr;
}

NamedObject* ObjectList::Remove(NamedObject* item) {
    if (!valid) return nullptr;
    if (item != nullptr) Find(item);
    if (cursor == head) return nullptr;
    Node* removed = cursor;
    removed->prev->next = removed->next;
    removed->next->prev = removed->prev;
    cursor = removed->prev;
    delete removed;
    return cursor->item;
}

NamedObject* ObjectStack::Push(NamedObject* item) {
    Add(item);
    return item;
}

NamedObject* ObjectStack::Pop() {
    NamedObject* item = Last();
    if (item == nullptr) return nullptr;
    Remove(nullptr);
    return item;
}

NamedObject* ObjectStack::Top() { return Last(); }
