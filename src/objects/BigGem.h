// A big gem: a slow, tough target that takes several hits and sparkles more the more it is
// damaged.
#pragma once

#include <cstdint>

#include "objects/Ship.h"

class ArtImage;

constexpr int kBigGemArtRows = 3;

// The six frame files of each art row; big gem k uses row k mod 3.
extern const char BigGemArt[kBigGemArtRows][kArtRowLength];

class BigGem : public Ship {
public:
    // Big gem number `kind` (0 to 9), with kind × 2 + 5 hit points. Reseeds the shared
    // random generator from gemSeed and stores the generator's next number back, as a gem.
    explicit BigGem(int kind);

    // Falls like a gem and sheds one white sparkle for every missing hit point.
    void Update(float timeScale) override;
    // Advances the six-picture animation and draws it; marks centre ± 32.
    void DrawFrame(DrawContext& dc, const Pen* outlinePen, const Pen* colourPen) override;
    // Loses 10 hit points; at 0 or below it is destroyed with sound 164.
    void TakeBlast(int sparkCount) override;

    int32_t hitPoints;
    int32_t maxHitPoints;
    ArtImage* art = nullptr;  // owned by the art cache; null when the files are missing
    int frameCounter = 0;
};
