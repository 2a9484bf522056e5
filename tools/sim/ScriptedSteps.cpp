// The step rule of the runner, shared by every window it drives.
#include "ScriptedSteps.h"

#include <algorithm>

#include "app/CurrentPlayMode.h"
#include "app/FrameDriver.h"

namespace {

constexpr uint32_t kStepMs = 34;

}  // namespace

ScriptedSteps::ScriptedSteps(Window& window, Post post, ManualClock& clock,
                             std::vector<ScriptEvent> events, bool autoplay, StepHooks& hooks)
    : window_(window),
      post_(std::move(post)),
      clock_(clock),
      start_(clock.Now()),
      events_(std::move(events)),
      autoplay_(autoplay),
      hooks_(hooks) {
    std::stable_sort(events_.begin(), events_.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.step < b.step; });
    nextEvent_ = events_.begin();
}

long ScriptedSteps::ScriptLength() const {
    return events_.empty() ? 1 : std::max(1L, events_.back().step + 1);
}

void ScriptedSteps::Start() { running_ = DeliverScript(0); }

bool ScriptedSteps::Step(long step) {
    clock_.Set(start_ + uint32_t(kStepMs * uint64_t(step)));
    const bool frameRan =
        (windowInactive == 0 || hooks_.FramesWhileInactive()) && frameDriver != nullptr;
    if (frameRan) {
        hooks_.RunFrame(window_);
        running_ = Pump();
        hooks_.FrameSettled(window_);
    }
    // The step's events are delivered even after a quit the frame brought.
    const bool frameLeftRunning = running_;
    running_ = DeliverScript(step) && frameLeftRunning;
    if (autoplay_ && running_) {
        if (const PlayMode* play = CurrentPlayMode()) {
            for (const Message& message : player_.Act(*play)) {
                if (!Deliver(message)) break;
            }
        }
    }
    return frameRan;
}

bool ScriptedSteps::DeliverScript(long step) {
    for (; nextEvent_ != events_.end() && nextEvent_->step == step; ++nextEvent_) {
        for (const Message& message : nextEvent_->messages) {
            if (!Deliver(message)) return false;
        }
    }
    return true;
}

bool ScriptedSteps::Deliver(const Message& message) {
    post_(message);
    running_ = Pump();
    return running_;
}

bool ScriptedSteps::Pump() {
    Message message;
    while (window_.PeekMessage(message)) {
        if (message.message == WM_QUIT) return false;
        hooks_.Dispatch(window_, message);
    }
    return true;
}
