// The button's input rules through the recording host: every notification raises its event
// first and then acts on what the host's handler left, clicks come only from the left button,
// the space key's release and the access key, hover starts and stops OverTimer, and values
// that do not fit a byte are overflow errors raised before anything is drawn.
#include "button/chameleon_button.h"
#include "test_host.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace chameleon {
namespace {

using testing::TestHost;
using Events = std::vector<std::string>;

class Input : public ::testing::Test {
  protected:
    Input() {
        button.newInstance();
        button.resize();
        button.show();
        reset();
    }
    void reset() {
        host.clears = 0;
        host.repaints = 0;
        host.events.clear();
        host.notices.clear();
    }
    int clicks() const { return int(std::count(host.events.begin(), host.events.end(), "Click")); }
    const ButtonRecord& r() const { return button.record(); }

    TestHost host;
    chameleonButton button{host};
};

TEST_F(Input, LeftClickDrawsDownThenUpAndClicksOnceLookingReleased) {
    int repaintsAtClick = -1;
    std::uint8_t stateAtClick = 99;
    host.onClick = [&] {
        repaintsAtClick = host.repaints;
        stateAtClick = r().LastState;
    };
    button.mousePress(1, 0, 3, 4);
    EXPECT_EQ(r().LastState, StateDown);
    EXPECT_EQ(r().LastButton, 1);
    button.mouseRelease(1, 0, 3, 4);
    EXPECT_EQ(r().LastState, StateUp);
    EXPECT_EQ(host.clears, 2);
    button.click();
    EXPECT_EQ(host.events, (Events{"MouseDown 1 0 3 4", "MouseUp 1 0 3 4", "Click"}));
    // The click forces one more drawing and shows it before the handler runs.
    EXPECT_EQ(host.clears, 3);
    EXPECT_EQ(repaintsAtClick, 1);
    EXPECT_EQ(stateAtClick, StateUp);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(Input, RightButtonDrawsNothingAndNeverClicks) {
    button.mousePress(2, 1, 5, 5);
    button.mouseRelease(2, 1, 5, 5);
    button.click();
    EXPECT_EQ(host.events, (Events{"MouseDown 2 1 5 5", "MouseUp 2 1 5 5"}));
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(r().LastButton, 2);
}

TEST_F(Input, MiddleButtonDrawsDownAndUpWithoutClick) {
    button.mousePress(4, 0, 1, 1);
    EXPECT_EQ(r().LastState, StateDown);
    button.mouseRelease(4, 0, 1, 1);
    button.click();
    EXPECT_EQ(r().LastState, StateUp);
    EXPECT_EQ(host.clears, 2);
    EXPECT_EQ(clicks(), 0);
}

TEST_F(Input, DisabledButtonDoesNotClick) {
    button.setEnabled(false);
    reset();
    button.mousePress(1, 0, 1, 1);
    button.click();
    button.accessKey('s');
    EXPECT_EQ(clicks(), 0);
}

TEST_F(Input, HandlerTurningTheLeftButtonIntoTheRightStopsTheClick) {
    host.onMouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 2; };
    button.mousePress(1, 0, 1, 1);
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(r().LastButton, 2);
    button.click();
    EXPECT_EQ(clicks(), 0);
}

TEST_F(Input, ButtonOrKeyCodeOutsideAByteIsAnOverflowAfterTheEvent) {
    host.onMouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 256; };
    try {
        button.mousePress(1, 0, 1, 1);
        FAIL() << "no overflow";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), OverflowErrorNumber);
    }
    EXPECT_EQ(host.events, Events{"MouseDown 1 0 1 1"});
    EXPECT_EQ(r().LastButton, 0);
    EXPECT_EQ(host.clears, 0);

    host.onKeyDown = [](std::int16_t& k, std::int16_t&) { k = -1; };
    EXPECT_THROW(button.keyDown(32, 0), ControlError);
    EXPECT_EQ(r().LastKey, 0);
    EXPECT_EQ(host.clears, 0);
}

TEST_F(Input, HoldingSpaceClicksOnceAtTheRelease) {
    for (int i = 0; i < 5; ++i) {
        button.keyDown(32, 0);
        button.keyPress(32);
    }
    EXPECT_EQ(host.clears, 1); // repeats draw nothing new
    EXPECT_EQ(r().LastState, StateDown);
    EXPECT_EQ(clicks(), 0);
    button.keyUp(32, 0);
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(r().LastState, StateUp);
    EXPECT_EQ(host.repaints, 1);
    EXPECT_EQ(host.events.back(), "Click");
}

TEST_F(Input, AnotherKeyBetweenSpaceDownAndUpCancelsTheClick) {
    button.keyDown(32, 0);
    button.keyDown(65, 0);
    button.keyUp(32, 0);
    EXPECT_EQ(clicks(), 0);
    EXPECT_EQ(r().LastState, StateDown);
}

TEST_F(Input, ArrowsMoveTheFocusUnlessTheHandlerSwallowsTheKey) {
    button.keyDown(37, 0);
    button.keyDown(38, 0);
    button.keyDown(39, 0);
    button.keyDown(40, 1);
    EXPECT_EQ(host.keystrokes, (std::vector<QString>{"+{Tab}", "+{Tab}", "{Tab}", "{Tab}"}));
    EXPECT_EQ(host.events[3], "KeyDown 40 1");

    host.keystrokes.clear();
    host.onKeyDown = [](std::int16_t& k, std::int16_t&) { k = 0; };
    button.keyDown(39, 0);
    button.keyDown(32, 0);
    button.keyUp(32, 0);
    EXPECT_TRUE(host.keystrokes.empty());
    EXPECT_EQ(clicks(), 0);
}

