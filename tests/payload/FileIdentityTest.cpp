// Deciding whether a file about to be written is one of the inputs: other names of one file, other files.
#include <gtest/gtest.h>

#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "tests/payload/PayloadTestSupport.h"
#include "tests/support/UnixLinks.h"
#include "tests/support/WinFileSupport.h"

namespace {

using unixlinks::TDriveLetter;
using unixlinks::TUnixLink;
using unixlinks::UnixPathOf;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

// The same path through the drive Wine maps to the Unix root.
std::string ThroughDriveZ(const std::string& path) {
    std::string name = "Z:" + UnixPathOf(path);
    for (char& c : name)
        if (c == '/') c = '\\';
    return name;
}

// A second name of a file outside the scratch folder, removed with the object.
struct THardLink {
    THardLink(std::string link, const std::string& file) : path(std::move(link)) {
        DeleteFileA(path.c_str());
        made = CreateHardLinkA(path.c_str(), file.c_str(), nullptr) != 0;
    }
    ~THardLink() { DeleteFileA(path.c_str()); }
    THardLink(const THardLink&) = delete;
    THardLink& operator=(const THardLink&) = delete;

    std::string path;
    bool made = false;
};

TEST(FindAlias, EveryOtherNameOfAnInputIsThatInputEvenWhileItIsHeldOpen) {
    TScratchFolder folder("qvl_alias_");
    const std::string other = folder / "other.bin";
    const std::string input = folder / "input.bin";
    PutFile(other, RandomBytes(10, 1));
    PutFile(input, RandomBytes(100, 2));
    const std::string hardLink = folder / "hard.bin";
    ASSERT_TRUE(CreateHardLinkA(hardLink.c_str(), input.c_str(), nullptr));
    const std::string linkPath = FolderOf(input) + "soft.bin";
    const TUnixLink symbolic(UnixPathOf(input), linkPath);
    ASSERT_TRUE(symbolic.Made());
    const TDriveLetter drive(FolderOf(input));
    ASSERT_TRUE(drive.Made());
    // Outside the prefix's drive C, where Wine reports another volume serial for the same file.
    const THardLink farLink(ProgramFolder() + "qvl_alias_far_" + std::to_string(GetCurrentProcessId()) + ".bin", input);
    ASSERT_TRUE(farLink.made);
    // Held the way a reader holds its container: open without sharing.
    const TWin32FileStream holder(input, TFileMode::fmOpenRead);
    ASSERT_TRUE(holder.IsOpen());

    for (const std::string& name : {input, Upper(input), hardLink, linkPath, drive.Root() + "input.bin",
                                    drive.Root() + "hard.bin", ThroughDriveZ(input), farLink.path}) {
        const TAlias alias = FindAlias(name, {other, input});
        EXPECT_EQ(alias.result, TAliasResult::arSame) << name;
        EXPECT_EQ(alias.input, 1u) << name;
        EXPECT_EQ(alias.path, input) << name;
    }
}

TEST(FileIdentity, SameIndexIsOneFileOnOneVolumeOrWhenSizeAndTimesAgreeToo) {
    const TFileIdentity file{0x43000000u, 77, 100, 5000, 6000};
    const struct {
        TFileIdentity other;
        bool same;
    } cases[] = {
        {file, true},
        {{0x43000000u, 78, 100, 5000, 6000}, false},
        {{0x43000000u, 77, 101, 5001, 6001}, true},  // one volume: the index decides
        {{0x5a000000u, 77, 100, 5000, 6000}, true},  // another serial reported for another name
        {{0x5a000000u, 77, 100, 5000, 6001}, false},
        {{0x5a000000u, 77, 100, 5001, 6000}, false},
        {{0x5a000000u, 77, 99, 5000, 6000}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(file.IsSameFile(c.other), c.same) << c.other.volumeSerial << " " << c.other.fileIndex;
        EXPECT_EQ(c.other.IsSameFile(file), c.same);
    }
}

TEST(FindAlias, OtherFilesMissingTargetsAndDevicesAreNoAliasAndAnUnidentifiableInputIsRefused) {
    TScratchFolder folder("qvl_noalias_");
    const std::string input = folder / "input.bin";
    const std::string copy = folder / "copy.bin";
    PutFile(input, RandomBytes(100, 3));
    PutFile(copy, RandomBytes(100, 3));  // same bytes, another file
    const std::string missing = folder / "missing.bin";
    for (const std::string& target : {copy, folder / "absent.bin", folder / "no-folder\\x.bin", std::string("NUL")}) {
        const TAlias alias = FindAlias(target, {input, missing});
        EXPECT_EQ(alias.result, TAliasResult::arNone) << target;
        EXPECT_TRUE(alias.path.empty()) << target;
    }
    EXPECT_EQ(FindAlias(copy, {}).result, TAliasResult::arNone);

    // A device answers no identity: refused rather than guessed.
    const TAlias unknown = FindAlias(copy, {input, "NUL"});
    EXPECT_EQ(unknown.result, TAliasResult::arUnknown);
    EXPECT_EQ(unknown.input, 1u);
    EXPECT_EQ(unknown.path, "NUL");
}

}  // namespace
