// Interposes fdatasync and sync_file_range for the cutting tests: linked into the test program,
// its definitions take the place of the C library's for the cutting library, so the tests see
// which syncs a cut makes, in order, and can make the data sync fail as a device would.
#pragma once

#include <string>
#include <vector>

namespace cutting::test::syncSpy {

// Each call so far: "fdatasync size N" (the file's length at the call) or
// "sync_file_range OFFSET+LENGTH write|wait".
std::vector<std::string> calls();
// Forgets the calls and any failure.
void reset();
// Makes every call of `function` ("fdatasync" or "sync_file_range") fail with `code` (0: none).
void failSyncs(const std::string& function, int code);

} // namespace cutting::test::syncSpy
