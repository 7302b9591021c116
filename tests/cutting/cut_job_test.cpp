// The cutting job on small files: exact output bytes, progress, pumps and messages, the syncs
// that make success durable, and the ways a run must not claim success, leave old bytes, start
// twice, ignore a cancel or undo a complete cut.
#include "cutting/cut_job.h"

#include "cutting/random.h"
#include "sync_spy.h"
#include "test_files.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace cutting {
namespace {

using namespace test;
using Log = std::vector<std::string>;

constexpr int kPresetSectors = 2297888; // Option1

// Records what the window would see, in order; the pump can act like the user meanwhile.
struct FakeWindow : ProgressSink, MessageSink, Pump {
    void setMin(double v) override { note("min", v); }
    void setMax(double v) override { note("max", v); }
    void setValue(double v) override { note("value", v); }
    void show(const std::string& text, const std::string& title) override {
        log.push_back(title + ": " + text);
        syncsAtMessage = syncSpy::calls().size();
    }
    void processPendingMessages() override {
        // The pumps while the output syncs, however many, show as the last block's one.
        if (log.empty() || log.back() != "pump") log.push_back("pump");
        if (onPump) onPump(++pumps);
    }
    void note(std::string what, double v) { log.push_back(what + " " + std::to_string(int(v))); }

    Log log;
    std::function<void(int)> onPump;
    int pumps = 0;
    std::size_t syncsAtMessage = 0;
};

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

    TempDir dir;
    std::string src = dir.file("src.iso"), out = dir.file("out.iso");
    Random SourceFile, OutputFile;
    CutJob job{SourceFile, OutputFile};
    FakeWindow window;
};

TEST_F(CutJobTest, WritesExactlyTotalBytesInBlocksWithProgressAfterEach) {
    // Source bytes, sectors, progress per block; each cut overwrites the longer output before it.
    const std::tuple<std::size_t, double, std::vector<int>> cases[] = {
        {10000, 4, {4096, 8192}},       // only the source's first TotalBytes
        {5000, 3, {4096, 6144}},        // zero padding, a last block of 2048
        {5000, 6, {4096, 8192, 12288}}, // a last block of 4096 zeros
        {3000, 2, {4096}},
        {5000, 0.25, {512}}, // a quarter sector is 512 whole bytes
    };
    for (const auto& [sourceBytes, sectors, progress] : cases) {
        SCOPED_TRACE(sectors);
        writeFile(src, pattern(sourceBytes));
        window.log.clear();
        EXPECT_EQ(run(cutOf(sectors)), CutResult::Completed);

        const int total = progress.back();
        Bytes bytes = pattern(sourceBytes);
        bytes.resize(std::size_t(total), 0);
        EXPECT_EQ(readFile(out), bytes);
        Log expected = {"min 0", "max " + std::to_string(total), "value 0"};
        for (int value : progress)
            expected.insert(expected.end(), {"value " + std::to_string(value), "pump"});
        expected.push_back("Info: Process Successfully!!!");
        EXPECT_EQ(window.log, expected);
        expectBothClosed();
    }
}

TEST_F(CutJobTest, RefusalsOpenNothingAndShowInfo) {
    writeFile(src, pattern(100));
    EXPECT_EQ(run(cutOf(1, src, "")), CutResult::Refused);
    EXPECT_EQ(run(cutOf(0)), CutResult::Refused);
    EXPECT_EQ(window.log, (Log{"info: Please select ISO Output",
                               "info: Incorrect LBA to add.The size of the ISO output would be 0 "
                               "bytes or less."}));
    EXPECT_FALSE(std::filesystem::exists(out));
    expectBothClosed();
}

TEST_F(CutJobTest, ErrorsCloseWhatTheRunOpenedAndNeverClaimSuccess) {
    writeFile(src, pattern(9000));
    const std::string fifo = dir.file("fifo.iso");
    ::mkfifo(fifo.c_str(), 0600);
    // The system's part of each text is checked with the file object itself.
    const std::string cases[][3] = {
        {fifo, out, "53 Quillmar Dvd Control Test: File not found: '" + fifo + "'."},
        {src, fifo, "45602 Win32File Object: Error opening '" + fifo + "'."}, // never blocks
        {src, src, "45602 Win32File Object: Error opening '" + src + "'."},   // held for reading
        {src, out, "45606 Win32File Object: Error writing '" + out + "'."},   // the limit below
        {"/proc/self/mem", out, "45605 Win32File Object: Error reading '/proc/self/mem'."}};
    for (const auto& [from, to, head] : cases) {
        SCOPED_TRACE(from + " -> " + to);
        const FileSizeLimit limit(5000);
        EXPECT_EQ(raised([&] { run(cutOf(4, from, to)); }).substr(0, head.size()), head);
        expectBothClosed();
    }
    // Whatever the window's own handlers raise during a pump leaves the files closed too.
    window.onPump = [](int) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(run(cutOf(4)), std::runtime_error);
    expectBothClosed();
    for (const std::string& line : window.log) EXPECT_EQ(line.find("Successfully"), line.npos);
    EXPECT_FALSE(job.isRunning());
}

TEST_F(CutJobTest, ASecondStartIsRefusedAndACancelStopsAfterTheBlock) {
    writeFile(src, pattern(40000));
    std::vector<CutResult> nested;
    const struct {
        int cancelAtPump;
        CancelNotice notice;
        CutResult result;
        int written;
        const char* last; // the window's last log line
    } cases[] = {
        {2, CancelNotice::Silent, CutResult::Cancelled, 8192, "pump"},
        {2, CancelNotice::Report, CutResult::Cancelled, 8192,
         "info: Cutting cancelled: 8192 of 16384 bytes written."},
        {4, CancelNotice::Report, CutResult::Completed, 16384, "Info: Process Successfully!!!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        writeFile(out, Bytes(40000, 9)); // older and longer: no tail of it may stay
        window.pumps = 0;
        window.onPump = [&](int pump) {
            EXPECT_TRUE(job.isRunning());
            if (pump == 1) nested.push_back(run(cutOf(1)));
            if (pump == c.cancelAtPump) job.requestCancel(c.notice);
        };
        EXPECT_EQ(run(cutOf(8)), c.result);
        EXPECT_EQ(readFile(out), pattern(std::size_t(c.written)));
        EXPECT_EQ(window.log.back(), c.last);
        expectBothClosed();
        EXPECT_FALSE(job.isRunning());
    }
    EXPECT_EQ(nested, std::vector<CutResult>(std::size(cases), CutResult::AlreadyRunning));

    window.onPump = nullptr; // the cancel does not outlive its run
    job.requestCancel();
    EXPECT_EQ(run(cutOf(8)), CutResult::Completed);
    EXPECT_EQ(readFile(out), pattern(16384));
}

TEST_F(CutJobTest, TheOutputIsOnItsDeviceBeforeSuccessAndASyncFailureIsRaised) {
    writeFile(src, pattern(200000));
    job.setWriteBack(65536, 1);
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
        syncSpy::failSyncs(failing, EIO);
        job.setWriteBack(writeBack);
        window.log.clear();
        EXPECT_EQ(raised([&] { run(cutOf(80)); }), "45607 Win32File Object: Error flushing '" +
                                                       out + "'." + CRLF + "Error 5" + CRLF +
                                                       "Input/output error");
        EXPECT_EQ(window.log.back().find("Successfully"), std::string::npos);
        expectBothClosed();
    }
}

} // namespace
} // namespace cutting
