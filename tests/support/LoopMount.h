// A small ext4 file system in an image file, mounted through a loop device while the object lives: a Windows
// test under Wine starts the Unix tools (mkfs.ext4, mount and umount need root).
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/UnixLinks.h"
#include "tests/support/WinFileSupport.h"

class TLoopMount {
public:
    // Makes the image (a Windows path in an existing folder) of `megabytes`, formats it and mounts it on the
    // folder `mountPoint` (a Windows path, created here).
    TLoopMount(const std::string& image, const std::string& mountPoint, int megabytes) : image_(image) {
        CreateDirectoryA(mountPoint.c_str(), nullptr);
        mountPoint_ = unixlinks::UnixPathOf(mountPoint);
        const std::string unixImage = unixlinks::UnixPathOf(image);
        if (mountPoint_.empty() || unixImage.empty()) {
            failure_ = "not running under Wine";
            return;
        }
        const std::string quotedImage = "'" + unixImage + "'";
        mounted_ = Run("truncate -s " + std::to_string(megabytes) + "M " + quotedImage + " && mkfs.ext4 -q -F " +
                       quotedImage + " && mount -o loop " + quotedImage + " '" + mountPoint_ + "'");
    }
    ~TLoopMount() { Unmount(); }
    TLoopMount(const TLoopMount&) = delete;
    TLoopMount& operator=(const TLoopMount&) = delete;

    bool Mounted() const { return mounted_; }
    // What the tools said when the mount failed.
    const std::string& Failure() const { return failure_; }
    // Writes every cached block of every file system out (sync); false when that failed.
    bool Sync() { return Run("sync"); }
    // Unmounts (the loop device goes with it); true once the file system is off the image.
    bool Unmount() {
        if (mounted_ && Run("umount '" + mountPoint_ + "'")) mounted_ = false;
        return !mounted_;
    }

    // Runs a shell command with the tools on the path and waits for its exit status; true for 0. Its output
    // becomes the failure text.
    bool Run(const std::string& command) {
        const std::string status = image_ + ".status";
        const std::string log = image_ + ".log";
        DeleteFileA(status.c_str());
        const std::string script = "PATH=/usr/sbin:/usr/bin:/sbin:/bin; (" + command + ") >'" +
                                   unixlinks::UnixPathOf(log) + "' 2>&1; echo $? >'" +
                                   unixlinks::UnixPathOf(status) + "'";
        if (!unixlinks::RunUnix("/bin/sh -c \"" + script + "\"", [&] { return FileBytes(status).size() >= 2; })) {
            failure_ = "the shell did not answer: " + command;
            return false;
        }
        const std::vector<uint8_t> said = FileBytes(log);
        failure_.assign(said.begin(), said.end());
        const bool done = FileBytes(status) == std::vector<uint8_t>{'0', '\n'};
        DeleteFileA(status.c_str());
        DeleteFileA(log.c_str());
        return done;
    }

private:
    std::string image_;
    std::string mountPoint_;  // the Unix path
    std::string failure_;
    bool mounted_ = false;
};
