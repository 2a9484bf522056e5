// The root of every long-lived thing: a kind code and a short type name.
#pragma once

#include <cstdint>

class NamedObject {
public:
    // The name is copied up to 255 characters; a null name stays empty.
    NamedObject(uint32_t kind, const char* typeName);
    virtual ~NamedObject() = default;
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;

    // Same kind and the same non-empty name.
    virtual int IsSame(const NamedObject& other) const;
    virtual int IsDifferent(const NamedObject& other) const;

    uint32_t GetKind() const { return kind; }

    uint32_t kind;
    char typeName[256];
};
