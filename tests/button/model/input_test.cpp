// The button's input rules through the recording host: each notification raises its event and
// acts on what the handler left; clicks come from the left button, the space key's release and
// the access key; hover starts and stops OverTimer. Arrow keys and what a handler leaves outside a
// byte are tested where Qt delivers them, on the widget and the window.
#include "tests/button/model/recording_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

namespace chameleon {
namespace {

using I = std::int16_t;

using Shown = testing::ShownButtonFixture;

// Plays notifications as words, a number ending a word being its Button or KeyCode. Set-up
// words: disable and checkbox (then the counters reset), over and away (the pointer), reset
// (the counters), right (the MouseDown handler turns Button into 2), swallow (the KeyDown
// handler sets KeyCode to 0).
void play(Shown& s, const std::string& words) {
    using Step = std::function<void(Shown&, I)>;
    static const std::map<std::string, Step> steps = {
        {"press", [](Shown& s, I n) { s.button.mousePress(n, 0, 3, 4); }},
        {"release", [](Shown& s, I n) { s.button.mouseRelease(n, 0, 3, 4); }},
        {"move", [](Shown& s, I n) { s.button.mouseMove(n, 0, 3, 4); }},
        {"keydown", [](Shown& s, I n) { s.button.keyDown(n, 0); }},
        {"keyup", [](Shown& s, I n) { s.button.keyUp(n, 0); }},
        {"click", [](Shown& s, I) { s.button.click(); }},
        {"dblclick", [](Shown& s, I) { s.button.doubleClick(); }},
        {"access", [](Shown& s, I) { s.button.accessKey('s'); }},
        {"focus", [](Shown& s, I) { s.button.focusGained(); }},
        {"blur", [](Shown& s, I) { s.button.focusLost(); }},
        {"ambient", [](Shown& s, I) { s.button.ambientChanged("DisplayAsDefault"); }},
        {"tick", [](Shown& s, I) { s.button.overTimerTick(); }},
        {"disable", [](Shown& s, I) { s.button.setEnabled(false), s.reset(); }},
        {"checkbox", [](Shown& s, I) { s.button.setCheckBoxBehaviour(true), s.reset(); }},
        {"over", [](Shown& s, I) { s.host.pointerOver = true; }},
        {"away", [](Shown& s, I) { s.host.pointerOver = false; }},
        {"reset", [](Shown& s, I) { s.reset(); }},
        {"swallow", [](Shown& s, I) { s.host.onKeyDown = [](I& k, I&) { k = 0; }; }},
        {"right",
         [](Shown& s, I) { s.host.onMouseDown = [](I& b, I&, float&, float&) { b = 2; }; }}};
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const auto digits = word.find_first_of("0123456789");
        const auto step = steps.find(word.substr(0, digits));
        ASSERT_NE(step, steps.end()) << word;
        step->second(s, I(digits == std::string::npos ? 0 : std::stoi(word.substr(digits))));
    }
}

// A run of notifications and the Clicks, drawings, state, MouseOvers, MouseOuts and polling left;
// no run changes a stored property, not even a check box's Value toggled by a click.
struct RunCase {
    const char* words;
    int clicks, clears;
    std::uint8_t state;
    int overs = 0, outs = 0;
    bool polling = false;
};

const RunCase Runs[] = {
    {"press1 release1 click", 1, 3, StateUp},
    {"press2 release2 click", 0, 0, StateUp},
    {"press4 release4 click", 0, 2, StateUp},
    {"right press1 release1 click", 0, 0, StateUp},
    {"disable press1 release1 click access", 0, 2, StateUp},
    {"press2 access", 1, 1, StateUp},
    // Holding the space key repeats its key-down.
    {"keydown32 keydown32 keydown32 keyup32", 1, 2, StateUp},
    {"keydown32 keydown65 keyup32", 0, 1, StateDown},
    {"swallow keydown32 keyup32", 0, 0, StateUp},
    // Checked by the space key: already drawn down, so nothing new is drawn.
    {"checkbox keydown32 reset keyup32", 1, 0, StateDown},
    // A check box toggles on every click source, drawn down while checked.
    {"checkbox press1 release1 click", 1, 3, StateDown},
    {"checkbox press1 release1 click keydown32 keyup32", 2, 4, StateUp},
    {"checkbox press1 release1 click keydown32 keyup32 access", 3, 5, StateDown},
    {"press1 release1 click dblclick", 1, 4, StateDown},
    {"press2 dblclick", 0, 0, StateUp},
    {"keydown32 focus blur ambient", 0, 4, StateDown},
    // Hover: arrival on the first plain move, departure on the first tick without the pointer.
    {"over move2 move3", 0, 0, StateUp},
    {"over move0 move0 tick", 0, 1, StateUp, 1, 0, true},
    {"over move0 away tick", 0, 2, StateUp, 1, 1},
    // Dragging out draws up, back in draws down, with no new MouseOver until a plain move.
    {"over move0 press1 move1 away move1", 0, 3, StateUp, 1, 0, true},
    {"over move0 press1 move1 away move1 over move1", 0, 4, StateDown, 1, 0, true},
    {"over move0 press1 move1 release1 move0", 0, 4, StateUp, 2, 0, true}};

TEST(InputTest, ClicksDrawingsAndHoverFollowTheTransitionTable) {
    for (const RunCase& c : Runs) {
        SCOPED_TRACE(c.words);
        Shown s;
        play(s, c.words);
        EXPECT_EQ(s.host.clicks, c.clicks);
        EXPECT_EQ(s.host.clears, c.clears);
        EXPECT_EQ(s.r().LastState, c.state);
        EXPECT_EQ(std::pair(s.host.overs, s.host.outs), std::pair(c.overs, c.outs));
        EXPECT_EQ(s.host.timerRunning, c.polling);
        EXPECT_EQ(s.host.repaints, c.clicks); // each Click is shown at once, before it is raised
        EXPECT_TRUE(s.host.notices.empty());
    }
}

} // namespace
} // namespace chameleon
