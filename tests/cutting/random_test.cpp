// The file object: opening rules, whole-block reads and writes, 64-bit positions, the exact
// error texts, and the failures that must be raised rather than swallowed.
#include "cutting/random.h"

#include "sync_spy.h"
#include "test_files.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace cutting {
namespace {

using namespace test;

// The raised text of an error that quotes the system's code and its text.
std::string fileError(int number, const std::string& head, int code, const std::string& text) {
    return std::to_string(number) + " Win32File Object: " + head + CRLF + "Error " +
           std::to_string(code) + CRLF + text;
}
std::string refusedOpen(const std::string& path, int code, const std::string& text) {
    return fileError(45602, "Error opening '" + path + "'.", code, text);
}

class RandomTest : public ::testing::Test {
  protected:
    off_t position() const { return ::lseek(file.FileHandle(), 0, SEEK_CUR); }

    TempDir dir;
    std::string path = dir.file("image.iso");
    Random file;
};

TEST_F(RandomTest, ClosedObjectRaises45603FromEveryMemberButTheOpens) {
    const std::function<void()> members[] = {
        [&] { file.FileHandle(); },         [&] { file.FileName(); },
        [&] { file.AutoFlush(); },          [&] { file.AutoFlush(true); },
        [&] { file.CloseFile(); },          [&] { file.ReadBytes(1); },
        [&] { file.WriteBytes(Bytes{1}); }, [&] { file.Flush(); },
        [&] { file.SeekAbsolute(0, 0); },   [&] { file.SeekRelative(0); },
        [&] { file.SetEndOfFile(); }};
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(file.IsOpen());
        for (std::size_t i = 0; i < std::size(members); ++i)
            EXPECT_EQ(raised(members[i]), "45603 Win32File Object: There is no open file.") << i;
        file.OpenFile(path); // the second round checks a closed file
        file.AutoFlush(true);
        file.CloseFile();
    }
    file.OpenFileRead(path);
    EXPECT_FALSE(file.AutoFlush()); // reset by the close
}

TEST_F(RandomTest, OpenFileCreatesOrKeepsTheFileAndReadsPadWithZeros) {
    file.OpenFile(path);
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    file.CloseFile();
    writeFile(path, pattern(100));
    file.OpenFile(path);
    EXPECT_EQ(position(), 0);
    file.WriteBytes(Bytes(4, 0));
    file.CloseFile();
    Bytes expected = pattern(100);
    std::fill_n(expected.begin(), 4, 0);
    EXPECT_EQ(readFile(path), expected); // not truncated

    file.OpenFileRead(path);
    EXPECT_EQ(raised([&] { file.OpenFile(dir.file("second.iso")); }),
              "45601 Win32File Object: The file '" + path + "' is already open."); // no suffix
    EXPECT_EQ(file.ReadBytes(1), Bytes{0});
    file.SeekAbsolute(0, 0);
    expected.resize(4096, 0);
    EXPECT_EQ(file.ReadBytes(4096), expected);
    EXPECT_EQ(file.ReadBytes(4096), Bytes(4096, 0));
    EXPECT_TRUE(file.ReadBytes(-5).empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("second.iso")));
}

TEST_F(RandomTest, ExclusiveOpenRefusesEveryOtherOpenSharedOpensCoexist) {
    writeFile(path, pattern(16));
    const std::string otherProcessLocks = "flock -n '" + path + "' true";
    const std::string busy = refusedOpen(path, 11, "Resource temporarily unavailable");
    Random other, reader;
    file.OpenFile(path);
    EXPECT_EQ(raised([&] { other.OpenFile(path); }), busy);
    EXPECT_EQ(raised([&] { other.OpenFileRead(path); }), busy);
    EXPECT_NE(std::system(otherProcessLocks.c_str()), 0);
    file.CloseFile();
    EXPECT_EQ(std::system(otherProcessLocks.c_str()), 0);

    reader.OpenFileRead(path);
    other.OpenFileRead(path); // readers share
    EXPECT_EQ(raised([&] { file.OpenFile(path); }), busy);
    reader.CloseFile();
    other.CloseFile();
    {
        Random transient; // destroyed while open: releases the file
        transient.OpenFile(path);
    }
    // A signal that interrupts the lock is no refusal: the open takes the lock all the same.
    test::syncSpy::reset();
    test::syncSpy::failCalls("flock", EINTR, 1);
    file.OpenFile(path);
    test::syncSpy::reset();
    EXPECT_NE(std::system(otherProcessLocks.c_str()), 0);
}

