// The cutting job on small files: exact output bytes over every way the kernel's copy can
// answer, the syncs that make success durable, the read-back that proves it, and the ways a
// run must not claim success, leave old bytes, start twice, ignore a cancel or undo a complete
// cut.
#include "cutting/cut_job.h"

#include "cutting/random.h"
#include "sync_spy.h"
#include "test_files.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace cutting {
namespace {

using namespace test;
using Log = std::vector<std::string>;

constexpr int kPresetSectors = 2297888; // Option1

// Records what the window would see, in order; each tick of its loop can act like the user.
struct FakeWindow : ProgressSink, MessageSink, Pump {
    void setMin(double v) override { log.push_back("min " + std::to_string(int(v))); }
    void setMax(double v) override { log.push_back("max " + std::to_string(int(v))); }
    void setValue(double v) override { lastValue = v; }
    void setPhase(CutPhase phase) override {
        log.push_back(phase == CutPhase::Verifying ? "verifying" : "copying");
    }
    void show(const std::string& text, const std::string& title, const std::string& more) override {
        log.push_back(title + ": " + text);
        details = more;
        syncsAtMessage = syncSpy::calls().size();
    }
    void waitFor(const std::function<bool()>& finished,
                 const std::function<void()>& tick) override {
        // At least one tick comes while the job runs, however fast its worker is.
        do {
            tick();
            if (onTick) onTick();
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        } while (!finished());
        tick();
    }

    Log log;
    std::string details;
    double lastValue = -1;
    std::function<void()> onTick;
    std::size_t syncsAtMessage = 0;
};

// What `command` prints on its first line, e.g. a sha256sum.
std::string firstLineOf(const std::string& command) {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::array<char, 256> line{};
    return pipe && std::fgets(line.data(), line.size(), pipe.get()) ? line.data() : "";
}

// Runs a shell command at the end of a scope: undoes a mount or a loop device however the
// test ends.
std::shared_ptr<void> undo(const std::string& command) {
    return {nullptr, [command](void*) { EXPECT_EQ(std::system(command.c_str()), 0) << command; }};
}

std::int64_t usedBytes(const std::string& path) {
    ::sync();
    struct statvfs st {};
    ::statvfs(path.c_str(), &st);
    return std::int64_t(st.f_blocks - st.f_bfree) * std::int64_t(st.f_frsize);
}

class CutJobTest : public ::testing::Test {
  protected:
    // A cut of `sectors` sectors (Option1's preset changed by Text3) from `from` into `to`.
    CutInputs cutOf(double sectors, const std::string& from, const std::string& to) const {
        const std::string preset = std::to_string(kPresetSectors);
        return {from, to, preset, std::to_string(sectors - kPresetSectors), preset};
    }
    CutInputs cutOf(double sectors) const { return cutOf(sectors, src, out); }
    CutResult run(const CutInputs& in) { return job.run(in, window, window, window); }
    void SetUp() override { syncSpy::reset(); }
    void TearDown() override { syncSpy::reset(); }
    void expectBothClosed() const { EXPECT_FALSE(SourceFile.IsOpen() || OutputFile.IsOpen()); }
    // Changes the output's byte at `at` to `value`, as a faulty device would.
    void corruptOutput(std::streamoff at, char value) const {
        std::fstream(out, std::ios::in | std::ios::out | std::ios::binary).seekp(at).put(value);
    }

