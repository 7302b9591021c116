// The program's command line: --help, --version and the optional [SOURCE [OUTPUT]] paths that
// the window starts with. Parsed before any window exists, so that --help and --version answer
// on a machine without a display.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace form1 {

inline constexpr char kProgramName[] = "quillmar-dvd";

// The paths the window starts with; empty when not given.
struct StartPaths {
    QString source;
    QString output;
};

// What the command line asks for: a window with these paths, or an exit with this code after
// the text that the parser printed (help, version or an error).
struct CommandLine {
    std::optional<StartPaths> window;
    int exitCode = 0;
};

// Parses `arguments` (argv[0] first). Prints help, the version or the error itself; needs no
// application object but uses the translators installed, if any.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace form1
