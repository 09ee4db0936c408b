// Path texts: file names and the folder of a list row.
#include <gtest/gtest.h>

#include "app/payload/PathText.h"

TEST(RowPathTest, FolderKeepsItsBackslashOnlyAtADriveRoot) {
    struct {
        const char* path;
        const char* name;
        const char* folder;
    } cases[] = {
        {"C:\\file.txt", "file.txt", "C:\\"},
        {"C:\\Data\\file.txt", "file.txt", "C:\\Data"},
        {"C:file.txt", "file.txt", "C:"},
        {"\\\\server\\share\\file", "file", "\\\\server\\share"},
        {"D:\\a\\b\\c.d.e", "c.d.e", "D:\\a\\b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BareFileName(c.path), c.name) << c.path;
        EXPECT_EQ(ParentFolder(c.path), c.folder) << c.path;
    }
}
