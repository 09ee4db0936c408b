// Erasing files under the Windows file API: overwrite before delete, refusals, silence.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/payload/EraseFile.h"
#include "app/payload/Wipe.h"
#include "app/payload/WriteFailure.h"
#include "tests/payload/PayloadTestSupport.h"
#include "tests/support/UnixLinks.h"
#include "tests/support/WinFileSupport.h"

namespace {

// Records what erasing asked of the program; notes whether the file was still there when
// messages ran.
class TRecordingHost : public TEraseHost {
public:
    explicit TRecordingHost(std::string watched = "") : watched_(std::move(watched)) {}
    void ProcessMessages() override {
        ++messageRuns;
        fileThereDuringMessages = FileExists(watched_);
    }
    void ReportAccessDenied(const std::string& path) override { reported.push_back(path); }
    void ReportWriteFailure(const std::string& path, const std::string& text) override {
        reported.push_back(path);
        reasons.push_back(text);
    }

    int messageRuns = 0;
    bool fileThereDuringMessages = false;
    std::vector<std::string> reported;
    std::vector<std::string> reasons;

private:
    std::string watched_;
};

TEST(EraseFile, FileIsDeletedAfterMessagesRanWithItStillThere) {
    TScratchFolder folder("qvl_erase_");
    for (size_t size : {0u, 400u, 1000u}) {
        const std::string path = folder / ("victim" + std::to_string(size));
        PutFile(path, RandomBytes(size, 5));
        TRecordingHost host(path);
        EraseFile(path, host);
        EXPECT_FALSE(FileExists(path)) << size;
        EXPECT_TRUE(host.reported.empty());
        EXPECT_EQ(host.messageRuns, 1);
        EXPECT_TRUE(host.fileThereDuringMessages);
    }
}

// Erasing one name must not wipe the data another name shows: a hard link and a symbolic link are refused.
TEST(EraseFile, HardLinkAndSymbolicLinkAreRefusedAndEveryNamesDataStays) {
    TScratchFolder folder("qvl_links_");
    const std::vector<uint8_t> contents = RandomBytes(900, 9);
    const std::string original = folder / "orig.txt";
    PutFile(original, contents);
    const std::string hard = folder / "link.txt";
    ASSERT_TRUE(CreateHardLinkA(hard.c_str(), original.c_str(), nullptr)) << GetLastError();
    const std::string target = folder / "target.txt";
    PutFile(target, contents);
    const unixlinks::TUnixLink symbolic(unixlinks::UnixPathOf(target), folder / "sym.txt");
    ASSERT_TRUE(symbolic.Made());
    const struct { std::string path; std::string text; } cases[] = {
        {hard, NamesRefusalText(hard)},
        {original, NamesRefusalText(original)},
        {symbolic.Path(), LinkRefusalText(symbolic.Path())}};
    for (const auto& c : cases) {
        TRecordingHost host;
        EraseFile(c.path, host);
        EXPECT_EQ(host.reasons, std::vector<std::string>{c.text}) << c.path;
        EXPECT_EQ(FileBytes(c.path), contents) << c.path;
    }
    EXPECT_EQ(FileBytes(original), contents);
    EXPECT_EQ(FileBytes(target), contents);
}

// A deleted file's cached writes never reach the disk: the whole overwrite is flushed while the file is still
// there, before its length is restored; a flush that fails is a failed erase.
TEST(EraseFile, OverwriteIsFlushedBeforeTheLengthIsRestoredAndAFailedFlushKeepsTheFile) {
    TScratchFolder folder("qvl_flush_");
    const std::string path = folder / "victim.bin";
    for (const bool flushes : {true, false}) {
        PutFile(path, RandomBytes(1000, 8));
        TRecordingHost host(path);
        int flushed = 0;
        int64_t sizeAtFlush = -1;
        EraseFileWith(path, host, nullptr, [&] {
            ++flushed;
            WIN32_FILE_ATTRIBUTE_DATA data{};
            if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) sizeAtFlush = data.nFileSizeLow;
            EXPECT_EQ(host.messageRuns, 0);
            return flushes;
        });
        EXPECT_EQ(flushed, 1);
        EXPECT_EQ(sizeAtFlush, 1000) << "overwritten in place and flushed";
        EXPECT_EQ(FileExists(path), !flushes);
        EXPECT_EQ(host.reported, flushes ? std::vector<std::string>{} : std::vector<std::string>{path});
        if (!flushes) {
            const std::vector<uint8_t> left = FileBytes(path);
            EXPECT_EQ(std::count(left.begin(), left.end(), '0'), static_cast<std::ptrdiff_t>(left.size()));
            EXPECT_EQ(host.messageRuns, 0);
        }
    }
}

TEST(EraseFile, ReadOnlyOrOpenElsewhereIsReportedAndLeftUnchanged) {
    TScratchFolder folder("qvl_refuse_");
    const std::vector<uint8_t> contents = RandomBytes(1000, 6);
    const std::string readOnly = folder / "readonly.bin";
    PutFile(readOnly, contents);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string held = folder / "held.bin";
    PutFile(held, contents);
    {
        TWin32FileStream holder(held, TFileMode::fmOpenRead);
        ASSERT_TRUE(holder.IsOpen());
        for (const std::string& path : {readOnly, held}) {
            TRecordingHost host;
            EraseFile(path, host);
            EXPECT_EQ(host.reported, std::vector<std::string>{path});
            EXPECT_EQ(host.messageRuns, 0);
        }
    }
    EXPECT_EQ(FileBytes(readOnly), contents);
    EXPECT_EQ(FileBytes(held), contents);
}

TEST(EraseFile, FoldersAndMissingPathsAreIgnoredSilently) {
    TScratchFolder folder("qvl_ignore_");
    const std::string subfolder = folder / "sub";
    CreateDirectoryA(subfolder.c_str(), nullptr);
    for (const std::string& path : {subfolder, folder / "missing.bin", std::string()}) {
        TRecordingHost host;
        EraseFile(path, host);
        EXPECT_TRUE(host.reported.empty()) << path;
        EXPECT_EQ(host.messageRuns, 0) << path;
    }
    EXPECT_TRUE(FileExists(subfolder));
}

TEST(EraseFile, FullVolumeIsReportedWithTheSystemsReasonAndTheFileIsNotDeleted) {
    TScratchFolder folder("qvl_full_");
    const std::string path = folder / "big.bin";
    for (const uint32_t error : {uint32_t{ERROR_DISK_FULL}, uint32_t{0}}) {
        PutFile(path, RandomBytes(1000, 7));
        TRecordingHost host;
        EraseFileWith(path, host,
                      [error](TByteStream& file) { return std::make_unique<TFullVolume>(file, 800, error); });
        EXPECT_EQ(host.reported, std::vector<std::string>{path});
        if (error != 0) {
            EXPECT_EQ(host.reasons, std::vector<std::string>{SystemErrorText(error) + "\r" + path});
            EXPECT_FALSE(SystemErrorText(error).empty());
        } else {
            EXPECT_TRUE(host.reasons.empty());  // a short write with no reason given is access denied
        }
        EXPECT_TRUE(FileExists(path));
    }
}

}  // namespace
