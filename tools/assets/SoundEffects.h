// The game's sound clips as synthesis recipes; each mixes into a mixer already sized to the
// clip's rate and length.
#pragma once

#include "Synth.h"

// Impacts (ImpactSounds.cpp).
void WallTick(Mixer& mix);               // 156
void DeepBlast(Mixer& mix);              // 159
void BigCrunch(Mixer& mix);              // 164
void IcyFreeze(Mixer& mix);              // 166
void GlassHit(Mixer& mix, int variant);  // 173, 174, 175 as variants 0, 1, 2

// Movement (MotionSounds.cpp).
void LaunchTwang(Mixer& mix);  // 161
void Whoosh(Mixer& mix);       // 167
void PanelSlide(Mixer& mix);   // 168
void WarpSweep(Mixer& mix);    // 169

// Jingles (JingleSounds.cpp).
void CollectChime(Mixer& mix);      // 160
void GameOverPhrase(Mixer& mix);    // 157
void HighScoreFanfare(Mixer& mix);  // 162
void LevelUpArpeggio(Mixer& mix);   // 158

// The title tune (TitleTune.cpp).
void TitleTune(Mixer& mix);  // 145
