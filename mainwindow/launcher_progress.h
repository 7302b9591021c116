// The cut's progress on the dock or task bar: docks that follow Unity's launcher entries
// (Dash to Dock, Plank, KDE's task manager, ...) draw a bar over the program's icon from the
// com.canonical.Unity.LauncherEntry Update signal on the session bus. Nothing listens on a
// desktop without such a dock, and nothing is sent without a bus.
#pragma once

namespace form1 {

// The desktop entry the dock matches the signal to.
inline constexpr char kLauncherAppUri[] = "application://io.github.quillmar.QuillmarDvd.desktop";

// Shows `fraction` (0..1) of the bar; one signal a call, so call it a few times a second at
// most.
void showLauncherProgress(double fraction);
void hideLauncherProgress();

} // namespace form1
