// The common base of the two falling targets, gems and big gems: the "GO_SHIP" name, the
// radius that sizes their collision box, their fall speed and the frame draw the play screen
// calls instead of Draw.
#pragma once

#include <cstdint>

#include "core/GameObject.h"

class ArtImage;
class SparkPool;
struct Pen;

// Length of one row of an art table: a space-separated list of frame file names.
constexpr int kArtRowLength = 256;

class Ship : public GameObject {
public:
    // Draws the current picture and marks it dirty. The play screen passes an outline and a
    // colour pen; gems and big gems draw bitmaps and leave both alone.
    virtual void DrawFrame(DrawContext& dc, const Pen* outlinePen, const Pen* colourPen) = 0;
    // What a death ring or a mine does on touching it; sparkCount red and orange sparks burst
    // from it first.
    virtual void TakeBlast(int sparkCount) = 0;

    // Nothing: a ship is drawn through DrawFrame.
    void Draw(DrawContext& dc) override;
    // radius × 1.5 around the centre, whatever the size of the bitmap.
    Rect& GetBounds(Rect& out) override;

    int32_t radius = 0;  // the collision box reaches radius × 1.5 from the centre
    float speed = 0;     // pixels per frame downwards; 0 is frozen

protected:
    Ship(int kind, ObjectCategory category);

    // One frame of fall: held while time is stopped, rising at three times the speed while
    // time is warped.
    void Fall();
    // One sparkle into pool somewhere in the 15 x 15 square around the centre.
    void Sparkle(SparkPool& pool);
    // Frame `frame` of art centred on the position; nothing when the art did not load.
    void DrawCentred(DrawContext& dc, ArtImage* art, int frame);
    // sparkCount red bursts and orange rings at the centre.
    void BurstSparks(int sparkCount);
};
