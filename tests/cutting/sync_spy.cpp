// The interposed sync calls; see sync_spy.h. The data sync runs on the job's helper thread,
// so the record is guarded.
#include "sync_spy.h"

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace cutting::test::syncSpy {

std::mutex guard;
std::vector<std::string> record;
std::string failing;
int failure = 0;

template <class Function>
Function* real(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

void note(std::string call) {
    const std::lock_guard lock(guard);
    record.push_back(std::move(call));
}

std::vector<std::string> calls() {
    const std::lock_guard lock(guard);
    return record;
}

void reset() {
    const std::lock_guard lock(guard);
    record.clear();
    failing.clear();
    failure = 0;
}

void failSyncs(const std::string& function, int code) {
    const std::lock_guard lock(guard);
    failing = function;
    failure = code;
}

} // namespace cutting::test::syncSpy

using namespace cutting::test::syncSpy;

namespace {

// The injected failure, or the real call's result.
template <class Real>
int failOr(const char* function, Real&& call) {
    int code = 0;
    {
        const std::lock_guard lock(guard);
        if (failing == function) code = failure;
    }
    if (code == 0) return call();
    errno = code;
    return -1;
}

} // namespace

extern "C" int fdatasync(int fd) {
    struct stat st {};
    ::fstat(fd, &st);
    note("fdatasync size " + std::to_string(st.st_size));
    return failOr("fdatasync", [&] { return real<int(int)>("fdatasync")(fd); });
}

extern "C" int sync_file_range(int fd, off64_t offset, off64_t length, unsigned int flags) {
    note("sync_file_range " + std::to_string(offset) + "+" + std::to_string(length) +
         (flags & SYNC_FILE_RANGE_WAIT_BEFORE ? " wait" : " write"));
    return failOr("sync_file_range", [&] {
        return real<int(int, off64_t, off64_t, unsigned)>("sync_file_range")(fd, offset, length,
                                                                             flags);
    });
}
