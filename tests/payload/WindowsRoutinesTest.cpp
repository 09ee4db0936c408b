// Temp folder, Win32 file stream and locale size texts.
#include <gtest/gtest.h>

#include "app/payload/LocaleSizeText.h"
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

TEST(LocaleSizeText, UsesTheUserLocaleDecimalSymbol) {
    const char symbol = LocaleDecimalSymbol();
    EXPECT_NE(symbol, '\0');
    EXPECT_EQ(FormatFileSize(1536), FormatFileSize(1536, symbol));
    EXPECT_EQ(UpdateTotalsText({"1536"}, TTotalsVariant::tvStub),
              std::string("Total files: 1     Total size: 1") + symbol + "50 KB");
}

}  // namespace
