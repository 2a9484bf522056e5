// Big gems: hit points, fall, damage sparkle and the six-picture animation.
#include "objects/BigGem.h"

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/SparkPools.h"
#include "sound/SoundPlayer.h"

const char BigGemArt[kBigGemArtRows][kArtRowLength] = {
    "gemBIG0.bmp gemBIG1.bmp gemBIG2.bmp gemBIG3.bmp gemBIG4.bmp gemBIG5.bmp",
    "gemGrBIG0.bmp gemGrBIG1.bmp gemGrBIG2.bmp gemGrBIG3.bmp gemGrBIG4.bmp gemGrBIG5.bmp",
    "gemBlBIG0.bmp gemBlBIG1.bmp gemBlBIG2.bmp gemBlBIG3.bmp gemBlBIG4.bmp gemBlBIG5.bmp",
};

namespace {

constexpr float kBigGemSpeed = 0.2f;
constexpr int kBigGemRadius = 20;
constexpr int kPictureCount = 6;
constexpr int kDrawsPerPicture = 3;
constexpr float kDirtyHalfSize = 32;
constexpr int32_t kBlastDamage = 10;

// kind × 2 + 5 in the wrapping arithmetic of 32 bits, so no kind overflows.
int32_t StartingHitPoints(int kind) {
    return static_cast<int32_t>(static_cast<uint32_t>(kind) * 2u + 5u);
}

}  // namespace

BigGem::BigGem(int kind) : Ship(kind, ObjectCategory::BigGem) {
    speed = kBigGemSpeed;
    radius = kBigGemRadius;
    art = dirtyRects.GetArt(BigGemArt[GetKind() % kBigGemArtRows]);
    randomGenerator.Seed(gemSeed);
    gemSeed = static_cast<uint32_t>(Random());
    hitPoints = maxHitPoints = StartingHitPoints(kind);
}

void BigGem::Update(float /*timeScale*/) {
    Fall();
    const int64_t missing = int64_t{maxHitPoints} - hitPoints;
    for (int64_t sparkle = 0; sparkle < missing; ++sparkle) Sparkle(*sparksWhiteTrail);
}

void BigGem::DrawFrame(DrawContext& dc, const Pen* /*outlinePen*/, const Pen* /*colourPen*/) {
    frameCounter += 1;
    DrawCentred(dc, art, (frameCounter / kDrawsPerPicture) % kPictureCount);
    dirtyRects.MarkDirty(TruncateToInt(x - kDirtyHalfSize), TruncateToInt(y - kDirtyHalfSize),
                         TruncateToInt(x + kDirtyHalfSize), TruncateToInt(y + kDirtyHalfSize));
}

void BigGem::TakeBlast(int sparkCount) {
    BurstSparks(sparkCount);
    hitPoints -= kBlastDamage;
    if (hitPoints <= 0) {
        dead = true;
        soundPlayer.Play(kBigGemDestroyedSound);
    }
}
