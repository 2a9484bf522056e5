// Storage of the pens.
#include "objects/Pens.h"

Pen* penWhite = nullptr;
Pen* penBlue = nullptr;
Pen* penGreen = nullptr;
Pen* penYellow = nullptr;
Pen* penRed = nullptr;
Pen* penDarkGreen = nullptr;
Pen* penOrange = nullptr;
std::array<Pen*, 10> rainbowPens{};
