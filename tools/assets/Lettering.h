// The title's letterforms: each letter a few strokes (straight runs and arcs) along which
// a bevelled, lit band is painted. Only the letters of the game's name are drawn.
#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

struct WordLayout {
    Point baselineStart;  // canvas position of the first letter's baseline at its left
    double scale = 1.0;   // canvas pixels per letter unit (letters are 64 units tall)
    double slant = 0.0;   // rightward lean per unit of height
};

struct LetterStyle {
    double halfWidth = 6.5;  // half the stroke width, in letter units
    double bevel = 2.4;      // width of the lit chamfer along the stroke's edges
    Ramp face;               // the flat face, from the top of the letters to the baseline
    Rgb litBevel;            // chamfer facing the light
    Rgb shadedBevel;         // chamfer facing away
};

// Width of the word in letter units, strokes included.
double WordWidth(const std::string& word, const LetterStyle& style);
void PaintWord(Canvas& canvas, const std::string& word, const WordLayout& layout,
               const LetterStyle& style);
