// Menu labels, the menu bar's layout and drawing, and interaction with an open menu.
#include <gtest/gtest.h>

#include "platform/FieldGeometry.h"
#include "platform/Messages.h"
#include "platform/sdl/MenuBar.h"
#include "platform/sdl/MenuTracker.h"

namespace {

std::vector<Menu> GameMenus() {
    return {Menu{"&Options", {MenuItem{"Turn Sound Off", IDM_SOUND}}},
            Menu{"&Help", {MenuItem{"&About ...", IDM_ABOUT}, MenuItem{"E&xit", IDM_EXIT}}}};
}

int CountPixels(const Surface& surface, const Rect& area, Pixel colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += surface.At(x, y) == colour;
    }
    return count;
}

// Pixels darker than the bar's background: text and underlines.
int CountDark(const Surface& surface, const Rect& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += PixelGreen(surface.At(x, y)) < 128;
    }
    return count;
}

int CenterX(const Rect& r) { return (r.left + r.right) / 2; }
int CenterY(const Rect& r) { return (r.top + r.bottom) / 2; }

}  // namespace

TEST(MenuLabelTest, MarkersAreRemovedAndTheFirstMarkedLetterIsTheMnemonic) {
    struct Case {
        const char* label;
        const char* text;
        int index;
        uint32_t key;
    };
    for (const Case& c : {Case{"&Options", "Options", 0, 'O'}, Case{"E&xit", "Exit", 1, 'X'},
                          Case{"Save && &Quit", "Save & Quit", 7, 'Q'},
                          Case{"Turn Sound Off", "Turn Sound Off", -1, 0},
                          Case{"End&", "End", -1, 0}, Case{"&1 Level", "1 Level", 0, '1'},
                          // Underlined, but no key reaches it.
                          Case{"&.", ".", 0, 0}, Case{"", "", -1, 0}}) {
        const MenuLabel label = ParseMenuLabel(c.label);
        EXPECT_EQ(label.text, c.text) << c.label;
        EXPECT_EQ(label.mnemonicIndex, c.index) << c.label;
        EXPECT_EQ(label.mnemonicKey, c.key) << c.label;
    }
}

TEST(MenuBarTest, TitlesLieSideBySideInTheBarAndDropDownsBelowThem) {
    for (int scale : {1, 2, 3}) {
        MenuBar bar(GameMenus());
        bar.SetLayout(scale, kFieldWidth * scale);
        EXPECT_EQ(bar.Height(), 20 * scale);
        const Rect options = bar.TitleRect(0);
        const Rect help = bar.TitleRect(1);
        EXPECT_EQ(options.left, 0);
        EXPECT_EQ(options.top, 0);
        EXPECT_EQ(options.bottom, bar.Height());
        EXPECT_GT(options.Width(), 0);
        EXPECT_EQ(help.left, options.right);
        EXPECT_LE(help.right, kFieldWidth * scale);

        const Rect drop = bar.DropDownRect(1);
        EXPECT_EQ(drop.top, bar.Height());
        EXPECT_EQ(drop.left, help.left);
        const Rect about = bar.ItemRect(1, 0);
        const Rect exit = bar.ItemRect(1, 1);
        EXPECT_EQ(exit.top, about.bottom);
        EXPECT_GE(about.top, drop.top);
        EXPECT_LE(exit.bottom, drop.bottom);
        EXPECT_GE(about.left, drop.left);
        EXPECT_LE(about.right, drop.right);
    }
}

TEST(MenuBarTest, HitTestsFindTitlesAndItems) {
    MenuBar bar(GameMenus());
    const Rect help = bar.TitleRect(1);
    EXPECT_EQ(bar.TitleAt(help.left, 0), 1);
    EXPECT_EQ(bar.TitleAt(help.right - 1, help.bottom - 1), 1);
    EXPECT_EQ(bar.TitleAt(help.right, 5), -1);
    EXPECT_EQ(bar.TitleAt(5, help.bottom), -1);
    EXPECT_EQ(bar.TitleAt(CenterX(bar.TitleRect(0)), 10), 0);

    const Rect exit = bar.ItemRect(1, 1);
    EXPECT_EQ(bar.ItemAt(1, CenterX(exit), CenterY(exit)), 1);
    EXPECT_EQ(bar.ItemAt(1, CenterX(exit), exit.top - 1), 0);
    EXPECT_EQ(bar.ItemAt(1, CenterX(exit), exit.bottom), -1);
    EXPECT_EQ(bar.ItemAt(0, CenterX(exit), CenterY(exit)), -1);
    EXPECT_EQ(bar.ItemAt(7, 0, 0), -1);
    EXPECT_EQ(bar.ItemCommand(1, 0), IDM_ABOUT);
    EXPECT_EQ(bar.ItemCommand(1, 2), 0);
}

