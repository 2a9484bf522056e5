// The base of everything that moves on the playfield: position, collision category, the
// removal flag, the six per-object operations and the box rules several objects share.
#pragma once

#include <cstdint>

#include "core/NamedObject.h"
#include "platform/Rect.h"

class DrawContext;

// What an object is for collisions and drawing.
enum class ObjectCategory : int32_t { Shot = 0, Gem, BigGem, PowerUp, SlideOut, Effect };

class GameObject : public NamedObject {
public:
    GameObject(uint32_t kind, const char* typeName, ObjectCategory category);

    // One frame of behaviour; the play mode passes 1.0.
    virtual void Update(float timeScale) = 0;
    // Draws into the frame and marks what it drew dirty.
    virtual void Draw(DrawContext& dc) = 0;
    // Whether the point lies inside GetBounds, borders included (the shared rule).
    virtual bool ContainsPoint(int px, int py);
    // Fills out with the collision box and returns it.
    virtual Rect& GetBounds(Rect& out) = 0;
    // Whether the collision box overlaps the given one; boxes that only touch on an edge
    // overlap (the shared rule, which every object keeps).
    virtual bool Intersects(int left, int top, int right, int bottom);
    // Part of the interface, never called: every object returns 0.
    virtual int Reserved();

    float x = 0;  // centre
    float y = 0;
    ObjectCategory category;
    // Set by anyone to have the play mode remove and delete the object after its Update.
    bool dead = false;

protected:
    // The shared rules the concrete objects pick from.
    static void DrawNothing(DrawContext& dc);
    // Half-size radius × 1.5 around the centre, truncated per coordinate.
    Rect& BoundsFromScaledRadius(Rect& out, int radius) const;
    // Half-size halfSize around the centre, truncated per coordinate.
    Rect& BoundsFromHalfSize(Rect& out, int halfSize) const;
    // The fixed 30 x 30 box around the centre.
    Rect& FixedBounds(Rect& out) const;
};
