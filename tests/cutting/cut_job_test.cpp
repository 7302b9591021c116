// The cutting job end to end on small files: exact output bytes and length, zero padding, the
// last block, the order of progress, pumps and messages, and the ways a run must not claim
// success (failed reads and writes), leave old bytes, start twice or ignore a cancel.
#include "cutting/cut_job.h"

#include "cutting/random.h"
#include "test_files.h"

#include <functional>
#include <gtest/gtest.h>

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
    }
    void processPendingMessages() override {
        log.push_back("pump");
        if (onPump) onPump(++pumps);
    }
    void note(std::string what, double v) { log.push_back(what + " " + std::to_string(int(v))); }

    Log log;
    std::function<void(int)> onPump;
    int pumps = 0;
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
    void expectBothClosed() const { EXPECT_FALSE(SourceFile.IsOpen() || OutputFile.IsOpen()); }

    TempDir dir;
    std::string src = dir.file("src.iso"), out = dir.file("out.iso");
    Random SourceFile, OutputFile;
    CutJob job{SourceFile, OutputFile};
    FakeWindow window;
};

TEST_F(CutJobTest, WritesExactlyTotalBytesInBlocksWithProgressAfterEach) {
    // Source bytes, sectors to cut, progress after each block (up to TotalBytes). Most cuts
    // write over the longer output of the one before, whose bytes past TotalBytes must go.
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
    // The system's part of each text is checked with the file object itself.
    const std::string cases[][3] = {
        {src, src, "45602 Win32File Object: Error opening '" + src + "'."}, // held for reading
        {src, out, "45606 Win32File Object: Error writing '" + out + "'."}, // the limit below
        {"/proc/self/mem", out, "45605 Win32File Object: Error reading '/proc/self/mem'."},
    };
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
    window.onPump = [&](int pump) {
        EXPECT_TRUE(job.isRunning());
        if (pump == 1) nested.push_back(run(cutOf(1)));
        if (pump == 2) job.requestCancel();
    };
    EXPECT_EQ(run(cutOf(8)), CutResult::Cancelled);
    EXPECT_EQ(nested, std::vector<CutResult>{CutResult::AlreadyRunning});
    EXPECT_EQ(window.pumps, 2);
    EXPECT_EQ(readFile(out), pattern(8192));
    EXPECT_EQ(window.log.back(), "pump"); // nothing is reported after a cancel
    expectBothClosed();
    EXPECT_FALSE(job.isRunning());

    window.onPump = nullptr; // the cancel does not outlive its run
    job.requestCancel();
    EXPECT_EQ(run(cutOf(8)), CutResult::Completed);
    EXPECT_EQ(readFile(out), pattern(16384));
}

} // namespace
} // namespace cutting
