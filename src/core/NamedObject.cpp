// Named objects.
#include "core/NamedObject.h"

#include <cstring>

NamedObject::NamedObject(uint32_t kindCode, const char* name) : kind(kindCode), typeName{} {
    if (name != nullptr) {
        std::strncpy(typeName, name, sizeof(typeName) - 1);
    }
}

int NamedObject::IsSame(const NamedObject& other) const {
    if (kind != other.kind) return 0;
    if (typeName[0] == '\0' || other.typeName[0] == '\0') return 0;
    return std::strcmp(typeName, other.typeName) == 0 ? 1 : 0;
}

int NamedObject::IsDifferent(const NamedObject& other) const { return IsSame(other) ? 0 : 1; }
