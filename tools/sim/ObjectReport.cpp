// Objects in the dump: {type, kind, category, x, y, dead} and the fields of their class.
#include "ObjectReport.h"

#include "core/GameObject.h"
#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/DeathRing.h"
#include "objects/FailZap.h"
#include "objects/Gem.h"
#include "objects/Mine.h"
#include "objects/PowerUp.h"
#include "objects/SlideOut.h"
#include "objects/Smoke.h"

namespace {

void Member(JsonWriter& json, const char* key, double value) {
    json.Key(key);
    json.Float(value);
}

void Member(JsonWriter& json, const char* key, long long value) {
    json.Key(key);
    json.Int(value);
}

void WriteClassFields(JsonWriter& json, const GameObject& object) {
    if (const auto* ball = dynamic_cast<const Ball*>(&object)) {
        Member(json, "loaded", (long long)ball->loaded);
        Member(json, "released", (long long)ball->released);
        Member(json, "vx", ball->vx);
        Member(json, "vy", ball->vy);
    } else if (const auto* ship = dynamic_cast<const Ship*>(&object)) {
        Member(json, "speed", ship->speed);
        Member(json, "radius", (long long)ship->radius);
        if (const auto* gem = dynamic_cast<const Gem*>(&object)) {
            Member(json, "frameCounter", (long long)gem->frameCounter);
        } else if (const auto* bigGem = dynamic_cast<const BigGem*>(&object)) {
            Member(json, "frameCounter", (long long)bigGem->frameCounter);
            Member(json, "hitPoints", (long long)bigGem->hitPoints);
            Member(json, "maxHitPoints", (long long)bigGem->maxHitPoints);
        }
    } else if (const auto* powerUp = dynamic_cast<const PowerUp*>(&object)) {
        Member(json, "shotKind", (long long)powerUp->shotKind);
        Member(json, "lifetime", (long long)powerUp->lifetime);
        Member(json, "animCounter", (long long)powerUp->animCounter);
        Member(json, "vx", powerUp->vx);
        Member(json, "vy", powerUp->vy);
    } else if (const auto* slideOut = dynamic_cast<const SlideOut*>(&object)) {
        Member(json, "slideKind", (long long)slideOut->slideKind);
        Member(json, "animCounter", (long long)slideOut->animCounter);
        Member(json, "side", (long long)slideOut->side);
    } else if (const auto* mine = dynamic_cast<const Mine*>(&object)) {
        Member(json, "vx", mine->vx);
        Member(json, "vy", mine->vy);
        Member(json, "age", (long long)mine->age);
    } else if (const auto* ring = dynamic_cast<const DeathRing*>(&object)) {
        Member(json, "radius", (long long)ring->radius);
        Member(json, "maxRadius", (long long)ring->maxRadius);
    } else if (const auto* zap = dynamic_cast<const FailZap*>(&object)) {
        Member(json, "size", (long long)zap->size);
    } else if (const auto* smoke = dynamic_cast<const Smoke*>(&object)) {
        Member(json, "vx", smoke->vx);
        Member(json, "vy", smoke->vy);
    }
}

}  // namespace

void WriteObject(JsonWriter& json, const GameObject& object) {
    json.BeginObject();
    json.Key("type");
    json.String(object.typeName);
    json.Key("kind");
    json.Int(int32_t(object.kind));
    json.Key("category");
    json.Int(int(object.category));
    Member(json, "x", object.x);
    Member(json, "y", object.y);
    json.Key("dead");
    json.Int(object.dead ? 1 : 0);
    WriteClassFields(json, object);
    json.EndObject();
}
