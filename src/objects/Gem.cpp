// Gems: their level-dependent speed and pictures, fall, frozen sparkle and animation.
#include "objects/Gem.h"

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/SparkPools.h"
#include "sound/SoundPlayer.h"

// One art row a line.
// clang-format off
const char GemArt[kGemArtRows][kArtRowLength] = {
    "gemA0.bmp gemA1.bmp gemA2.bmp",
    "gemGrB0.bmp gemGrB1.bmp gemGrB2.bmp",
    "gemBlC0.bmp gemBlC1.bmp gemBlC2.bmp",
    "gemB0.bmp gemB1.bmp gemB2.bmp",
    "gemGrC0.bmp gemGrC1.bmp gemGrC2.bmp",
    "gemBlD0.bmp gemBlD1.bmp gemBlD2.bmp",
    "gemC0.bmp gemC1.bmp gemC2.bmp",
    "gemGrE0.bmp gemGrE1.bmp gemGrE2.bmp",
    "gemBlF0.bmp gemBlF1.bmp gemBlF2.bmp",
    "gemD0.bmp gemD1.bmp gemD2.bmp",
    "gemGrA0.bmp gemGrA1.bmp gemGrA2.bmp",
    "gemBlB0.bmp gemBlB1.bmp gemBlB2.bmp",
    "gemE0.bmp gemE1.bmp gemE2.bmp",
    "gemGrF0.bmp gemGrF1.bmp gemGrF2.bmp",
    "gemBlA0.bmp gemBlA1.bmp gemBlA2.bmp",
    "gemF0.bmp gemF1.bmp gemF2.bmp",
    "gemGrD0.bmp gemGrD1.bmp gemGrD2.bmp",
    "gemBlE0.bmp gemBlE1.bmp gemBlE2.bmp",
};
// clang-format on

namespace {

constexpr float kSpeedPerLevel = 0.14f;
constexpr float kBaseSpeed = 0.2f;
constexpr int kGemRadius = 12;
constexpr int kPictureCount = 3;
constexpr int kDrawsPerPicture = 3;
constexpr float kDirtyHalfSize = 12;

}  // namespace

Gem::Gem(int level) : Ship(level, ObjectCategory::Gem) {
    speed = static_cast<float>(level) * kSpeedPerLevel + kBaseSpeed;
    radius = kGemRadius;
    // The kind code is unsigned, so a stray negative level still picks a real row.
    art = dirtyRects.GetArt(GemArt[GetKind() % kGemArtRows]);
    randomGenerator.Seed(gemSeed);
    gemSeed = static_cast<uint32_t>(Random());
}

void Gem::Update(float /*timeScale*/) {
    Fall();
    if (speed == 0) Sparkle(*sparksBlueTrail);
}

void Gem::DrawFrame(DrawContext& dc, const Pen* /*outlinePen*/, const Pen* /*colourPen*/) {
    int picture = 0;
    if (speed != 0) {
        frameCounter += 1;
        picture = (frameCounter / kDrawsPerPicture) % kPictureCount;
    }
    DrawCentred(dc, art, picture);
    dirtyRects.MarkDirty(TruncateToInt(x - kDirtyHalfSize), TruncateToInt(y - kDirtyHalfSize),
                         TruncateToInt(x + kDirtyHalfSize), TruncateToInt(y + kDirtyHalfSize));
}

void Gem::TakeBlast(int sparkCount) {
    BurstSparks(sparkCount);
    PlayHitSound();
    dead = true;
}
