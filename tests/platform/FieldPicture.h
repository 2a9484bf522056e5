// A field-sized test picture in which every scaling fault shows: smooth ramps, an 8-pixel
// checkerboard in blue and a one-pixel white diagonal.
#pragma once

#include "platform/FieldGeometry.h"
#include "platform/Surface.h"

inline Surface FieldTestPicture() {
    Surface picture(kFieldWidth, kFieldHeight);
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            picture.Set(x, y,
                        MakePixel(uint8_t(x * 255 / 287), uint8_t(y * 255 / 575),
                                  (x / 8 + y / 8) % 2 != 0 ? 255 : 0));
        }
        picture.Set(y / 2, y, MakePixel(255, 255, 255));
    }
    return picture;
}
