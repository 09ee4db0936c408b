// Erasing the sources after encrypting, measured on a real file system: no byte of an erased file stays on the disk.
#include <algorithm>

#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/app/MainWindowTestSupport.h"
#include "tests/support/LoopMount.h"

namespace {

const std::string kLine = "quiverlock erase pattern 0123456789abcdef\n";

// How often the line occurs in the bytes.
size_t Occurrences(const std::vector<uint8_t>& bytes, const std::string& line) {
    size_t count = 0;
    for (auto at = bytes.begin(); (at = std::search(at, bytes.end(), line.begin(), line.end())) != bytes.end(); ++at)
        ++count;
    return count;
}

using EraseOnDisk = MainWindowTest;

// A file of 1 MiB on a freshly made ext4 file system, on the disk before it is listed, encrypted and erased
// with Yes to the Encrypt dialog's question; then the file system is unmounted and its image searched.
TEST_F(EraseOnDisk, ErasedSourceLeavesNoByteOfItsContentsInTheFileSystemImage) {
    TScratchFolder scratch("qvl-ext4-");
    const std::string image = scratch / "disk.img";
    TLoopMount disk(image, scratch / "mnt", 8);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine refuses a loop mount of an ext4 image: " << disk.Failure();
    std::string contents;
    while (contents.size() < (1u << 20)) contents += kLine;
    const std::string source = scratch / "mnt\\secret.txt";
    PutFile(source, std::vector<uint8_t>(contents.begin(), contents.end()));
    ASSERT_TRUE(disk.Sync()) << disk.Failure();
    ASSERT_GT(Occurrences(FileBytes(image), kLine), 1000u) << "the pattern must be on the disk before the erase";

    Window().AddPath(source);
    Services().AnswerMessageBox(IDYES);  // erase the sources
    EXPECT_TRUE(RunEncrypt(*Form2, emStandard, "pw", scratch / "out.qvl"));
    EXPECT_FALSE(FileExists(source));
    EXPECT_EQ(Services().MessageTexts().size(), 1u) << "only the erase question";
    ASSERT_TRUE(disk.Unmount()) << disk.Failure();
    EXPECT_EQ(Occurrences(FileBytes(image), kLine), 0u);
}

// A folder where files can be written but not deleted (append-only): the erase says that the delete failed.
TEST_F(EraseOnDisk, EraseInAFolderThatRefusesDeletesSaysTheFileWasNotDeleted) {
    TScratchFolder scratch("qvl-ext4-");
    TLoopMount disk(scratch / "disk.img", scratch / "mnt", 8);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine refuses a loop mount of an ext4 image: " << disk.Failure();
    const std::string folder = scratch / "mnt\\kept";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string file = folder + "\\f.txt";
    PutFile(file, std::vector<uint8_t>(500, 'x'));
    const std::string unixFolder = "'" + unixlinks::UnixPathOf(folder) + "'";
    ASSERT_TRUE(disk.Run("chattr +a " + unixFolder)) << disk.Failure();
    Window().EraseFile(file);
    EXPECT_TRUE(disk.Run("chattr -a " + unixFolder)) << disk.Failure();
    EXPECT_EQ(FileBytes(file), std::vector<uint8_t>(500, '0'));
    const std::vector<std::string> texts = Services().MessageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("The file was overwritten but could not be deleted: ", 0), 0u) << texts[0];
    EXPECT_EQ(texts[0].substr(texts[0].size() - file.size() - 1), "\r" + file);
}

}  // namespace
