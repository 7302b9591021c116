// Parsing the terminal mode's options; see terminal_options.h.
#include "terminal/terminal_options.h"

#include "cutting/presets.h"

#include <algorithm>

namespace terminal {

namespace {

constexpr char kCut[] = "--cut";
constexpr char kInfo[] = "--info";

// The option's value: after '=' in the same argument, or the next argument.
std::optional<std::string> valueOf(const std::vector<std::string>& args, std::size_t& i,
                                   const std::string& name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
    if (i + 1 >= args.size()) return std::nullopt;
    return args[++i];
}

bool named(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

} // namespace

bool wantsTerminal(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i)
        if (arguments[i] == kCut || arguments[i] == kInfo) return true;
    return false;
}

Parsed parseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> paths;
    int commands = 0;
    bool preset = false, optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty()) return {std::nullopt, "an argument is empty"};
        if (optionsEnded || arg[0] != '-' || arg == "-") {
            paths.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == kCut || arg == kInfo) {
            options.command = arg == kCut ? Command::Cut : Command::Info;
            ++commands;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--no-verify") {
            options.verify = false;
        } else if (named(arg, "--preset") || named(arg, "--sectors") || named(arg, "--add")) {
            const std::string name = arg.substr(0, arg.find('='));
            const auto value = valueOf(args, i, name);
            if (!value || value->empty()) return {std::nullopt, name + " needs a value"};
            if (name == "--add") {
                options.add = *value;
            } else if (name == "--sectors") {
                options.sectors = *value;
            } else {
                const auto& names = cutting::kPresetNames;
                const auto it = std::find(names.begin(), names.end(), *value);
                if (it == names.end()) return {std::nullopt, "unknown preset '" + *value + "'"};
                options.option = static_cast<int>(it - names.begin()) + 1;
                preset = true;
            }
        } else {
            return {std::nullopt, "unknown option '" + arg + "'"};
        }
    }
    if (commands != 1) return {std::nullopt, "give one of --cut and --info"};
    if (preset && options.sectors) return {std::nullopt, "give --preset or --sectors, not both"};
    const std::size_t wanted = options.command == Command::Cut ? 2 : 1;
    if (paths.size() != wanted)
        return {std::nullopt, options.command == Command::Cut ? "--cut needs SOURCE and OUTPUT"
                                                              : "--info needs SOURCE"};
    options.source = paths[0];
    if (wanted == 2) options.output = paths[1];
    return {options, {}};
}

std::string terminalHelp() {
    std::string presets;
    for (std::size_t i = 0; i < cutting::kPresets.size(); ++i)
        presets += "  " + std::string(cutting::kPresetNames[i]) +
                   std::string(10 - cutting::kPresetNames[i].size(), ' ') +
                   std::to_string(cutting::kPresets[i].sectors) + " sectors\n";
    return "\nWithout a window:\n"
           "  --cut [--preset NAME | --sectors N] [--add N] [--no-verify] SOURCE OUTPUT\n"
           "      Writes the first (preset + added) sectors of SOURCE into OUTPUT, zeros past\n"
           "      its end, syncs, reads the output back and prints its SHA-256.\n"
           "  --info SOURCE\n"
           "      Prints the sector count, the file system's size and, for every preset,\n"
           "      whether a cut keeps the whole file system.\n"
           "  --json  Prints the result as one JSON object.\n"
           "Presets (default dvd-r-1):\n" +
           presets +
           "Exit codes: 0 success, 2 usage, 3 refused input, 4 input/output error,\n"
           "  5 verification failed, 130 cancelled by SIGINT or SIGTERM.\n";
}

} // namespace terminal
