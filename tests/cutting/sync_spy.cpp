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

std::vector<std::string> calls() {
    const std::lock_guard lock(guard);
    return record;
}

void failSyncs(const std::string& function, int code) {
    const std::lock_guard lock(guard);
    failing = function;
    failure = code;
}

void reset() {
    failSyncs("", 0);
    const std::lock_guard lock(guard);
    record.clear();
}

// Records `call`; -1 with errno set when `function` is to fail, else 0 (make the real call).
int note(std::string call, const std::string& function) {
    const std::lock_guard lock(guard);
    record.push_back(std::move(call));
    if (failure == 0 || failing != function) return 0;
    errno = failure;
    return -1;
}

// The C library's definition of `name`.
template <class Function>
Function* real(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

} // namespace cutting::test::syncSpy

using namespace cutting::test::syncSpy;

extern "C" int fdatasync(int fd) {
    struct stat st {};
    ::fstat(fd, &st);
    if (note("fdatasync size " + std::to_string(st.st_size), "fdatasync") < 0) return -1;
    return real<int(int)>("fdatasync")(fd);
}

extern "C" int sync_file_range(int fd, off64_t offset, off64_t length, unsigned int flags) {
    const char* kind = flags & SYNC_FILE_RANGE_WAIT_BEFORE ? " wait" : " write";
    if (note("sync_file_range " + std::to_string(offset) + "+" + std::to_string(length) + kind,
             "sync_file_range") < 0)
        return -1;
    return real<int(int, off64_t, off64_t, unsigned)>("sync_file_range")(fd, offset, length, flags);
}
