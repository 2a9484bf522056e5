// Turns a mixed signal into 8-bit unsigned samples: DC removed, a short fade in, a closing
// release that leaves the end silent, brought to a common loudness without reaching full
// scale.
#pragma once

#include <cstdint>
#include <vector>

#include "Synth.h"

// Highest sample distance from 128 a clip may reach.
constexpr int kPeakLimit = 112;

// loudness is the wanted RMS, in sample steps, of the clip's loudest tenth of a second;
// the peak limit wins where the two disagree.
std::vector<uint8_t> Master(const Signal& signal, double sampleRate, double loudness);