    TempDir dir;
    std::string src = dir.file("src.iso"), out = dir.file("out.iso");
    Random SourceFile, OutputFile;
    CutJob job{SourceFile, OutputFile};
    FakeWindow window;
};

TEST_F(CutJobTest, WritesExactlyTotalBytesHowEverTheKernelCopyAnswers) {
    // Source bytes and sectors: only the source's first TotalBytes, or zero padding after it.
    const std::pair<std::size_t, double> sizes[] = {
        {10000, 4}, {5000, 3}, {3000, 6}, {5000, 0.25}}; // a quarter sector: 512 bytes
    // How the kernel copy answers: as it does, a short count each call, 0 before the end, an
    // error that says it cannot copy between these files (or could be either file's), or a
    // signal that interrupts the first call of the kernel copy or of the read/write copy.
    const struct {
        const char* name;
        std::size_t maxBytes;
        int zeroFrom;
        int error;
        const char* interrupted = "";
    } answers[] = {{"as is", 0, 0, 0},         {"short", 1000, 0, 0},    {"0 midway", 1000, 2, 0},
                   {"EXDEV", 0, 0, EXDEV},     {"EINVAL", 0, 0, EINVAL}, {"ENOSYS", 0, 0, ENOSYS},
                   {"ENOTSUP", 0, 0, ENOTSUP}, {"EPERM", 0, 0, EPERM},   {"ETXTBSY", 0, 0, ETXTBSY},
                   {"EBADF", 0, 0, EBADF},     {"EIO", 0, 0, EIO},
                   {"EINTR", 0, 0, 0, "copy_file_range"},
                   {"EINTR read", 0, 0, EXDEV, "pread"},
                   {"EINTR write", 0, 0, EXDEV, "pwrite"}};
    job.setChunkBytes(4096);
    for (const auto& answer : answers) {
        for (const auto& [sourceBytes, sectors] : sizes) {
            SCOPED_TRACE(std::string(answer.name) + " " + std::to_string(sectors));
            syncSpy::reset();
            syncSpy::scriptKernelCopy(answer.maxBytes, answer.zeroFrom);
            syncSpy::failCalls("copy_file_range", answer.error);
            if (*answer.interrupted) syncSpy::failCalls(answer.interrupted, EINTR, 1);
            writeFile(src, pattern(sourceBytes));
            writeFile(out, Bytes(20000, 9)); // older and longer: none of it may stay
            window.log.clear();
            EXPECT_EQ(run(cutOf(sectors)), CutResult::Completed);

            const auto total = std::size_t(sectors * 2048);
            Bytes bytes = pattern(sourceBytes);
            bytes.resize(total, 0);
            EXPECT_EQ(readFile(out), bytes);
            EXPECT_EQ(window.log, (Log{"min 0", "max " + std::to_string(total), "verifying",
                                       "Info: Process Successfully!!!"}));
            EXPECT_EQ(window.lastValue, double(total));
            expectBothClosed();
        }
    }
}

// A source whose reported size is not its length (procfs says 0) is copied to its real end.
TEST_F(CutJobTest, CopiesASourceToItsRealEndWhateverItsSizeSays) {
    const Bytes version = readFile("/proc/version");
    ASSERT_FALSE(version.empty());
    EXPECT_EQ(run(cutOf(1, "/proc/version", out)), CutResult::Completed);
    Bytes expected = version;
    expected.resize(2048, 0);
    EXPECT_EQ(readFile(out), expected);
}

TEST_F(CutJobTest, ErrorsCloseWhatTheRunOpenedAndNeverClaimSuccess) {
    writeFile(src, pattern(9000));
    const std::string fifo = dir.file("fifo.iso");
    ::mkfifo(fifo.c_str(), 0600);
    // The system's part of each text is checked with the file object itself. A kernel copy
    // that fails with EIO is done again by read and write, which name the file that failed.
    const std::string reading = "45605 Win32File Object: Error reading '" + src + "'.";
    const std::string writing = "45606 Win32File Object: Error writing '" + out + "'.";
    const struct {
        std::string from, to, failing, head;
    } cases[] = {
        {fifo, out, "", "53 Quillmar Dvd Control Test: File not found: '" + fifo + "'."},
        {src, fifo, "", "45602 Win32File Object: Error opening '" + fifo + "'."}, // never blocks
        {src, src, "", "45602 Win32File Object: Error opening '" + src + "'."},   // held to read
        {src, out, "", writing},                                                  // the limit
        {"/proc/self/mem", out, "", "45605 Win32File Object: Error reading '/proc/self/mem'."},
        {src, "/dev/full", "", "45606 Win32File Object: Error writing '/dev/full'."},
        {src, out, "pread", reading},
        {src, out, "pwrite", writing}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from + " -> " + c.to + " " + c.failing);
        syncSpy::reset();
        if (!c.failing.empty()) {
            syncSpy::failCalls("copy_file_range", EIO);
            syncSpy::failCalls(c.failing, EIO);
        }
        const std::optional<FileSizeLimit> limit =
            c.failing.empty() ? std::optional<FileSizeLimit>(5000) : std::nullopt;
        EXPECT_EQ(raised([&] { run(cutOf(4, c.from, c.to)); }).substr(0, c.head.size()), c.head);
        expectBothClosed();
    }
    // Whatever the window's own handlers raise meanwhile stops the worker, then closes both.
    syncSpy::reset();
    window.onTick = [] { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(run(cutOf(4)), std::runtime_error);
    expectBothClosed();
    for (const std::string& line : window.log) EXPECT_EQ(line.find("Successfully"), line.npos);
    EXPECT_FALSE(job.isRunning());
}

TEST_F(CutJobTest, ASecondStartIsRefusedAndACancelStopsAfterTheChunk) {
    writeFile(src, pattern(40000));
    job.setChunkBytes(4096);
    job.setVerify(false);
    CutResult nested = CutResult::Completed;
    window.onTick = [&] { nested = run(cutOf(1)); };
    // The cancel comes during the second chunk's kernel copy (one call a chunk), or during
    // the sync.
    const struct {
        const char* call;
        int at;
        CancelNotice notice;
        CutResult result;
        int written;
        const char* last; // the window's last log line
    } cases[] = {
        {"copy_file_range", 2, CancelNotice::Silent, CutResult::Cancelled, 8192, "max 16384"},
        {"copy_file_range", 2, CancelNotice::Report, CutResult::Cancelled, 8192,
         "info: Cutting cancelled: 8192 of 16384 bytes written."},
        {"fdatasync", 1, CancelNotice::Report, CutResult::Completed, 16384,
         "Info: Process Successfully!!!"},
        {"fdatasync", 1, CancelNotice::Silent, CutResult::Completed, 16384, "max 16384"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.call) + " " + std::to_string(c.written));
        syncSpy::reset();
        writeFile(out, Bytes(40000, 9)); // older and longer: no tail of it may stay
        window.log.clear();
        syncSpy::onCall(c.call, [&](int n) {
            if (n == c.at) job.requestCancel(c.notice);
        });
        EXPECT_EQ(run(cutOf(8)), c.result);
        EXPECT_EQ(readFile(out), pattern(std::size_t(c.written)));
        EXPECT_EQ(window.log.back(), c.last);
        expectBothClosed();
        EXPECT_FALSE(job.isRunning());
        EXPECT_EQ(nested, CutResult::AlreadyRunning);
    }

