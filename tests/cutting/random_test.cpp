// The file object: opening rules, whole-block reads and writes, 64-bit positions, the exact
// error texts, and the failures that must be raised rather than swallowed.
#include "cutting/random.h"

#include "test_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace cutting {
namespace {

using test::Bytes;
using test::errorOf;

const std::string CRLF = "\r\n";

off_t positionOf(const Random& file) {
    return ::lseek(file.FileHandle(), 0, SEEK_CUR);
}

void expectNoOpenFile(Random& file) {
    const std::vector<std::function<void()>> members = {
        [&] { file.FileHandle(); },         [&] { file.FileName(); },
        [&] { file.AutoFlush(); },          [&] { file.AutoFlush(true); },
        [&] { file.CloseFile(); },          [&] { file.ReadBytes(1); },
        [&] { file.WriteBytes(Bytes{1}); }, [&] { file.Flush(); },
        [&] { file.SeekAbsolute(0, 0); },   [&] { file.SeekRelative(0); },
        [&] { file.SetEndOfFile(); },
    };
    EXPECT_FALSE(file.IsOpen());
    for (const auto& member : members) {
        const FileError e = errorOf(member);
        EXPECT_EQ(e.number(), 45603);
        EXPECT_EQ(e.source(), "Win32File Object");
        EXPECT_EQ(e.description(), "There is no open file.");
    }
}

TEST(Random, ClosedObjectRaises45603FromEveryMemberButTheOpens) {
    test::TempDir dir;
    Random file;
    expectNoOpenFile(file);

    file.OpenFile(dir.file("a.iso"));
    file.AutoFlush(true);
    EXPECT_EQ(file.FileName(), dir.file("a.iso"));
    file.CloseFile();
    expectNoOpenFile(file);

    file.OpenFileRead(dir.file("a.iso"));
    EXPECT_FALSE(file.AutoFlush()); // reset by the close
}

TEST(Random, OpenFileCreatesMissingFilesAndNeverTruncates) {
    test::TempDir dir;
    Random file;
    file.OpenFile(dir.file("new.iso"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("new.iso")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("new.iso")), 0u);
    file.CloseFile();

    test::writeFile(dir.file("ten.iso"), test::pattern(10));
    file.OpenFile(dir.file("ten.iso"));
    EXPECT_EQ(positionOf(file), 0);
    file.WriteBytes(Bytes{0xA0, 0xA1, 0xA2, 0xA3});
    file.CloseFile();
    Bytes expected = test::pattern(10);
    std::copy_n(Bytes{0xA0, 0xA1, 0xA2, 0xA3}.begin(), 4, expected.begin());
    EXPECT_EQ(test::readFile(dir.file("ten.iso")), expected);
}

TEST(Random, RefusedAndRepeatedOpensDescribeThemselves) {
    test::TempDir dir;
    Random file;
    const std::string missing = dir.file("missing.iso");
    FileError e = errorOf([&] { file.OpenFileRead(missing); });
    EXPECT_EQ(e.number(), 45602);
    EXPECT_EQ(e.source(), "Win32File Object");
    EXPECT_EQ(e.description(), "Error opening '" + missing + "'." + CRLF + "Error 2" + CRLF +
                                   "No such file or directory");
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.LastSystemError(), 2);

    e = errorOf([&] { file.OpenFileRead(dir.file("")); }); // the folder itself
    EXPECT_EQ(e.number(), 45602);
    EXPECT_NE(e.description().find(CRLF + "Error 21" + CRLF + "Is a directory"), std::string::npos);

    e = errorOf([&] { file.OpenFile(std::string("a\0b", 3)); });
    EXPECT_EQ(e.number(), 45602);
    EXPECT_FALSE(std::filesystem::exists("a"));

