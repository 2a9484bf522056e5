// An audio device that passes every clip on to another and, while asked to, notes which
// clips were started: a replayed script reports them as pebblor-sim does.
#pragma once

#include <vector>

#include "platform/AudioDevice.h"

class ClipLog final : public AudioDevice {
public:
    explicit ClipLog(AudioDevice& device) : device_(device) {}

    void PlayClip(int id) override {
        if (recording_) played_.push_back(id);
        device_.PlayClip(id);
    }
    void StopClip() override { device_.StopClip(); }

    void SetRecording(bool recording) { recording_ = recording; }
    const std::vector<int>& Played() const { return played_; }
    void Clear() { played_.clear(); }

private:
    AudioDevice& device_;
    bool recording_ = false;
    std::vector<int> played_;
};