    syncSpy::reset(); // the cancel does not outlive its run
    job.requestCancel();
    EXPECT_EQ(run(cutOf(8)), CutResult::Completed);
    EXPECT_EQ(readFile(out), pattern(16384));
}

TEST_F(CutJobTest, TheOutputIsOnItsDeviceBeforeSuccessAndASyncFailureIsRaised) {
    writeFile(src, pattern(200000));
    job.setWriteBack(65536, 1);
    job.setVerify(false);
    // Each 64 KiB range is started as written and the one before awaited, then one data sync of
    // the cut output; a device has nothing to sync and still completes.
    std::vector<std::string> expected = {"sync_file_range 0+65536 write",
                                         "sync_file_range 65536+65536 write",
                                         "sync_file_range 0+65536 wait", "fdatasync size 163840"};
    for (const std::string& to : {out, std::string("/dev/null")}) {
        SCOPED_TRACE(to);
        syncSpy::reset();
        writeFile(out, Bytes(300000, 9));
        EXPECT_EQ(run(cutOf(80, src, to)), CutResult::Completed);
        EXPECT_EQ(syncSpy::calls(), expected);
        EXPECT_EQ(window.log.back(), "Info: Process Successfully!!!");
        EXPECT_EQ(window.syncsAtMessage, expected.size());
        expected = {expected[0], "fdatasync size 0"}; // a device needs no more write-back
    }

    // The device reports a write error, to the write-back or to the final sync.
    for (const auto& [writeBack, failing] :
         {std::pair(65536, "sync_file_range"), std::pair(0, "fdatasync")}) {
        SCOPED_TRACE(failing);
        syncSpy::reset();
        syncSpy::failCalls(failing, EIO);
        job.setWriteBack(writeBack);
        window.log.clear();
        EXPECT_EQ(raised([&] { run(cutOf(80)); }), "45607 Win32File Object: Error flushing '" +
                                                       out + "'." + CRLF + "Error 5" + CRLF +
                                                       "Input/output error");
        EXPECT_EQ(window.log.back().find("Successfully"), std::string::npos);
        expectBothClosed();
    }
}

