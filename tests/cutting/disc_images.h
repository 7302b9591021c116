// Disc images made at test time by the tools users make them with: xorriso (ISO 9660),
// genisoimage -udf (ISO 9660 + UDF bridge) and mkudffs (UDF alone), over three megabytes of files.
#pragma once

#include "test_files.h"

#include <cstdlib>
#include <filesystem>

namespace cutting::test {

enum class DiscTool { Xorriso, Genisoimage, Mkudffs };

inline constexpr std::uintmax_t kUdfImageBytes = 2 << 20;

// Makes an image with `tool` at dir/name; "" when made, otherwise why it could not be.
inline std::string makeDiscImage(DiscTool tool, const TempDir& dir, const std::string& name) {
    const char* const program[] = {"xorriso", "genisoimage", "mkudffs"};
    const std::string which = program[static_cast<int>(tool)];
    const std::string path = "PATH=$PATH:/usr/sbin:/sbin ";
    if (std::system((path + "command -v " + which + " >/dev/null").c_str()) != 0)
        return which + " is not installed (scripts/install-deps.sh installs it)";
    const std::string content = dir.file("content"), image = dir.file(name);
    std::filesystem::create_directories(content);
    writeFile(content + "/video.vob", pattern(3 << 20));
    writeFile(content + "/readme.txt", pattern(100));
    std::string command;
    if (tool == DiscTool::Mkudffs) {
        writeFile(image, {});
        std::filesystem::resize_file(image, kUdfImageBytes);
        command = path + "mkudffs --blocksize=2048 --media-type=hd --udfrev=1.02 '" + image + "'";
    } else {
        command = tool == DiscTool::Xorriso ? "xorriso -as mkisofs" : "genisoimage -udf";
        command += " -quiet -o '" + image + "' '" + content + "'";
    }
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0 ? "" : which + " failed";
}

} // namespace cutting::test
