// An audio sink that remembers which clips were started.
#pragma once

#include <vector>

#include "platform/AudioDevice.h"

class RecordingAudio final : public AudioDevice {
public:
    void PlayClip(int id) override { played_.push_back(id); }
    void StopClip() override { ++stops_; }

    const std::vector<int>& Played() const { return played_; }
    void ClearPlayed() { played_.clear(); }
    int Stops() const { return stops_; }

private:
    std::vector<int> played_;
    int stops_ = 0;
};
