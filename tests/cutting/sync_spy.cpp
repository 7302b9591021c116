// The interposed calls; see sync_spy.h. The cut's calls come from its worker threads, so the
// record is guarded; hooks run outside the lock.
#include "sync_spy.h"

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace cutting::test::syncSpy {

std::mutex guard;
std::vector<std::string> record;
struct Failure {
    int code = 0, times = 0;
};
std::map<std::string, Failure> failures;
std::map<std::string, int> counts;
std::map<std::string, std::function<void(int)>> hooks;
std::size_t copyLimit = 0;
int copyZeroFrom = 0;

std::vector<std::string> calls() {
    const std::lock_guard lock(guard);
    return record;
}

void failCalls(const std::string& function, int code, int times) {
    const std::lock_guard lock(guard);
    failures[function] = {code, times};
}

void scriptKernelCopy(std::size_t maxBytes, int zeroFrom) {
    const std::lock_guard lock(guard);
    copyLimit = maxBytes;
    copyZeroFrom = zeroFrom;
}

void onCall(const std::string& function, std::function<void(int)> hook) {
    const std::lock_guard lock(guard);
    hooks[function] = std::move(hook);
}

void reset() {
    const std::lock_guard lock(guard);
    record.clear();
    failures.clear();
    counts.clear();
    hooks.clear();
    copyLimit = 0;
    copyZeroFrom = 0;
}

// The hook of `function`, if any.
std::function<void(int)> hookOf(const std::string& function) {
    const std::lock_guard lock(guard);
    const auto it = hooks.find(function);
    return it == hooks.end() ? nullptr : it->second;
}

// Counts the call of `function`, records `call` unless empty and runs its hook unless `late`;
// returns the call's number, or -1 with errno set when the function is to fail.
int note(const std::string& function, std::string call = {}, bool late = false) {
    int n = 0, code = 0;
    {
        const std::lock_guard lock(guard);
        n = ++counts[function];
        if (!call.empty()) record.push_back(std::move(call));
        const Failure& failure = failures[function];
        if (failure.times == 0 || n <= failure.times) code = failure.code;
    }
    if (const auto hook = hookOf(function); hook && !late) hook(n);
    if (code == 0) return n;
    errno = code;
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
    const int n = note("fdatasync", "fdatasync size " + std::to_string(st.st_size), true);
    if (n < 0) return -1;
    const int result = real<int(int)>("fdatasync")(fd);
    if (const auto hook = hookOf("fdatasync")) hook(n);
    return result;
}

extern "C" int sync_file_range(int fd, off64_t offset, off64_t length, unsigned int flags) {
    const char* kind = flags & SYNC_FILE_RANGE_WAIT_BEFORE ? " wait" : " write";
    if (note("sync_file_range",
             "sync_file_range " + std::to_string(offset) + "+" + std::to_string(length) + kind) < 0)
        return -1;
    return real<int(int, off64_t, off64_t, unsigned)>("sync_file_range")(fd, offset, length, flags);
}

extern "C" ssize_t copy_file_range(int in, off64_t* inOffset, int out, off64_t* outOffset,
                                   size_t length, unsigned int flags) {
    const int n = note("copy_file_range");
    if (n < 0) return -1;
    if (copyZeroFrom > 0 && n >= copyZeroFrom) return 0;
    if (copyLimit > 0 && length > copyLimit) length = copyLimit;
    return real<ssize_t(int, off64_t*, int, off64_t*, size_t, unsigned)>("copy_file_range")(
        in, inOffset, out, outOffset, length, flags);
}

extern "C" int flock(int fd, int operation) {
    if (note("flock") < 0) return -1;
    return real<int(int, int)>("flock")(fd, operation);
}

extern "C" ssize_t pread(int fd, void* buffer, size_t count, off_t offset) {
    if (note("pread") < 0) return -1;
    return real<ssize_t(int, void*, size_t, off_t)>("pread")(fd, buffer, count, offset);
}

extern "C" ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    if (note("pwrite") < 0) return -1;
    return real<ssize_t(int, const void*, size_t, off_t)>("pwrite")(fd, buffer, count, offset);
}