// The read-back proves the output: its SHA-256 is sha256sum's, a byte changed on the device
// after the sync (in the copied part or in the zero tail) fails the cut, and so does an output
// removed before it completed; Escape during the read-back skips only the proof.
TEST_F(CutJobTest, TheReadBackProvesTheOutputOrFailsTheCut) {
    writeFile(src, pattern(10 << 20));
    EXPECT_EQ(run(cutOf(6000)), CutResult::Completed); // 12,288,000 bytes: two steps
    const std::string sum = firstLineOf("sha256sum " + out).substr(0, 64);
    EXPECT_EQ(window.details, "Verified: the output reads back as the source.\nSHA-256: " + sum);

    const std::pair<std::function<void()>, std::string> faults[] = {
        {[&] { corruptOutput(5000000, 'x'); },
         "45610 Quillmar Dvd Control Test: Verification failed: the output differs from the "
         "source at byte 5000000."},
        {[&] { corruptOutput(11000000, 1); },
         "45610 Quillmar Dvd Control Test: Verification failed: the output differs from the "
         "source at byte 11000000."},
        {[&] { std::filesystem::resize_file(out, 7000000); },
         "45610 Quillmar Dvd Control Test: Verification failed: the output differs from the "
         "source at byte 7000000."},
        {[&] { std::filesystem::remove(out); },
         "45611 Quillmar Dvd Control Test: The output was removed while it was being written."}};
    for (const auto& [fault, error] : faults) {
        SCOPED_TRACE(error);
        syncSpy::reset();
        syncSpy::onCall("fdatasync", [&](int) { fault(); });
        window.log.clear();
        EXPECT_EQ(raised([&] { run(cutOf(6000)); }), error);
        EXPECT_TRUE(window.log.empty() || window.log.back().find("Success") == std::string::npos);
        expectBothClosed();
    }

    syncSpy::reset();
    bool verifying = false;
    window.onTick = [&] {
        if (!verifying && window.log.back() == "verifying") {
            verifying = true;
            job.requestCancel(CancelNotice::Report);
        }
    };
    syncSpy::onCall("pread", [&](int) { // slow enough for the window to see the read-back
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    EXPECT_EQ(run(cutOf(6000)), CutResult::Completed);
    EXPECT_EQ(window.log.back(), "Info: Process Successfully!!!");
    EXPECT_EQ(window.details, "Not verified.");
}

// As root: a loop device takes the zero tail as written zeros over its older bytes and is read
// back; on XFS with reflink the cut shares the source's blocks instead of writing them.
TEST_F(CutJobTest, ADeviceGetsWrittenZerosAndCopyOnWriteSharesTheBlocks) {
    if (::geteuid() != 0) GTEST_SKIP() << "loop devices and mounts need root";
    const std::string disk = dir.file("disk.img");
    writeFile(disk, Bytes(65536, 7));
    std::string device = firstLineOf("losetup --find --show " + disk + " 2>/dev/null");
    if (device.empty()) GTEST_SKIP() << "no loop device could be set up";
    device.pop_back(); // the line's end
    {
        const auto detach = undo("losetup -d " + device);
        writeFile(src, pattern(10000));
        EXPECT_EQ(run(cutOf(16, src, device)), CutResult::Completed);
        EXPECT_EQ(window.details.substr(0, 9), "Verified:");
    }
    Bytes expected = pattern(10000);
    expected.resize(32768, 0);
    expected.resize(65536, 7);
    EXPECT_EQ(readFile(disk), expected);

    const std::string image = dir.file("xfs.img"), mount = dir.file("xfs");
    ASSERT_EQ(std::system(("truncate -s 512M " + image + " && mkfs.xfs -q -m reflink=1 " + image +
                           " && mkdir " + mount + " && mount -o loop " + image + " " + mount)
                              .c_str()),
              0);
    const auto unmount = undo("umount " + mount);
    src = mount + "/src.iso", out = mount + "/out.iso";
    writeFile(src, pattern(8 << 20));
    const std::int64_t before = usedBytes(mount);
    EXPECT_EQ(run(cutOf(4096)), CutResult::Completed);
    EXPECT_LT(usedBytes(mount) - before, 1 << 20);
    EXPECT_EQ(readFile(out), pattern(8 << 20));
}

} // namespace
} // namespace cutting
