// The program without a window, for scripts, servers over ssh and batch jobs: `--cut` cuts
// exactly as the window does (same presets, refusals, durable sync, read-back and SHA-256, the
// same fast copy) and `--info` tells what a source's file system needs. It needs no display
// and creates no GUI application. Progress goes to stderr when that is a terminal, one line
// rewritten in place; results go to stdout, as text or as one JSON object.
#pragma once

#include <string>
#include <vector>

namespace terminal {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;      // a refusal, a missing source, a count not a number
inline constexpr int kExitIoError = 4;      // a numbered error of the files
inline constexpr int kExitVerifyFailed = 5; // the read-back found other bytes
inline constexpr int kExitCancelled = 130;  // SIGINT or SIGTERM

// Runs the terminal mode for `arguments` (argv[0] first); returns the exit status.
int runTerminal(const std::vector<std::string>& arguments);

} // namespace terminal
