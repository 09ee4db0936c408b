// Temp folder, Win32 file stream and locale size texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/payload/FileSystem.h"
#include "app/payload/LocaleSizeText.h"
#include "app/payload/ReplacingFile.h"
#include "app/payload/TempDir.h"
#include "tests/payload/PayloadTestSupport.h"
#include "tests/support/WinFileSupport.h"

namespace {

TEST(GetTempDir, EndsInExactlyOneBackslashAndNamesAFolder) {
    const std::string folder = GetTempDir();
    ASSERT_GE(folder.size(), 2u);
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_NE(folder[folder.size() - 2], '\\');
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(GetTempDir, IsEmptyForAFolderThatIsMissingTooLongOrAFile) {
    TScratchFolder folder("qvl_tmpvar_");
    PutFile(folder / "file", {uint8_t{1}});
    for (const std::string& value : {folder / "missing", folder / "file", "C:\\" + std::string(300, 'a')}) {
        TTempVariable temp(value);
        EXPECT_EQ(GetTempDir(), "") << value;
    }
    // A temp path of 258 characters with its backslash, beyond what a 256-byte answer could hold.
    std::string deep = folder.Root();
    while (deep.size() < 257) deep += "\\" + std::string(std::min<size_t>(40, 256 - deep.size()), 'd');
    CreateFolderPath(deep);
    ASSERT_TRUE(IsFolder(deep)) << deep;
    TTempVariable temp(deep);
    EXPECT_EQ(GetTempDir(), deep + "\\");
}

TEST(Win32FileStream, OpenFileIsNotSharedAndOffsetsAreSixtyFourBit) {
    TScratchFolder folder("qvl_stream_");
    const std::string path = folder / "data.bin";
    PutFile(path, RandomBytes(100, 8));
    TWin32FileStream first(path, TFileMode::fmOpenReadWrite);
    ASSERT_TRUE(first.IsOpen());
    EXPECT_FALSE(TWin32FileStream(path, TFileMode::fmOpenRead).IsOpen());

    ASSERT_TRUE(first.Seek(5000000000LL));
    EXPECT_EQ(first.Position(), 5000000000LL);
    ASSERT_TRUE(first.Seek(60));
    ASSERT_TRUE(first.SetSize(40));
    EXPECT_EQ(first.Size(), 40);
    EXPECT_EQ(first.Position(), 60);
    EXPECT_FALSE(first.Seek(-1));
}

TEST(ReplacingFile, DestinationChangesOnlyByACommittedWholeFile) {
    TScratchFolder folder("qvl_replace_");
    const std::string destination = folder / "out.bin";
    const std::vector<uint8_t> old = RandomBytes(300, 1), fresh = RandomBytes(500, 2);
    PutFile(destination, old);
    {  // abandoned midway: the old file stays, the new one is gone
        TReplacingFile output(destination);
        ASSERT_TRUE(output.IsOpen());
        EXPECT_EQ(FolderOf(output.NewPath()), FolderOf(destination));
        output.Stream().Write(fresh.data(), 100);
    }
    EXPECT_EQ(FileBytes(destination), old);
    SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(TReplacingFile(destination).IsOpen());
    {  // a destination made read-only while the new file was written: reported, both as they were
        SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
        TReplacingFile output(destination);
        output.Stream().Write(fresh.data(), 500);
        SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_READONLY);
        const std::string newPath = output.NewPath();
        EXPECT_FALSE(output.Commit());
        EXPECT_NE(output.LastError(), 0u);
        EXPECT_FALSE(FileExists(newPath));
        SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(FileBytes(destination), old);
    }
    TReplacingFile output(destination);
    ASSERT_EQ(output.Stream().Write(fresh.data(), 500), 500);
    ASSERT_TRUE(output.Commit());
    EXPECT_EQ(FileBytes(destination), fresh);
    EXPECT_EQ(FolderEntries(folder.Root()), std::vector<std::string>{"out.bin"});
}

TEST(ReplacingFile, AFolderTooLongForAUniqueNameIsRefusedWithNothingWritten) {
    TScratchFolder folder("qvl_replace_long_");
    std::string deep = folder.Root();
    while (deep.size() < MAX_PATH - 13) deep += "\\" + std::string(std::min<size_t>(40, MAX_PATH - 14 - deep.size()), 'd');
    CreateFolderPath(deep);
    ASSERT_TRUE(IsFolder(deep)) << deep;
    uint32_t error = 0;
    EXPECT_EQ(CreateUniqueFile(deep + "\\", error), "");
    EXPECT_EQ(error, static_cast<uint32_t>(ERROR_FILENAME_EXCED_RANGE));
    TReplacingFile output(deep + "\\out.bin");
    EXPECT_FALSE(output.IsOpen());
    EXPECT_TRUE(FolderEntries(deep).empty());
}

TEST(LocaleSizeText, UsesTheUserLocaleDecimalSymbol) {
    const char symbol = LocaleDecimalSymbol();
    EXPECT_NE(symbol, '\0');
    EXPECT_EQ(FormatFileSize(1536), FormatFileSize(1536, symbol));
    EXPECT_EQ(UpdateTotalsText({"1536"}, TTotalsVariant::tvStub),
              std::string("Total files: 1     Total size: 1") + symbol + "50 KB");
}

}  // namespace
