// The window's command line: --help, --help-all, --version and the optional [SOURCE [OUTPUT]]
// paths that the window starts with. It is read twice. First, before any GUI application
// exists, for help and the version, so that they answer on a machine without a display; then,
// once the GUI application has taken Qt's own options (-style, -platform, -reverse, ...) out of
// argv, for the paths. The arguments are bytes, as the system gives them, so that a file name
// that is not valid UTF-8 still names its file.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

namespace form1 {

inline constexpr char kProgramName[] = "quillmar-dvd";
inline constexpr int kUsageExit = 2; // the command line asks for something the program lacks

// The paths the window starts with, absolute, as the bytes that name the files; empty when not
// given.
struct StartPaths {
    QByteArray source;
    QByteArray output;
};

// What the command line asks for: a window with these paths, or an exit with this code after
// the text that the parser printed (help, version or an error).
struct CommandLine {
    std::optional<StartPaths> window;
    int exitCode = 0;
};

// What can be answered before the GUI application exists; HelpAll needs one (only it knows
// Qt's options) but no display.
enum class EarlyRequest { None, Help, HelpAll, Version };

// Finds --help, --help-all or --version before any "--" in `arguments` (argv[0] first), and
// prints the help or the version text for the first two; needs no application object but uses
// the translators installed, if any. Anything else, Qt's options included, is left for later.
EarlyRequest answerEarlyRequest(const QByteArrayList& arguments);

// Prints the help with Qt's options through the running GUI application, and ends the program
// with status 0 as QCommandLineParser does.
[[noreturn]] void showHelpAll();

// Parses `arguments` (argv[0] first) once Qt has taken its own options out. Prints the error
// itself, and asks for kUsageExit on an unknown option, an empty argument or a third path.
CommandLine parseCommandLine(const QByteArrayList& arguments);

} // namespace form1