TEST_F(RandomTest, FifosAndSocketsAreRefusedAtOnce) {
    // A FIFO can block an open or a write: a hang ends the test program instead of the run.
    constexpr unsigned kHangSeconds = 5;
    ::alarm(kHangSeconds);
    const std::string fifo = dir.file("fifo.iso"), socket = dir.file("socket.iso");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket.copy(address.sun_path, sizeof address.sun_path - 1);
    const UniqueFd listener(::socket(AF_UNIX, SOCK_STREAM, 0));
    ASSERT_EQ(::bind(listener.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    const std::function<void(const std::string&)> opens[] = {
        [&](const std::string& p) { file.OpenFile(p); },
        [&](const std::string& p) { file.OpenFileRead(p); }};
    for (const auto& open : opens) {
        EXPECT_EQ(raised([&] { open(fifo); }), refusedOpen(fifo, 29, "Illegal seek"));
        EXPECT_EQ(raised([&] { open(socket); }),
                  refusedOpen(socket, 6, "No such device or address"));
        EXPECT_FALSE(file.IsOpen());
    }
    // Files and devices are opened, then read and written in blocking mode.
    for (const std::string& p : {path, std::string("/dev/zero")}) {
        file.OpenFile(p);
        EXPECT_EQ(::fcntl(file.FileHandle(), F_GETFL) & O_NONBLOCK, 0) << p;
        file.CloseFile();
    }
    ::alarm(0);
}

TEST_F(RandomTest, PositionsBeyond4GBOnASparseFile) {
    file.OpenFile(path);
    file.SeekAbsolute(1, 0); // 4294967296
    file.WriteBytes(Bytes{1, 2, 3});
    EXPECT_EQ(std::filesystem::file_size(path), 4294967299u);
    file.SeekAbsolute(0, -1); // 4294967295
    EXPECT_EQ(file.ReadBytes(5), (Bytes{0, 1, 2, 3, 0}));
    file.SeekAbsolute(-1, 0); // before the start: not reported, position kept
    EXPECT_EQ(position(), 4294967299);
    EXPECT_EQ(file.LastSystemError(), EINVAL);

    // Relative moves keep their 32-bit result contract.
    file.SeekAbsolute(0, -11);
    file.SeekRelative(10);
    EXPECT_EQ(position(), 4294967295);
    EXPECT_EQ(raised([&] { file.SeekRelative(2); }),
              "45604 Win32File Object: Seek Error." + CRLF + "Error 75." + CRLF + "75");
    EXPECT_EQ(position(), 4294967295);
    file.SeekAbsolute(0, 5);
    EXPECT_EQ(raised([&] { file.SeekRelative(-6); }),
              "45604 Win32File Object: Seek Error." + CRLF + "Error 22." + CRLF + "22");
    file.SeekRelative(-5);
    EXPECT_EQ(position(), 0);
}

TEST_F(RandomTest, FailedReadsWritesClosesAndCutsAreRaised) {
    file.OpenFileRead("/proc/self/mem"); // reading unmapped memory fails with EIO
    EXPECT_EQ(raised([&] { file.ReadBytes(16); }),
              fileError(45605, "Error reading '/proc/self/mem'.", 5, "Input/output error"));
    file.CloseFile();
    file.OpenFile("/dev/full");
    EXPECT_EQ(raised([&] { file.WriteBytes(Bytes(4096, 7)); }),
              fileError(45606, "Error writing '/dev/full'.", 28, "No space left on device"));
    file.SetEndOfFile(); // a device has no length to set
    file.CloseFile();

    std::string shortWrite;
    {
        const FileSizeLimit limit(10000);
        file.OpenFile(path);
        file.WriteBytes(Bytes(8192, 7));
        shortWrite = raised([&] { file.WriteBytes(Bytes(4096, 7)); }); // short, then refused
        file.CloseFile();
    }
    EXPECT_EQ(shortWrite, fileError(45606, "Error writing '" + path + "'.", 27, "File too large"));
    EXPECT_EQ(std::filesystem::file_size(path), 10000u);

    file.OpenFileRead(path);
    file.SeekAbsolute(0, 10);
    EXPECT_EQ(raised([&] { file.SetEndOfFile(); }),
              fileError(45609, "Error setting the end of '" + path + "'.", 22, "Invalid argument"));
    ::close(file.FileHandle()); // a failed close still releases the object
    EXPECT_EQ(raised([&] { file.CloseFile(); }),
              fileError(45608, "Error closing '" + path + "'.", 9, "Bad file descriptor"));
    EXPECT_FALSE(file.IsOpen());
}

} // namespace
} // namespace cutting