TEST_F(Input, CheckBoxTogglesOnEveryClickSourceWithoutNotice) {
    button.setCheckBoxBehaviour(true);
    reset();
    button.mousePress(1, 0, 1, 1);
    button.mouseRelease(1, 0, 1, 1);
    button.click();
    EXPECT_TRUE(r().Value);
    EXPECT_EQ(r().LastState, StateDown); // stays down while checked
    button.keyDown(32, 0);
    button.keyUp(32, 0);
    EXPECT_FALSE(r().Value);
    EXPECT_EQ(r().LastState, StateUp);
    button.accessKey('a');
    EXPECT_TRUE(r().Value);
    EXPECT_EQ(clicks(), 3);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(Input, SpaceOnACheckedBoxDoesNotDrawAgain) {
    button.setCheckBoxBehaviour(true);
    button.setValue(false);
    button.keyDown(32, 0);
    reset();
    button.keyUp(32, 0); // toggles to checked: already drawn down, nothing new to draw
    EXPECT_TRUE(r().Value);
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(clicks(), 1);
}

TEST_F(Input, AccessKeyClicksLikeTheLeftButton) {
    button.mousePress(2, 0, 1, 1);
    button.accessKey('s');
    EXPECT_EQ(r().LastButton, 1);
    EXPECT_EQ(clicks(), 1);
}

TEST_F(Input, HoverRaisesOneMouseOverAndOneMouseOut) {
    host.pointerOver = true;
    button.mouseMove(0, 0, 10, 10);
    EXPECT_TRUE(host.timerRunning);
    EXPECT_TRUE(r().IsOver);
    EXPECT_EQ(host.clears, 1);
    button.mouseMove(0, 0, 11, 10);
    button.overTimerTick();
    EXPECT_EQ(host.timerStarts, 1);
    EXPECT_EQ(host.clears, 1);

    host.pointerOver = false; // left without a move reaching the button
    button.overTimerTick();
    EXPECT_FALSE(host.timerRunning);
    EXPECT_FALSE(r().IsOver);
    EXPECT_EQ(host.clears, 2);
    EXPECT_EQ(host.events,
              (Events{"MouseMove 0 0 10 10", "MouseOver", "MouseMove 0 0 11 10", "MouseOut"}));
}

TEST_F(Input, DraggingOutDrawsUpAndBackInDrawsDownWithoutNewHover) {
    host.pointerOver = true;
    button.mouseMove(0, 0, 5, 5);
    button.mousePress(1, 0, 5, 5);
    button.mouseMove(1, 0, 6, 5);
    EXPECT_FALSE(r().IsOver); // cleared after the one drawing, timer still running
    EXPECT_TRUE(host.timerRunning);
    host.pointerOver = false;
    button.mouseMove(1, 0, 90, 5);
    EXPECT_EQ(r().LastState, StateUp);
    host.pointerOver = true;
    button.mouseMove(1, 0, 6, 5);
    EXPECT_EQ(r().LastState, StateDown);
    EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "MouseOver"), 1);
    EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "MouseOut"), 0);

    // After the press-and-drag the next plain move is a new arrival.
    button.mouseRelease(1, 0, 6, 5);
    button.mouseMove(0, 0, 7, 5);
    EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "MouseOver"), 2);
}

TEST_F(Input, MovesWithOtherButtonsHeldOnlyRaiseTheEvent) {
    host.pointerOver = true;
    button.mouseMove(2, 0, 5, 5);
    button.mouseMove(3, 0, 5, 5);
    EXPECT_FALSE(r().IsOver);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(host.events.size(), 2u);
}

TEST_F(Input, DoubleClickPressesAgainAtTheOriginAndCaptures) {
    button.mousePress(1, 0, 7, 8);
    button.mouseRelease(1, 0, 7, 8);
    button.click();
    button.doubleClick();
    EXPECT_EQ(host.events.back(), "MouseDown 1 0 0 0");
    EXPECT_EQ(r().LastState, StateDown);
    EXPECT_TRUE(host.captured);
    EXPECT_EQ(clicks(), 1);

    host.captured = false;
    button.mousePress(2, 0, 1, 1);
    host.events.clear();
    button.doubleClick();
    EXPECT_TRUE(host.events.empty());
    EXPECT_FALSE(host.captured);
}

TEST_F(Input, FocusAndAmbientChangesRepaintInTheLastState) {
    button.keyDown(32, 0);
    reset();
    button.focusGained();
    EXPECT_TRUE(r().HasFocus);
    EXPECT_EQ(r().LastState, StateDown);
    button.focusLost();
    EXPECT_FALSE(r().HasFocus);
    button.ambientChanged("DisplayAsDefault");
    EXPECT_EQ(host.clears, 3);
    EXPECT_EQ(r().LastState, StateDown);
}

TEST_F(Input, KeyEventsCarryTheirValues) {
    button.keyDown(65, 1);
    button.keyPress(97);
    button.keyUp(65, 1);
    EXPECT_EQ(host.events, (Events{"KeyDown 65 1", "KeyPress 97", "KeyUp 65 1"}));
    EXPECT_EQ(r().LastKey, 65);
}

} // namespace
} // namespace chameleon
