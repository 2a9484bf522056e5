// The automatic player's choices.
#include "AutoPlayer.h"

#include <cmath>

#include "core/GameObject.h"
#include "core/PlayRecord.h"
#include "objects/Ball.h"
#include "platform/FieldGeometry.h"
#include "play/PlayMode.h"

namespace {

// Where the drag begins; any point works since only the movement counts.
constexpr int kAnchorX = 144;
constexpr int kAnchorY = 300;
constexpr double kPullLength = 110.0;
constexpr int kTitleWait = 20;
const char kInitials[] = "BOT";

Message Mouse(uint32_t message, int x, int y) {
    return Message{message, message == WM_LBUTTONUP ? 0u : MK_LBUTTON, MakeMouseLParam(x, y)};
}

// The target nearest the slingshot line, or null.
const GameObject* LowestTarget() {
    const GameObject* lowest = nullptr;
    for (NamedObject* o = targetList.First(); o != nullptr; o = targetList.Next()) {
        const auto* object = static_cast<const GameObject*>(o);
        if (object->dead || (object->category != ObjectCategory::Gem &&
                             object->category != ObjectCategory::BigGem)) {
            continue;
        }
        if (lowest == nullptr || object->y > lowest->y) lowest = object;
    }
    return lowest;
}

}  // namespace

void AutoPlayer::Aim(const PlayMode& play) {
    // The bands fling the ball opposite to the pull: pull away from the target.
    const GameObject* target = LowestTarget();
    double dx = 0, dy = -1;
    if (target != nullptr) {
        dx = double(target->x) - kSlingshotRestX;
        dy = double(target->y) - kSlingshotLineY;
        if (dy > -40) dy = -40;  // never aim sideways or down
    } else {
        // Nothing to hit yet: vary the idle shots a little, deterministically.
        dx = double((play.playClock * 37) % 101 - 50);
        dy = -300;
    }
    const double length = std::sqrt(dx * dx + dy * dy);
    pullX_ = int(std::lround(-dx / length * kPullLength));
    pullY_ = int(std::lround(-dy / length * kPullLength));
}

const std::vector<Message>& AutoPlayer::Act(const PlayMode& play) {
    messages_.clear();
    switch (play.screen) {
        case PlayScreen::Title:
            typed_ = 0;
            phase_ = Phase::Idle;
            if (play.screenTime >= kTitleWait) {
                messages_.push_back(Mouse(WM_LBUTTONDOWN, kAnchorX, kAnchorY));
                messages_.push_back(Mouse(WM_LBUTTONUP, kAnchorX, kAnchorY));
            }
            break;
        case PlayScreen::Playing:
            if (phase_ == Phase::Idle) {
                if (play.ball != nullptr && play.ball->released == 0) {
                    Aim(play);
                    messages_.push_back(Mouse(WM_LBUTTONDOWN, kAnchorX, kAnchorY));
                    phase_ = Phase::Pulling;
                }
            } else if (phase_ == Phase::Pulling) {
                messages_.push_back(Mouse(WM_MOUSEMOVE, kAnchorX + pullX_, kAnchorY + pullY_));
                phase_ = Phase::Letting;
            } else {
                messages_.push_back(Mouse(WM_LBUTTONUP, kAnchorX + pullX_, kAnchorY + pullY_));
                phase_ = Phase::Idle;
            }
            break;
        case PlayScreen::Entry:
            phase_ = Phase::Idle;
            if (typed_ < 3) {
                messages_.push_back(Message{WM_KEYUP, uintptr_t(kInitials[typed_]), 0});
                ++typed_;
            } else {
                messages_.push_back(Message{WM_KEYUP, VK_RETURN, 0});
            }
            break;
        default:
            phase_ = Phase::Idle;
            break;
    }
    return messages_;
}
