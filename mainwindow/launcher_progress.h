// The cut's progress on the dock or task bar: docks that follow Unity's launcher entries
// (Dash to Dock, Plank, KDE's task manager, ...) draw a bar over the program's icon from the
// com.canonical.Unity.LauncherEntry Update signal on the session bus. Nothing listens on a
// desktop without such a dock, and nothing is sent without a bus.
#pragma once

#include <chrono>
#include <optional>

namespace form1 {

// The desktop entry the dock matches the signal to.
inline constexpr char kLauncherAppUri[] = "application://io.github.quillmar.QuillmarDvd.desktop";
// The least time between two progress signals: a few a second, however often the cut reports.
inline constexpr std::chrono::milliseconds kLauncherInterval{200};

class LauncherProgress {
  public:
    using Clock = std::chrono::steady_clock;

    // Shows `fraction` (0..1) of the bar, unless the last one went less than kLauncherInterval
    // ago.
    void show(double fraction);
    // Hides the bar; the next show() is sent whenever it comes.
    void hide();

  private:
    std::optional<Clock::time_point> shownAt_;
};

} // namespace form1
