// The playfield object base and its shared box rules.
#include "core/GameObject.h"

#include "core/GameMath.h"

namespace {

constexpr int kFixedHalfSize = 15;

}  // namespace

GameObject::GameObject(uint32_t objectKind, const char* name, ObjectCategory objectCategory)
    : NamedObject(objectKind, name), category(objectCategory) {}

void GameObject::DrawNothing(DrawContext&) {}

bool GameObject::ContainsPoint(int px, int py) {
    Rect box;
    GetBounds(box);
    return box.left <= px && px <= box.right && box.top <= py && py <= box.bottom;
}

bool GameObject::Intersects(int left, int top, int right, int bottom) {
    Rect box;
    GetBounds(box);
    return !(box.right < left || box.left > right || box.bottom < top || box.top > bottom);
}

int GameObject::Reserved() { return 0; }

Rect& GameObject::BoundsFromScaledRadius(Rect& out, int radius) const {
    const double h = radius * 1.5;
    out = Rect{TruncateToInt(x - h), TruncateToInt(y - h), TruncateToInt(x + h),
               TruncateToInt(y + h)};
    return out;
}

Rect& GameObject::BoundsFromHalfSize(Rect& out, int halfSize) const {
    const float h = static_cast<float>(halfSize);
    out = Rect{TruncateToInt(x - h), TruncateToInt(y - h), TruncateToInt(x + h),
               TruncateToInt(y + h)};
    return out;
}

Rect& GameObject::FixedBounds(Rect& out) const { return BoundsFromHalfSize(out, kFixedHalfSize); }
