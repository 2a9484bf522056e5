// The runner's steps, on whichever window the game runs in (the headless one, the web
// page's): step S sets the virtual clock to its start + 34 S and runs a frame unless the
// window is inactive; then step S's script events, and the automatic player's messages,
// go through the window's queue and procedure.
#pragma once

#include <functional>
#include <vector>

#include "AutoPlayer.h"
#include "SimScript.h"
#include "app/MessageLoop.h"
#include "platform/Window.h"
#include "platform/headless/ManualClock.h"

// What a run adds to the steps: how messages are handed over and frames run (the loop's
// hooks), whether frames run while the window is inactive, and what follows each frame
// once the messages it posted are handled.
class StepHooks : public LoopHooks {
public:
    virtual bool FramesWhileInactive() const { return false; }
    virtual void FrameSettled(Window&) {}
};

class ScriptedSteps {
public:
    // Puts a message in the window's queue.
    using Post = std::function<void(const Message&)>;

    // The clock shows the start-up time; the game has started at it.
    ScriptedSteps(Window& window, Post post, ManualClock& clock, std::vector<ScriptEvent> events,
                  bool autoplay, StepHooks& hooks);

    // Step 0's events, before the first frame.
    void Start();
    // Runs one step (1, 2, ...); true when its frame ran.
    bool Step(long step);
    // False once the game has quit.
    bool Running() const { return running_; }
    // The steps the script asks for: its last step + 1, at least 1.
    long ScriptLength() const;

private:
    // False once the game has quit.
    bool DeliverScript(long step);
    bool Deliver(const Message& message);
    // Delivers what waits in the queue; false once WM_QUIT is taken.
    bool Pump();

    Window& window_;
    Post post_;
    ManualClock& clock_;
    uint32_t start_;
    std::vector<ScriptEvent> events_;
    std::vector<ScriptEvent>::const_iterator nextEvent_;
    bool autoplay_;
    StepHooks& hooks_;
    AutoPlayer player_;
    bool running_ = true;
};
