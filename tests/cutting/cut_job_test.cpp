// The cutting job end to end on small files: exact output bytes and length, zero padding, the
// last block, the order of progress, pumps and messages, and the ways a run must not claim
// success (failed reads and writes), leave old bytes, start twice or ignore a cancel.
#include "cutting/cut_job.h"

#include "cutting/random.h"
#include "test_files.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace cutting {
namespace {

using test::Bytes;
using test::errorOf;

constexpr int kPresetSectors = 2297888; // Option1

// Records what the window would see, in order; the pump can act like the user meanwhile.
class FakeWindow : public ProgressSink, public MessageSink, public Pump {
  public:
    void setMin(double v) override { log.push_back("min " + std::to_string(std::int64_t(v))); }
    void setMax(double v) override { log.push_back("max " + std::to_string(std::int64_t(v))); }
    void setValue(double v) override { log.push_back("value " + std::to_string(std::int64_t(v))); }
    void show(const std::string& text, const std::string& title) override {
        log.push_back(title + ": " + text);
    }
    void processPendingMessages() override {
        log.push_back("pump");
        if (onPump) onPump(++pumps);
    }

    std::vector<std::string> log;
    std::function<void(int)> onPump;
    int pumps = 0;
};

class CutJobTest : public ::testing::Test {
  protected:
    // Inputs for a cut of `sectors` sectors (Option1's preset shortened by Text3).
    CutInputs cutOf(double sectors) const {
        CutInputs in;
        in.txtSrc = src;
        in.TxtDest = out;
        in.Text1 = in.Label2 = std::to_string(kPresetSectors);
        std::ostringstream added;
        added.precision(17);
        added << sectors - kPresetSectors;
        in.Text3 = added.str();
        return in;
    }
    CutResult run(const CutInputs& in) { return job.run(in, window, window, window); }
    void expectBothClosed() const {
        EXPECT_FALSE(SourceFile.IsOpen());
        EXPECT_FALSE(OutputFile.IsOpen());
    }

    test::TempDir dir;
    std::string src = dir.file("src.iso");
    std::string out = dir.file("out.iso");
    Random SourceFile, OutputFile;
    CutJob job{SourceFile, OutputFile};
    FakeWindow window;
};

TEST_F(CutJobTest, CopiesTheFirstTotalBytesOfALongerSource) {
    test::writeFile(src, test::pattern(10000));
    EXPECT_EQ(run(cutOf(4)), CutResult::Completed);
    EXPECT_EQ(test::readFile(out), Bytes(test::pattern(8192)));
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"min 0", "max 8192", "value 0", "value 4096", "pump",
                                        "value 8192", "pump", "Info: Process Successfully!!!"}));
    expectBothClosed();
}

TEST_F(CutJobTest, PadsAShorterSourceWithZerosAndEndsWithTheLastBlock) {
    test::writeFile(src, test::pattern(5000));
    EXPECT_EQ(run(cutOf(3)), CutResult::Completed); // 4096 + a last block of 2048
    Bytes expected = test::pattern(5000);
    expected.resize(6144, 0);
    EXPECT_EQ(test::readFile(out), expected);
    EXPECT_EQ(window.log[4], "pump");
    EXPECT_EQ(window.log[5], "value 6144");

    window.log.clear();
    EXPECT_EQ(run(cutOf(6)), CutResult::Completed); // 3 full blocks, the last all zeros
    expected.resize(12288, 0);
    EXPECT_EQ(test::readFile(out), expected);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "pump"), 3);
    EXPECT_EQ(window.log[7], "value 12288");

    window.log.clear();
    EXPECT_EQ(run(cutOf(0.25)), CutResult::Completed); // a quarter sector: 512 whole bytes
    EXPECT_EQ(test::readFile(out), Bytes(test::pattern(512)));
}

TEST_F(CutJobTest, ALongerExistingOutputEndsExactlyAtTotalBytes) {
    test::writeFile(src, test::pattern(3000));
    test::writeFile(out, Bytes(20000, 0xEE));
    EXPECT_EQ(run(cutOf(2)), CutResult::Completed);
    Bytes expected = test::pattern(3000);
    expected.resize(4096, 0);
    EXPECT_EQ(test::readFile(out), expected);
}

TEST_F(CutJobTest, RefusalsOpenNothingAndShowInfo) {
    test::writeFile(src, test::pattern(100));
    CutInputs in = cutOf(1);
    in.TxtDest.clear();
    EXPECT_EQ(run(in), CutResult::Refused);
    in = cutOf(0);
    EXPECT_EQ(run(in), CutResult::Refused);
    in = cutOf(-3);
    EXPECT_EQ(run(in), CutResult::Refused);
    EXPECT_EQ(
        window.log,
        (std::vector<std::string>{
            "info: Please select ISO Output",
            "info: Incorrect LBA to add.The size of the ISO output would be 0 bytes or less.",
            "info: Incorrect LBA to add.The size of the ISO output would be 0 bytes or less."}));
    EXPECT_FALSE(std::filesystem::exists(out));
    expectBothClosed();
}

TEST_F(CutJobTest, ErrorsCloseWhatTheRunOpenedAndNeverClaimSuccess) {
    test::writeFile(src, test::pattern(9000));
    struct Case {
        std::string txtSrc, TxtDest;
        int number; // the file object's texts for these are checked with the object itself
    };
    const Case cases[] = {
        {src, src, 45602},              // held for reading: the exclusive open is refused
        {src, "/dev/full", 45606},      // a failed write
        {src, out, 45606},              // cut short by the file-size limit below
        {"/proc/self/mem", out, 45605}, // reading unmapped memory fails with EIO
    };
    for (const Case& c : cases) {
        CutInputs in = cutOf(4);
        in.txtSrc = c.txtSrc;
        in.TxtDest = c.TxtDest;
        const test::FileSizeLimit limit(5000);
        const FileError e = errorOf([&] { run(in); });
        EXPECT_EQ(e.number(), c.number) << c.txtSrc << " -> " << c.TxtDest;
        EXPECT_EQ(e.source(), "Win32File Object");
        expectBothClosed();
    }

    // Whatever the window's own handlers raise during a pump leaves the files closed too.
    window.onPump = [](int) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(run(cutOf(4)), std::runtime_error);
    expectBothClosed();

    for (const std::string& line : window.log)
        EXPECT_EQ(line.find("Successfully"), std::string::npos);
    EXPECT_FALSE(job.isRunning());
}

TEST_F(CutJobTest, ASecondStartIsRefusedAndACancelStopsAfterTheBlock) {
    test::writeFile(src, test::pattern(40000));
    std::vector<CutResult> nested;
    window.onPump = [&](int pump) {
        EXPECT_TRUE(job.isRunning());
        if (pump == 1) nested.push_back(run(cutOf(1)));
        if (pump == 2) job.requestCancel();
    };
    EXPECT_EQ(run(cutOf(8)), CutResult::Cancelled);
    EXPECT_EQ(nested, std::vector<CutResult>{CutResult::AlreadyRunning});
    EXPECT_EQ(window.pumps, 2);
    EXPECT_EQ(test::readFile(out), Bytes(test::pattern(8192)));
    EXPECT_EQ(window.log.back(), "pump"); // nothing is reported after a cancel
    expectBothClosed();
    EXPECT_FALSE(job.isRunning());

    // The cancel does not outlive its run.
    window.onPump = nullptr;
    job.requestCancel();
    EXPECT_EQ(run(cutOf(8)), CutResult::Completed);
    EXPECT_EQ(test::readFile(out), Bytes(test::pattern(16384)));
}

} // namespace
} // namespace cutting
