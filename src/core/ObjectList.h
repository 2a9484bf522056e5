// A circular doubly linked list of named objects with one built-in cursor, used for every
// collection and every walk. The list owns its items only at its end: destroying it deletes
// what it still holds; removing an item never deletes it.
#pragma once

#include "core/NamedObject.h"

class ObjectList {
public:
    ObjectList();
    virtual ~ObjectList();
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    NamedObject* First();
    NamedObject* Last();
    NamedObject* Next();
    NamedObject* Add(NamedObject* item);
    NamedObject* InsertBefore(NamedObject* item, NamedObject* before);
    NamedObject* Find(NamedObject* item);
    NamedObject* Remove(NamedObject* item);

    bool IsValid() const { return valid != 0; }

protected:
    struct Node {
        Node* prev;
        Node* next;
        NamedObject* item;
    };

    Node* head;
    Node* cursor;
    int valid;

private:
    NamedObject* LinkBefore(NamedObject* item, Node* at);
};

// Hands a newly made object to a list, appended or in front of `before`. An object that
// could not be made (null) is skipped; one the list cannot take is deleted, not lost.
// Returns the object while the list holds it, else null.
template <class T>
T* AddMade(ObjectList& list, T* object, NamedObject* before = nullptr) {
    if (object == nullptr) return nullptr;
    NamedObject* added = before == nullptr ? list.Add(object) : list.InsertBefore(object, before);
    if (added != nullptr) return object;
    delete object;
    return nullptr;
}

// Stack operations on a list: the last item is the top.
class ObjectStack : public ObjectList {
public:
    ~ObjectStack() override = default;

    NamedObject* Push(NamedObject* item);
    NamedObject* Pop();
    NamedObject* Top();
};
