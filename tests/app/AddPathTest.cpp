// Adding files and folders to the main window's list: rows, folder walks, drops, refusals and totals.
#include <shlobj.h>

#include <algorithm>
#include <map>

#include "app/payload/LocaleSizeText.h"
#include "tests/app/MainWindowTestSupport.h"
#include "tests/support/UnixLinks.h"
#include "toolkit/system/WinGuards.h"

namespace {

// An HDROP as the shell hands it over: DROPFILES followed by the paths, each NUL-ended, and a final NUL.
HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& p : paths) bytes += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* text = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& p : paths) {
        std::copy(p.begin(), p.end(), text);
        text += p.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

std::string NotAddedText(const std::vector<std::string>& paths) {
    std::string text = "These files were not added: their names hold letters outside the system's code page, "
                       "their paths are too long, or they are no longer there.";
    for (const std::string& path : paths) text += "\r" + path;
    return text;
}

std::vector<std::string> SizeTexts(TListView& list) {
    std::vector<std::string> sizes;
    for (int i = 0; i < list.Count(); ++i) sizes.push_back(list.Row(i).SubItems.at(0));
    return sizes;
}

}  // namespace

TEST_F(MainWindowTest, FolderWalkAddsEveryFileOnceDepthFirstHiddenAndSystemIncluded) {
    TScratchFolder tree("qvl_walk");
    std::map<std::string, size_t> expected = {
        {tree.File("a.txt", 3), 3},
        {tree.File("sub\\hidden.txt", 5, FILE_ATTRIBUTE_HIDDEN), 5},
        {tree.File("sub\\deeper\\system.sys", 7, FILE_ATTRIBUTE_SYSTEM), 7},
        {tree.File("sub\\plain.txt", 1), 1},
        {tree.File("z.txt", 1100), 1100},
    };
    tree.Folder("empty");
    TForm1& window = Window();
    window.AddPath(tree.Root());

    TListView& list = *window.ListView1;
    ASSERT_EQ(list.Count(), 5);
    std::map<std::string, size_t> seen;
    std::vector<bool> inSub;
    for (int i = 0; i < list.Count(); ++i) {
        const TListRow& row = list.Row(i);
        std::string full = row.SubItems.at(1) + "\\" + row.Caption;
        EXPECT_EQ(seen.count(full), 0u) << full;
        seen[full] = std::stoul(row.SubItems.at(0));
        EXPECT_EQ(row.ImageIndex, 6);
        inSub.push_back(row.SubItems.at(1).find("\\sub") != std::string::npos);
    }
    EXPECT_EQ(seen, expected);
    // The subfolder's files (its own subfolder's included) stand together where the subfolder was met.
    auto first = std::find(inSub.begin(), inSub.end(), true);
    auto last = std::find(inSub.rbegin(), inSub.rend(), true).base();
    EXPECT_EQ(std::count(first, last, true), 3);
    EXPECT_EQ(TotalsText(), "Total files: 5     Total size: 1.09 KB");
    EXPECT_TRUE(Services().MessageTexts().empty());
}

TEST_F(MainWindowTest, FolderWithOrWithoutTrailingBackslashAndRepeatedFilesGiveEqualRows) {
    TScratchFolder tree("qvl_slash");
    std::string file = tree.File("one.bin", 10);
    tree.File("two.bin", 20);
    TForm1& window = Window();
    window.AddPath(tree.Root());
    window.AddPath(tree.Root() + "\\");
    window.AddPath(file);
    window.AddPath(file);
    TListView& list = *window.ListView1;
    ASSERT_EQ(list.Count(), 6);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list.Row(i).Caption, list.Row(i + 2).Caption);
        EXPECT_EQ(list.Row(i).SubItems, list.Row(i + 2).SubItems);
    }
    EXPECT_EQ(list.Row(4).SubItems, list.Row(5).SubItems);
    EXPECT_EQ(list.Row(4).SubItems.at(1), tree.Root());
    EXPECT_EQ(TotalsText(), "Total files: 6     Total size: 80 byte(s)");
}

