// Disc images made at test time by the tools users make them with, over 3 MB of files:
// xorriso (ISO 9660), genisoimage -udf (ISO 9660 + UDF bridge), mkudffs (UDF alone, 2 MB).
#pragma once

#include "test_files.h"

#include <array>
#include <cstdlib>
#include <filesystem>

namespace cutting::test {

enum class DiscTool { Xorriso, Genisoimage, Mkudffs };

// Makes an image with `tool` at dir/name; "" when made, otherwise why it could not be.
inline std::string makeDiscImage(DiscTool tool, const TempDir& dir, const std::string& name) {
    const std::string which = std::array{"xorriso", "genisoimage", "mkudffs"}[int(tool)];
    const std::string content = dir.file("content"), image = "'" + dir.file(name) + "'";
    std::filesystem::create_directories(content);
    writeFile(content + "/video.vob", pattern(3 << 20));
    writeFile(content + "/readme.txt", pattern(100));
    const std::string commands[] = {
        "xorriso -as mkisofs -quiet -o " + image + " " + content,
        "genisoimage -udf -quiet -o " + image + " " + content,
        "truncate -s 2M " + image + " && mkudffs --blocksize=2048 --media-type=hd --udfrev=1.02 " +
            image};
    const std::string run = "PATH=$PATH:/usr/sbin:/sbin; command -v " + which +
                            " >/dev/null || exit 99; " + commands[int(tool)] + " >/dev/null 2>&1";
    const int status = std::system(run.c_str());
    return status == 0 ? "" : which + (WEXITSTATUS(status) == 99 ? " is missing" : " failed");
}

} // namespace cutting::test
