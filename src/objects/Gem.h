// A gem: the main target, falling at a speed set by its level, animated through three
// pictures, frozen by a FREEZE shot and broken by balls, rings and mines.
#pragma once

#include <cstdint>

#include "objects/Ship.h"

class ArtImage;

constexpr int kGemArtRows = 18;

// The three frame files of each art row; a gem of level L uses row L mod 18.
extern const char GemArt[kGemArtRows][kArtRowLength];

class Gem : public Ship {
public:
    // A gem of the given level (its kind code). Reseeds the shared random generator from
    // gemSeed and stores the generator's next number back in gemSeed.
    explicit Gem(int level);

    // Falls (or holds, or rises with time warp); a frozen gem sheds one blue sparkle.
    void Update(float timeScale) override;
    // Advances the animation unless frozen and draws the picture; marks centre ± 12.
    void DrawFrame(DrawContext& dc, const Pen* outlinePen, const Pen* colourPen) override;
    // Breaks with the hit sound.
    void TakeBlast(int sparkCount) override;

    ArtImage* art = nullptr;  // owned by the art cache; null when the files are missing
    int frameCounter = 0;
};