TEST_F(MainWindowTest, LockedFileIsReportedOnceAndTheWalkGoesOn) {
    TScratchFolder tree("qvl_locked");
    tree.File("a.txt", 1);
    std::string locked = tree.File("b.txt", 2);
    tree.File("c.txt", 4);
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    TForm1& window = Window();
    window.AddPath(tree.Root());
    CloseHandle(holder);

    auto boxes = Services().CallsOf(TServiceKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "File access denied.\r" + locked);
    EXPECT_FALSE(boxes[0].Caption.has_value());
    EXPECT_EQ(boxes[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(window.ListView1->Count(), 2);
    EXPECT_EQ(TotalsText(), "Total files: 2     Total size: 5 byte(s)");
}

TEST_F(MainWindowTest, DroppedPathsTooLongAreNamedNotCutAndADisabledWindowTakesNone) {
    TScratchFolder tree("qvl_drop");
    // A file whose full path is exactly 256 characters: cutting a longer dropped path there would name it.
    std::string name(256 - tree.Root().size() - 1, 'n');
    std::string fits = tree.File(name, 9);
    ASSERT_EQ(fits.size(), 256u);
    std::string small = tree.File("small.txt", 3);
    std::string tooLong = fits + "\\beyond";

    TForm1& window = Window();
    HGLOBAL drop = MakeDrop({tooLong, small, fits});
    SendMessageA(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"small.txt", name}));
    EXPECT_EQ(Services().MessageTexts(), std::vector<std::string>{NotAddedText({tooLong})});
    window.AddPath(tooLong);
    window.AddPath(std::string(300, 'x'));
    EXPECT_EQ(window.ListView1->Count(), 2);
    EXPECT_EQ(Services().MessageTexts().size(), 1u);

    // A dialog that runs or asks holds the window disabled: a drop then adds nothing its run did not see.
    EnableWindow(window.Handle(), FALSE);
    SendMessageA(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tree.File("late.txt", 1)})), 0);
    EnableWindow(window.Handle(), TRUE);
    EXPECT_EQ(window.ListView1->Count(), 2);
    EXPECT_EQ(Services().MessageTexts().size(), 1u);
}

// A folder with two links back to itself, a name the code page cannot carry and a dropped path too long for
// the ANSI calls: the drop ends at once, every file is listed once and the rest is named in one message.
TEST_F(MainWindowTest, DropThroughLinksToItselfListsEachFileOnceAndNamesWhatCannotBeAdded) {
    TScratchFolder tree("qvl_loops");
    tree.File("f.txt", 4);
    const unixlinks::TUnixLink a(unixlinks::UnixPathOf(tree.Root()), tree / "a");
    const unixlinks::TUnixLink b(unixlinks::UnixPathOf(tree.Root()), tree / "b");
    ASSERT_TRUE(a.Made() && b.Made());
    const std::wstring wideName = L"\\\x041f\x0440\x0438\x0432\x0435\x0442.txt";
    std::wstring wideRoot(tree.Root().begin(), tree.Root().end());
    const std::wstring widePath = wideRoot + wideName;
    {
        TKernelHandle file(CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(file);
    }
    // The ANSI calls of the folder's removal cannot name this file.
    struct TRemoveWide {
        std::wstring path;
        ~TRemoveWide() { DeleteFileW(path.c_str()); }
    } const removeWide{widePath};
    const std::string unnamed = tree.Root() + "\\??????.txt";  // as the ANSI calls give it
    const std::string tooLong = tree.Root() + "\\" + std::string(MAX_PATH, 'l');

    HGLOBAL drop = MakeDrop({tree.Root(), unnamed, tooLong});
    SendMessageA(Window().Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(Captions(), std::vector<std::string>{"f.txt"});
    EXPECT_EQ(Services().MessageTexts(), std::vector<std::string>{NotAddedText({unnamed, unnamed, tooLong})});
}

TEST_F(MainWindowTest, FolderWalkAddsPathsUpTo259CharactersThatNoDropCouldCarry) {
    TScratchFolder tree("qvl_long");
    // Three files in one folder whose full paths are 257, 258 and 259 characters long.
    const std::string folder = tree.Folder(std::string(240 - tree.Root().size() - 1, 'f'));
    ASSERT_EQ(folder.size(), 240u);
    std::vector<std::string> names;
    for (size_t length : {257u, 258u, 259u}) {
        names.push_back(std::string(length - folder.size() - 1 - 4, static_cast<char>('a' + names.size())) + ".bin");
        ASSERT_EQ(tree.File(folder.substr(tree.Root().size() + 1) + "\\" + names.back(), length).size(), length);
    }
    TForm1& window = Window();
    window.AddPath(tree.Root());
    std::vector<std::string> captions = Captions();
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions, names);
    EXPECT_EQ(TotalsText(), "Total files: 3     Total size: 774 byte(s)");
    EXPECT_TRUE(Services().MessageTexts().empty());
}

TEST_F(MainWindowTest, RunningTotalsMatchARecountAfterAddsAndRemoves) {
    TScratchFolder tree("qvl_totals");
    for (int i = 0; i < 6; ++i) tree.File("f" + std::to_string(i), 1000u * static_cast<size_t>(i + 1) * (i + 1));
    TForm1& window = Window();
    window.AddPath(tree.Root());
    window.AddPath(tree.Root() + "\\f5");
    TListView& list = *window.ListView1;
    EXPECT_EQ(TotalsText(), UpdateTotalsText(SizeTexts(list), TTotalsVariant::tvMainProgram));
    list.SetSelected(1, true);
    list.SetSelected(6, true);
    window.ToolButton3Click(nullptr);
    EXPECT_EQ(TotalsText(), UpdateTotalsText(SizeTexts(list), TTotalsVariant::tvMainProgram));
    list.SelectAll();
    window.ToolButton3Click(nullptr);
    EXPECT_EQ(TotalsText(), "Total files: 0     Total size: 0 byte(s)");
}
