// Interposes the cutting library's data calls for its tests: linked into the test program,
// these definitions take the place of the C library's, so the tests see which syncs a cut
// makes, in order, can make a call fail as a device or a file system would, script the
// kernel's copy (short copies, a 0 before the end) and act at a given call (a cancel at a
// chunk boundary, a byte changed between the sync and the read-back).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cutting::test::syncSpy {

// Each sync so far: "fdatasync size N" (the file's length at the call) or
// "sync_file_range OFFSET+LENGTH write|wait".
std::vector<std::string> calls();
// Forgets the calls, the failures, the script and the hooks.
void reset();
// Makes the calls of `function` ("fdatasync", "sync_file_range", "copy_file_range", "pread",
// "pwrite" or "flock") fail with `code` (0: none): every call, or only the first `times`.
void failCalls(const std::string& function, int code, int times = 0);
// copy_file_range copies at most `maxBytes` a call (0: all asked), and returns 0 from its
// call number `zeroFrom` on (0: never).
void scriptKernelCopy(std::size_t maxBytes, int zeroFrom = 0);
// Runs `hook(n)` at the start of the n-th call of `function` (counted from 1), after that of
// "fdatasync" once the real sync is done.
void onCall(const std::string& function, std::function<void(int)> hook);

} // namespace cutting::test::syncSpy
