// The one sound channel on Windows: the program's WAVE resources played asynchronously by
// the system, each new one cutting off the one playing.
#pragma once

#include "platform/AudioDevice.h"

class Win32Audio final : public AudioDevice {
public:
    // A clip missing from the resources plays silence, as on every system.
    void PlayClip(int id) override;
    void StopClip() override;
};