TEST(MenuBarTest, DropDownsStayInsideTheWindow) {
    MenuBar bar({Menu{"A", {}}, Menu{"&Settings", {MenuItem{"A long item text", 7}}}});
    bar.SetLayout(1, 1000);
    const int titleLeft = bar.TitleRect(1).left;
    const int width = bar.DropDownRect(1).Width();
    ASSERT_GT(titleLeft, 5);
    EXPECT_EQ(bar.DropDownRect(1).left, titleLeft);

    // Five pixels short of room: moved left by five.
    bar.SetLayout(1, titleLeft + width - 5);
    EXPECT_EQ(bar.DropDownRect(1),
              (Rect{titleLeft - 5, 20, titleLeft + width - 5, bar.DropDownRect(1).bottom}));
    // Narrower than the drop-down: it starts at the window's left edge.
    bar.SetLayout(1, width / 2);
    EXPECT_EQ(bar.DropDownRect(1).left, 0);

    EXPECT_EQ(bar.ItemCount(0), 0);
    EXPECT_EQ(bar.DropDownRect(0).top, bar.Height());
}

TEST(MenuBarTest, ItemsChangeTheirTextAndGoByCommand) {
    MenuBar bar(GameMenus());
    EXPECT_EQ(bar.ItemText(0, 0), "Turn Sound Off");
    EXPECT_TRUE(bar.SetItemText(IDM_SOUND, "Turn Sound On"));
    EXPECT_EQ(bar.ItemText(0, 0), "Turn Sound On");
    EXPECT_FALSE(bar.SetItemText(12345, "Nothing"));
    bar.RemoveItem(IDM_EXIT);
    EXPECT_EQ(bar.ItemCount(1), 1);
    EXPECT_EQ(bar.ItemCommand(1, 0), IDM_ABOUT);
    EXPECT_TRUE(bar.SetItemText(IDM_ABOUT, "&Info"));
    EXPECT_EQ(bar.ItemText(1, 0), "Info");
    EXPECT_EQ(bar.ItemForMnemonic(1, 'I'), 0);
    EXPECT_EQ(bar.ItemForMnemonic(1, 'A'), -1);
    EXPECT_EQ(bar.TitleMnemonics(), (std::vector<uint32_t>{'O', 'H'}));
}

TEST(MenuBarTest, DrawsTitlesUnderlinesAndTheOpenTitle) {
    MenuBar marked({Menu{"&Options", {}}});
    MenuBar plain({Menu{"Options", {}}});
    Surface withLine(kFieldWidth, marked.Height());
    Surface withoutLine(kFieldWidth, plain.Height());
    marked.DrawBar(withLine, -1);
    plain.DrawBar(withoutLine, -1);
    const int textPixels = CountDark(withoutLine, withoutLine.Bounds());
    if (textPixels == 0) GTEST_SKIP() << "no font for the menu text is installed";
    // The underline under the O adds a run of dark pixels at least a few pixels long.
    EXPECT_GE(CountDark(withLine, withLine.Bounds()) - textPixels, 4);
    EXPECT_EQ(CountDark(withLine, Rect{marked.TitleRect(0).right, 0, kFieldWidth, 20}), 0);

    Surface open(kFieldWidth, marked.Height());
    marked.DrawBar(open, 0);
    const Pixel highlight = open.At(marked.TitleRect(0).left + 1, 10);
    EXPECT_NE(highlight, withLine.At(marked.TitleRect(0).left + 1, 10));
    EXPECT_GT(CountPixels(open, marked.TitleRect(0), highlight), 100);
}

TEST(MenuBarTest, DrawsTheDropDownWithTheHighlightedItem) {
    MenuBar bar(GameMenus());
    const Rect drop = bar.DropDownRect(1);
    Surface none(drop.Width(), drop.Height());
    Surface second(drop.Width(), drop.Height());
    bar.DrawDropDown(none, 1, -1);
    bar.DrawDropDown(second, 1, 1);
    const Rect exit = bar.ItemRect(1, 1);
    const Rect exitInBox{exit.left - drop.left, exit.top - drop.top, exit.right - drop.left,
                         exit.bottom - drop.top};
    const Pixel highlight = second.At(exitInBox.left + 1, exitInBox.top + 1);
    EXPECT_NE(highlight, none.At(exitInBox.left + 1, exitInBox.top + 1));
    EXPECT_EQ(CountPixels(none, none.Bounds(), highlight), 0);
    // The border frames the box.
    EXPECT_EQ(none.At(0, 0), none.At(drop.Width() - 1, drop.Height() - 1));
    EXPECT_NE(none.At(0, 0), none.At(1, 1));
}

