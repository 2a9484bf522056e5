// Colour conversion and ramps.
#include "Colour.h"

#include <algorithm>
#include <cmath>

#include "StableMath.h"

namespace {

uint8_t ToByte(double channel) { return uint8_t(std::floor(Clamp01(channel) * 255.0 + 0.5)); }

}  // namespace

Pixel ToPixel(Rgb colour) {
    return MakePixel(ToByte(colour.r), ToByte(colour.g), ToByte(colour.b));
}

Ramp::Ramp(std::initializer_list<Rgb> stops) : stops_(stops) {}

Rgb Ramp::At(double t) const {
    const double position = Clamp01(t) * double(stops_.size() - 1);
    const size_t index = std::min(size_t(position), stops_.size() - 2);
    return Mix(stops_[index], stops_[index + 1], position - double(index));
}
