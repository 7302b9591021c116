// The terminal mode's command line: `--cut [--preset NAME | --sectors N] [--add N]
// [--no-verify] SOURCE OUTPUT`, `--info SOURCE`, and `--json` with either. Arguments are
// bytes, as the system gives them, so that a file name that is not valid UTF-8 still names
// its file; an empty argument is a usage error.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace terminal {

enum class Command { Cut, Info };

struct Options {
    Command command = Command::Cut;
    std::string source;
    std::string output;
    int option = 1;                     // the preset's option, 1..5
    std::optional<std::string> sectors; // a sector count of the user's instead of a preset's
    std::string add = "0";              // sectors to add, as typed
    bool verify = true;
    bool json = false;
};

// Whether `arguments` (argv[0] first) ask for the terminal mode: --cut or --info before "--".
bool wantsTerminal(const std::vector<std::string>& arguments);

// The options, or the reason they are unusable (a text for stderr) when they are not.
struct Parsed {
    std::optional<Options> options;
    std::string error;
};
Parsed parseOptions(const std::vector<std::string>& arguments);

// The terminal mode's part of --help: its synopsis, options, preset names and exit codes.
std::string terminalHelp();

} // namespace terminal
