// The six cuts of the falling gems, A to F, as meshes of any size.
#pragma once

#include "GemMesh.h"

enum class GemCut { Round, Emerald, Trillion, Marquise, Pear, Hexagon };

constexpr GemCut kAllCuts[] = {GemCut::Round,    GemCut::Emerald, GemCut::Trillion,
                               GemCut::Marquise, GemCut::Pear,    GemCut::Hexagon};

// The letter of the cut in the file names: 'A' for Round to 'F' for Hexagon.
char CutLetter(GemCut cut);

// The stone of this cut fitting a circle of the given radius.
GemMesh CutMesh(GemCut cut, double radius);
