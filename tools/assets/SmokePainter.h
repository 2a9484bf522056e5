// The smoke puff: a soft grey cloud of 30 x 30 pixels on black.
#pragma once

#include "platform/Surface.h"

Surface PaintSmoke();
