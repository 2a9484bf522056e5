// The playfield's geometry, in field pixels: its size, which is also the window's client
// area at 1x, and the slingshot line with the slingshot's rest point on it.
#pragma once

constexpr int kFieldWidth = 288;
constexpr int kFieldHeight = 576;

// Four fifths of the way down: a ball rests on it, a gem that reaches it ends the game.
constexpr float kSlingshotLineY = 0.8f * float(kFieldHeight);
// The middle of the slingshot line, where a loaded ball rests.
constexpr float kSlingshotRestX = float(kFieldWidth) / 2;
