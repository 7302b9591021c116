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
namespace {

std::mutex guard;
std::vector<std::string> record;
int failure = 0;

template <class Function>
Function* real(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

void note(std::string call) {
    const std::lock_guard lock(guard);
    record.push_back(std::move(call));
}

} // namespace

std::vector<std::string> calls() {
    const std::lock_guard lock(guard);
    return record;
}

void reset() {
    const std::lock_guard lock(guard);
    record.clear();
    failure = 0;
}

void failDataSync(int code) {
    const std::lock_guard lock(guard);
    failure = code;
}

} // namespace cutting::test::syncSpy

using namespace cutting::test::syncSpy;

extern "C" int fdatasync(int fd) {
    struct stat st {};
    ::fstat(fd, &st);
    note("fdatasync size " + std::to_string(st.st_size));
    int code = 0;
    {
        const std::lock_guard lock(guard);
        code = failure;
    }
    if (code != 0) {
        errno = code;
        return -1;
    }
    return real<int(int)>("fdatasync")(fd);
}

extern "C" int sync_file_range(int fd, off64_t offset, off64_t length, unsigned int flags) {
    note("sync_file_range " + std::to_string(offset) + "+" + std::to_string(length) +
         (flags & SYNC_FILE_RANGE_WAIT_BEFORE ? " wait" : " write"));
    return real<int(int, off64_t, off64_t, unsigned)>("sync_file_range")(fd, offset, length, flags);
}
