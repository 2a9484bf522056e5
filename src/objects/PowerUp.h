// The power-up capsule: drifts across the field at mid-height and, when a ball touches it,
// hands its shot kind to the next balls. Also the labels of the shot kinds.
#pragma once

#include <cstdint>

#include "core/GameObject.h"

constexpr int kShotKindNameCount = 9;
constexpr int kShotKindNameSize = 14;

// Labels of shot kinds 0 to 8, NUL-padded.
extern const char ShotKindNames[kShotKindNameCount][kShotKindNameSize];

// The label of a shot kind; empty for the normal ball and for codes outside the table.
const char* ShotKindName(int shotKind);

class PowerUp : public GameObject {
public:
    // Drifts right when made left of the centre line, else left, with a random vertical drift.
    PowerUp(float x, float y, int shotKind);

    void Update(float timeScale) override;
    void Draw(DrawContext& dc) override;
    Rect& GetBounds(Rect& out) override;

    int32_t shotKind;
    int32_t animCounter = 0;  // frames drawn; drives the colour cycle
    int32_t lifetime;         // frames left to live
    float vx;
    float vy;
};
