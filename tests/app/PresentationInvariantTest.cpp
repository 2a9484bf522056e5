// After every frame of a long automatic game the window shows exactly the back buffer:
// what the dirty rectangles present is what was drawn, through repaints, pauses and the
// window losing and regaining the focus.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include "StateDump.h"
#include "core/PauseState.h"
#include "play/PlayMode.h"
#include "support/AutoplayedGame.h"

namespace {

constexpr uint32_t kStartClock = 7000;
constexpr long kFrames = PEBBLOR_INVARIANT_FRAMES;
// In every period of this many frames: a repaint, a pause and a spell without the focus.
constexpr long kEventPeriod = 2500;
constexpr long kPaintAt = 700;
constexpr long kPauseAt = 1300;
constexpr long kPauseLength = 30;
constexpr long kFocusLostAt = 1900;
constexpr long kStepsWithoutFocus = 40;

struct Mismatch {
    int x, y;
    Pixel drawn, shown;
};

// The first pixel, row by row, where the window differs from the back buffer.
std::optional<Mismatch> FirstMismatch(const Surface& drawn, const Surface& shown) {
    const auto a = drawn.Pixels();
    const auto b = shown.Pixels();
    if (a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size_bytes()) == 0) {
        return std::nullopt;
    }
    for (int y = 0; y < drawn.Height(); ++y) {
        for (int x = 0; x < drawn.Width(); ++x) {
            if (drawn.At(x, y) != shown.At(x, y))
                return Mismatch{x, y, drawn.At(x, y), shown.At(x, y)};
        }
    }
    return Mismatch{-1, -1, 0, 0};  // the sizes differ
}

std::string Describe(long frame, const Mismatch& m, const HeadlessWindow& window) {
    std::ostringstream text;
    text << "frame " << frame << ": the window differs from the back buffer first at (" << m.x
         << ", " << m.y << "): drawn " << std::hex << m.drawn << ", shown " << m.shown
         << "\npresented:" << std::dec;
    for (const Rect& r : window.LastPresented()) {
        text << " [" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "]";
    }
    return text.str();
}

class PresentationInvariant : public ::testing::Test {
protected:
    // The period's repaint, pause and loss of focus, before the frame.
    void Disturb(long frame) {
        const long at = frame % kEventPeriod;
        if (at == kPaintAt) {
            ASSERT_TRUE(autoplay.Deliver(Message{WM_PAINT, 0, 0}));
        }
        if (at == kPauseAt || at == kPauseAt + kPauseLength) {
            ASSERT_TRUE(autoplay.Deliver(Message{WM_KEYUP, 'P', 0}));
        }
        if (at == kFocusLostAt) {
            ASSERT_TRUE(autoplay.Deliver(Message{WM_ACTIVATE, WA_INACTIVE, 0}));
            ASSERT_EQ(windowInactive, 1);
            // No frame runs meanwhile; the clock goes on.
            game.clock.Advance(uint32_t(34 * kStepsWithoutFocus));
            ASSERT_TRUE(autoplay.Deliver(Message{WM_ACTIVATE, WA_ACTIVE, 0}));
            ASSERT_EQ(windowInactive, 0);
        }
    }

    AutoplayedGame autoplay{PEBBLOR_ART_FOLDER, kStartClock};
    HeadlessGame& game = autoplay.Game();
};

TEST_F(PresentationInvariant, TheWindowShowsWhatWasDrawnAfterEveryFrame) {
    std::array<long, 5> framesOfScreen{};
    long pausedFrames = 0;
    long gamesOver = 0;
    for (long frame = 1; frame <= kFrames; ++frame) {
        Disturb(frame);
        ASSERT_FALSE(HasFatalFailure());
        game.Frame();
        const auto mismatch = FirstMismatch(frameDriver->BackBuffer(), game.window.ClientPixels());
        ASSERT_FALSE(mismatch) << Describe(frame, *mismatch, game.window);
        ASSERT_TRUE(game.Pump());

        const PlayMode* play = CurrentPlayMode();
        ASSERT_NE(play, nullptr);
        if (play->screen == PlayScreen::GameOver && play->screenTime == 0) ++gamesOver;
        ++framesOfScreen.at(size_t(play->screen));
        pausedFrames += paused;
        ASSERT_TRUE(autoplay.Act());
    }
    // The run went through every screen and every disturbance.
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::Title)], 0);
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::Playing)], 0);
    EXPECT_GT(gamesOver, 1);
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::Entry)], 0);
    EXPECT_GT(pausedFrames, 0);
    EXPECT_EQ(game.window.PresentCount(), kFrames);
}

}  // namespace