    const std::string first = dir.file("first.iso");
    test::writeFile(first, test::pattern(8));
    file.OpenFileRead(first);
    e = errorOf([&] { file.OpenFile(dir.file("second.iso")); });
    EXPECT_EQ(e.number(), 45601);
    EXPECT_EQ(e.description(), "The file '" + first + "' is already open."); // last call succeeded
    EXPECT_EQ(file.FileName(), first);
    EXPECT_EQ(file.ReadBytes(8), test::pattern(8));
    EXPECT_FALSE(std::filesystem::exists(dir.file("second.iso")));
}

TEST(Random, ErrorTextsFrameTheSystemText) {
    EXPECT_EQ(systemErrorText(2), "No such file or directory");
    EXPECT_EQ(systemErrorText(123456), "Unknown Error.");
    EXPECT_EQ(describeFileError(45601, "x.iso", 123456), "The file 'x.iso' is already open." +
                                                             CRLF + "Error 123456" + CRLF +
                                                             "Unknown Error.");
}

TEST(Random, ReadBytesPadsWithZeroPastTheEnd) {
    test::TempDir dir;
    test::writeFile(dir.file("src.iso"), test::pattern(4196));
    Random file;
    file.OpenFileRead(dir.file("src.iso"));
    EXPECT_EQ(file.ReadBytes(4096), Bytes(test::pattern(4096)));
    Bytes tail(4096, 0);
    std::copy_n(test::pattern(4196).begin() + 4096, 100, tail.begin());
    EXPECT_EQ(file.ReadBytes(4096), tail);
    EXPECT_EQ(file.ReadBytes(4096), Bytes(4096, 0));
    EXPECT_TRUE(file.ReadBytes(0).empty());
    EXPECT_TRUE(file.ReadBytes(-5).empty());
}

