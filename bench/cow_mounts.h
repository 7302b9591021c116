// Copy-on-write file systems for the cut benchmark: a sparse image of a few GB, made into XFS
// (with reflink) or btrfs and loop-mounted in the benchmark's scratch folder. Mounting needs
// root and the mkfs tools; whatever is made is unmounted, detached (the loop device clears
// itself on unmount) and removed when the object goes, also when the benchmark fails.
#pragma once

#include "copy_peer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/statvfs.h>
#include <unistd.h>

namespace bench {

inline constexpr std::int64_t kCowImageBytes = std::int64_t{6} << 30;

struct CowFileSystem {
    const char* name;
    std::vector<std::string> mkfs; // the image's path follows
};

inline const CowFileSystem kCowFileSystems[] = {
    {"xfs", {"mkfs.xfs", "-q", "-f", "-m", "reflink=1"}},
    {"btrfs", {"mkfs.btrfs", "-q", "-f"}},
};

// Why copy-on-write runs cannot be made here, or "" when they can.
inline std::string cowSkipReason() {
    if (::geteuid() != 0) return "not root";
    for (const char* tool : {"mkfs.xfs", "mkfs.btrfs", "mount", "umount"}) {
        try {
            runTool({"sh", "-c", std::string("command -v ") + tool});
        } catch (const std::exception&) {
            return std::string(tool) + " is missing";
        }
    }
    return {};
}

class CowMount {
  public:
    CowMount(const CowFileSystem& fs, const std::string& folder)
        : image_(folder + "/" + fs.name + ".img"), mountPoint_(folder + "/" + fs.name) {
        runTool({"truncate", "-s", std::to_string(kCowImageBytes), image_});
        std::vector<std::string> mkfs = fs.mkfs;
        mkfs.push_back(image_);
        runTool(mkfs);
        std::filesystem::create_directory(mountPoint_);
        runTool({"mount", "-o", "loop", image_, mountPoint_});
        mounted_ = true;
    }
    CowMount(const CowMount&) = delete;
    CowMount& operator=(const CowMount&) = delete;
    ~CowMount() {
        try {
            if (mounted_) runTool({"umount", mountPoint_});
        } catch (const std::exception&) {
            // Nothing more to do from a destructor; the scratch folder still goes.
        }
        std::error_code ignored;
        std::filesystem::remove(mountPoint_, ignored);
        std::filesystem::remove(image_, ignored);
    }

    std::string file(const std::string& name) const { return mountPoint_ + "/" + name; }
    // The file system's used bytes, after committing everything on it.
    std::int64_t usedBytes() const {
        ::sync();
        struct statvfs st {};
        ::statvfs(mountPoint_.c_str(), &st);
        return static_cast<std::int64_t>(st.f_blocks - st.f_bfree) *
               static_cast<std::int64_t>(st.f_frsize);
    }

  private:
    std::string image_;
    std::string mountPoint_;
    bool mounted_ = false;
};

} // namespace bench