TEST(MenuTrackerTest, PointerHighlightsAndReleaseOverAnItemChoosesIt) {
    MenuBar bar(GameMenus());
    MenuTracker tracker(bar, 1, false);
    EXPECT_EQ(tracker.OpenMenu(), 1);
    EXPECT_EQ(tracker.HighlightedItem(), -1);
    // The release of the click that opened the menu chooses nothing.
    const Rect help = bar.TitleRect(1);
    EXPECT_EQ(tracker.PointerReleased(CenterX(help), CenterY(help)),
              MenuTracker::Outcome::Continue);

    const Rect about = bar.ItemRect(1, 0);
    EXPECT_EQ(tracker.PointerMoved(CenterX(about), CenterY(about)), MenuTracker::Outcome::Continue);
    EXPECT_EQ(tracker.HighlightedItem(), 0);
    EXPECT_EQ(tracker.PointerMoved(5, 500), MenuTracker::Outcome::Continue);
    EXPECT_EQ(tracker.HighlightedItem(), -1);
    EXPECT_EQ(tracker.PointerPressed(CenterX(about), CenterY(about)),
              MenuTracker::Outcome::Continue);
    EXPECT_EQ(tracker.PointerReleased(CenterX(about), CenterY(about)),
              MenuTracker::Outcome::Choose);
    EXPECT_EQ(tracker.ChosenCommand(), IDM_ABOUT);
}

TEST(MenuTrackerTest, PointerMovesBetweenTitlesAndAPressOutsideOrOnTheOpenTitleCloses) {
    MenuBar bar(GameMenus());
    MenuTracker tracker(bar, 0, false);
    const Rect help = bar.TitleRect(1);
    const Rect options = bar.TitleRect(0);
    tracker.PointerMoved(CenterX(help), CenterY(help));
    EXPECT_EQ(tracker.OpenMenu(), 1);
    EXPECT_EQ(tracker.PointerPressed(CenterX(options), CenterY(options)),
              MenuTracker::Outcome::Continue);
    EXPECT_EQ(tracker.OpenMenu(), 0);
    EXPECT_EQ(tracker.PointerPressed(CenterX(options), CenterY(options)),
              MenuTracker::Outcome::Close);
    EXPECT_EQ(MenuTracker(bar, 0, false).PointerPressed(200, 400), MenuTracker::Outcome::Close);
}

TEST(MenuTrackerTest, KeyboardMovesChoosesAndCloses) {
    MenuBar bar(GameMenus());
    MenuTracker tracker(bar, 1, true);
    EXPECT_EQ(tracker.HighlightedItem(), 0);
    tracker.KeyPressed(VK_DOWN);
    EXPECT_EQ(tracker.HighlightedItem(), 1);
    tracker.KeyPressed(VK_DOWN);
    EXPECT_EQ(tracker.HighlightedItem(), 0);
    tracker.KeyPressed(VK_UP);
    EXPECT_EQ(tracker.HighlightedItem(), 1);
    EXPECT_EQ(tracker.KeyPressed(VK_RETURN), MenuTracker::Outcome::Choose);
    EXPECT_EQ(tracker.ChosenCommand(), IDM_EXIT);

    MenuTracker sideways(bar, 1, true);
    sideways.KeyPressed(VK_RIGHT);
    EXPECT_EQ(sideways.OpenMenu(), 0);
    EXPECT_EQ(sideways.HighlightedItem(), 0);
    sideways.KeyPressed(VK_LEFT);
    EXPECT_EQ(sideways.OpenMenu(), 1);
    EXPECT_EQ(sideways.KeyPressed('Q'), MenuTracker::Outcome::Continue);
    EXPECT_EQ(sideways.KeyPressed('A'), MenuTracker::Outcome::Choose);
    EXPECT_EQ(sideways.ChosenCommand(), IDM_ABOUT);

    for (uint32_t key : {VK_ESCAPE, VK_MENU, VK_F10}) {
        MenuTracker closing(bar, 0, true);
        EXPECT_EQ(closing.KeyPressed(key), MenuTracker::Outcome::Close) << key;
    }

    // Enter with nothing highlighted chooses nothing.
    MenuTracker byPointer(bar, 0, false);
    EXPECT_EQ(byPointer.KeyPressed(VK_RETURN), MenuTracker::Outcome::Continue);
}