TEST(Random, ExclusiveOpenRefusesEveryOtherOpenSharedOpensCoexist) {
    test::TempDir dir;
    const std::string path = dir.file("image.iso");
    test::writeFile(path, test::pattern(16));
    const std::string otherProcessLocks = "flock -n '" + path + "' true";

    Random writer, other;
    writer.OpenFile(path);
    for (auto open : {&Random::OpenFile, &Random::OpenFileRead}) {
        const FileError e = errorOf([&] { (other.*open)(path); });
        EXPECT_EQ(e.number(), 45602);
        EXPECT_EQ(e.description(), "Error opening '" + path + "'." + CRLF + "Error 11" + CRLF +
                                       "Resource temporarily unavailable");
        EXPECT_FALSE(other.IsOpen());
    }
    EXPECT_NE(std::system(otherProcessLocks.c_str()), 0);
    writer.CloseFile();
    EXPECT_EQ(std::system(otherProcessLocks.c_str()), 0);

    Random reader;
    reader.OpenFileRead(path);
    other.OpenFileRead(path); // readers share
    EXPECT_EQ(errorOf([&] { writer.OpenFile(path); }).number(), 45602);
    reader.CloseFile();
    other.CloseFile();

    // A holder outside this object (here a descriptor locked directly) refuses it too.
    {
        const UniqueFd holder(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_EQ(::flock(holder.get(), LOCK_EX | LOCK_NB), 0);
        EXPECT_EQ(errorOf([&] { reader.OpenFileRead(path); }).number(), 45602);
    }
    // Destroying an open object releases the file.
    {
        Random transient;
        transient.OpenFile(path);
    }
    writer.OpenFile(path);
}

TEST(Random, PositionsBeyond4GBOnASparseFile) {
    test::TempDir dir;
    Random file;
    file.OpenFile(dir.file("sparse.iso"));
    file.SeekAbsolute(1, 0);
    EXPECT_EQ(positionOf(file), 4294967296);
    file.WriteBytes(Bytes{1, 2, 3});
    EXPECT_EQ(std::filesystem::file_size(dir.file("sparse.iso")), 4294967299u);

    file.SeekAbsolute(0, -1);
    EXPECT_EQ(positionOf(file), 4294967295);
    EXPECT_EQ(file.ReadBytes(3), (Bytes{0, 1, 2}));
    file.SeekAbsolute(1, 2);
    EXPECT_EQ(file.ReadBytes(4), (Bytes{3, 0, 0, 0}));
    file.SeekAbsolute(-1, 0); // before the start: not reported, position kept
    EXPECT_EQ(positionOf(file), 4294967299);
    EXPECT_EQ(file.LastSystemError(), EINVAL);

    // Relative moves keep their 32-bit result contract.
    file.SeekAbsolute(0, -11);
    file.SeekRelative(10);
    EXPECT_EQ(positionOf(file), 4294967295);
    FileError e = errorOf([&] { file.SeekRelative(2); });
    EXPECT_EQ(e.number(), 45604);
    EXPECT_EQ(e.description(), "Seek Error." + CRLF + "Error 75." + CRLF + "75");
    EXPECT_EQ(positionOf(file), 4294967295);
    file.SeekAbsolute(0, 5);
    e = errorOf([&] { file.SeekRelative(-6); });
    EXPECT_EQ(e.description(), "Seek Error." + CRLF + "Error 22." + CRLF + "22");
    file.SeekRelative(-5);
    EXPECT_EQ(positionOf(file), 0);
}

TEST(Random, FailedReadsWritesAndClosesAreRaised) {
    test::TempDir dir;
    Random file;

    // Reading unmapped memory of this process fails with EIO.
    file.OpenFileRead("/proc/self/mem");
    FileError e = errorOf([&] { file.ReadBytes(16); });
    EXPECT_EQ(e.number(), 45605);
    EXPECT_EQ(e.description(),
              "Error reading '/proc/self/mem'." + CRLF + "Error 5" + CRLF + "Input/output error");
    file.CloseFile();

    file.OpenFile("/dev/full");
    e = errorOf([&] { file.WriteBytes(Bytes(4096, 7)); });
    EXPECT_EQ(e.number(), 45606);
    EXPECT_EQ(e.source(), "Win32File Object");
    EXPECT_EQ(e.description(),
              "Error writing '/dev/full'." + CRLF + "Error 28" + CRLF + "No space left on device");
    file.CloseFile();

    const std::string limited = dir.file("limited.iso");
    {
        const test::FileSizeLimit limit(10000);
        file.OpenFile(limited);
        file.WriteBytes(Bytes(4096, 7));
        file.WriteBytes(Bytes(4096, 7));
        e = errorOf([&] { file.WriteBytes(Bytes(4096, 7)); }); // short, then refused
        file.CloseFile();
    }
    EXPECT_EQ(e.number(), 45606);
    EXPECT_EQ(e.description(),
              "Error writing '" + limited + "'." + CRLF + "Error 27" + CRLF + "File too large");
    EXPECT_EQ(std::filesystem::file_size(limited), 10000u);

    // A close that the system reports as failed still releases the object.
    file.OpenFile(limited);
    ::close(file.FileHandle());
    e = errorOf([&] { file.CloseFile(); });
    EXPECT_EQ(e.number(), 45608);
    EXPECT_EQ(e.description(),
              "Error closing '" + limited + "'." + CRLF + "Error 9" + CRLF + "Bad file descriptor");
    EXPECT_FALSE(file.IsOpen());
}

TEST(Random, SetEndOfFileCutsAtThePosition) {
    test::TempDir dir;
    const std::string path = dir.file("long.iso");
    test::writeFile(path, test::pattern(100));
    Random file;
    file.OpenFile(path);
    file.WriteBytes(Bytes(30, 9));
    file.SetEndOfFile();
    file.CloseFile();
    EXPECT_EQ(test::readFile(path), Bytes(30, 9));

    file.OpenFileRead(path);
    file.SeekAbsolute(0, 10);
    const FileError e = errorOf([&] { file.SetEndOfFile(); });
    EXPECT_EQ(e.number(), 45609);
    EXPECT_EQ(
        e.description().rfind("Error setting the end of '" + path + "'." + CRLF + "Error ", 0), 0u);
    EXPECT_EQ(std::filesystem::file_size(path), 30u);

    file.CloseFile();
    file.OpenFile("/dev/null"); // a device has no length to set
    file.SetEndOfFile();
}

} // namespace
} // namespace cutting
