// The shot sprites, one look per shot kind, 8 x 8 to 16 x 16 pixels.
#pragma once

#include "platform/Surface.h"

Surface PaintNormalShot();    // a polished steel ball
Surface PaintHeavyShot();     // bigger, dark iron with a band
Surface PaintFreezeShot();    // an icy ball with a frost star
Surface PaintBlastShot();     // a glowing hot core
Surface PaintBoomShot();      // a fireball with flame tongues
Surface PaintBreakUpShot();   // a cracked bronze ball
Surface PaintFragmentShot();  // a small bronze shard
Surface PaintPelletShot();    // a small gold pellet
