// The play screen's texts at their boundaries: the hints' times, and the accuracy and its
// multiplier.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/PlayRecord.h"
#include "gfx/GameFonts.h"
#include "platform/FieldGeometry.h"
#include "play/PlayMode.h"
#include "support/HeadlessGame.h"

namespace {

struct DrawnText {
    const Font* font;
    std::string text;
    Rect rect;
    ColorRef colour;
    unsigned format;
};

// Remembers every text instead of drawing it.
class RecordingFont final : public Font {
public:
    explicit RecordingFont(std::vector<DrawnText>& log) : log_(log) {}
    void DrawText(DrawContext& dc, std::string_view text, const Rect& rect,
                  unsigned format) const override {
        log_.push_back(DrawnText{this, std::string(text), rect, dc.TextColour(), format});
    }
    int MeasureWidth(std::string_view) const override { return 0; }
    int CellHeight() const override { return 16; }

private:
    std::vector<DrawnText>& log_;
};

constexpr ColorRef kPaleBlue = 0xFFC8C8, kPaleRed = 0xC8C8FF, kPaleCyan = 0xFFFFC8;

class PlayScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {FontMedium, FontSmall, FontLarge};
        FontMedium = &medium_;
        FontSmall = &small_;
        FontLarge = &large_;
        play = static_cast<PlayMode*>(currentMode);
    }
    void TearDown() override {
        // The shell deletes the fonts it made.
        FontMedium = saved_[0];
        FontSmall = saved_[1];
        FontLarge = saved_[2];
    }

    // Draws one play screen and returns what it wrote.
    std::vector<DrawnText> Draw() {
        drawn_.clear();
        play->Draw(dc_);
        return drawn_;
    }
    // The text drawn with exactly this content, or null.
    const DrawnText* Find(const std::string& text) {
        for (const DrawnText& t : drawn_) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }
    // The text drawn with exactly this content; a failure, and an empty text, when none.
    const DrawnText& Shown(const std::string& text) {
        static const DrawnText none{};
        const DrawnText* found = Find(text);
        EXPECT_NE(found, nullptr) << text;
        return found != nullptr ? *found : none;
    }
    void StartPlaying() {
        game.Send(WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(10, 10));
        game.Send(WM_LBUTTONUP, 0, MakeMouseLParam(10, 10));
        play->screenTime = 450;  // between the two hints
    }

    HeadlessGame game;
    PlayMode* play = nullptr;
    std::vector<DrawnText> drawn_;
    RecordingFont medium_{drawn_}, small_{drawn_}, large_{drawn_};

private:
    std::vector<Font*> saved_;
    Surface surface_{kFieldWidth, kFieldHeight};
    DrawContext dc_{surface_};
};

TEST_F(PlayScreenTest, HintsShowOnlyInTheirTimes) {
    StartPlaying();
    const std::string first = "Click, drag, and release to\nfire the ball like a slingshot.";
    const std::string second = "Don't let the falling gems\nreach your slingshot!";
    const struct {
        int screenTime;
        bool first, second;
    } cases[] = {{0, true, false},   {399, true, false}, {400, false, false}, {500, false, false},
                 {501, false, true}, {799, false, true}, {800, false, false}};
    for (const auto& c : cases) {
        play->screenTime = c.screenTime;
        Draw();
        EXPECT_EQ(Find(first) != nullptr, c.first) << c.screenTime;
        EXPECT_EQ(Find(second) != nullptr, c.second) << c.screenTime;
        if (c.second) {
            EXPECT_EQ(Find(second)->colour, kPaleRed);
        }
        if (c.first) {
            EXPECT_EQ(Find(first)->colour, kPaleBlue);
        }
    }
}

TEST_F(PlayScreenTest, AccuracyAndItsMultiplierAtTheBoundaries) {
    StartPlaying();
    const struct {
        int fired, hits, misses;
        const char* text;
        float accuracy;
    } cases[] = {
        {10, 8, 0, "Accuracy: 80.0%   4X MULT", 80.0f},
        {10, 3, 1, "Accuracy: 20.0%", 20.0f},
        {10, 1, 3, "Accuracy: -20.0%", -20.0f},
        {10, 10, 0, "Accuracy: 100.0%   5X MULT", 100.0f},
        {20, 5, 0, "Accuracy: 25.0%   2X MULT", 25.0f},
        {12, 6, 0, "Accuracy: 50.0%   3X MULT", 50.0f},
        {10, 12, 0, "Accuracy: 120.0%   5X MULT", 120.0f},
    };
    for (const auto& c : cases) {
        shotsFired = c.fired;
        hitCount = c.hits;
        missCount = c.misses;
        Draw();
        EXPECT_FLOAT_EQ(accuracy, c.accuracy) << c.text;
        EXPECT_EQ(Shown(c.text).rect, (Rect{0, 476, 288, 496}));
        EXPECT_EQ(Shown(c.text).colour, kPaleCyan);
    }
    // Fewer than ten shots: no line, and accuracy keeps its value.
    shotsFired = 9;
    accuracy = 42.0f;
    Draw();
    EXPECT_FLOAT_EQ(accuracy, 42.0f);
    for (const DrawnText& t : drawn_) EXPECT_EQ(t.text.rfind("Accuracy", 0), std::string::npos);
}

}  // namespace
