// The main window's first showing, settings in the registry, the start file and closing.
#include "tests/app/MainWindowTestSupport.h"
#include "tests/support/ProgramWindows.h"
#include "tests/support/WinFileSupport.h"

namespace {

const char* const kNames[] = {"Width", "Height", "Left", "Top", "ShellTreeView1Width",
                              "ListView1Column0Width", "ListView1Column1Width", "ListView1Column2Width"};

// Width, height, left, top, tree width and the three column widths as the window has them.
std::vector<int> Layout(TForm1& window) {
    return {window.Width(), window.Height(), window.Left(), window.Top(), window.ShellTreeView1->Width(),
            window.ListView1->ColumnWidth(0), window.ListView1->ColumnWidth(1), window.ListView1->ColumnWidth(2)};
}

const std::vector<int> kStoredLayout = {628, 458, 269, 179, 185, 150, 70, 200};

}  // namespace

TEST_F(MainWindowTest, FirstRunUsesTheStoredLayoutAndWritesAllEightValuesAtClose) {
    TForm1& window = ShownWindow();
    EXPECT_EQ(Layout(window), kStoredLayout);
    EXPECT_EQ(window.Caption(), "Quiverlock 2.0");
    window.ShellTreeView1->SetWidth(222);
    window.ListView1->SetColumnWidth(2, 123);
    window.Close();
    std::vector<long long> expected = {628, 458, 269, 179, 222, 150, 70, 123};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(StoredSetting(kNames[i]), expected[i]) << kNames[i];
}

TEST_F(MainWindowTest, StoredSettingsApplyInOrderUntilOneIsMissingOrOfAnotherType) {
    const std::vector<int> stored = {700, 500, 30, 40, 0, 90, 60, 210};
    struct {
        const char* broken;  // nullptr: all eight stored
        bool asText;         // the broken value is text instead of missing
        std::vector<int> expected;
    } cases[] = {
        {nullptr, false, {700, 500, 30, 40, 200, 90, 60, 210}},
        {"Left", false, {700, 500, 269, 179, 185, 150, 70, 200}},
        {"ListView1Column1Width", true, {700, 500, 30, 40, 200, 90, 70, 200}},
    };
    for (const auto& c : cases) {
        for (size_t i = 0; i < 8; ++i) {
            if (c.broken != nullptr && std::string(c.broken) == kNames[i]) {
                if (c.asText) StoreText(kNames[i], "12");
                continue;
            }
            StoreSetting(kNames[i], static_cast<DWORD>(stored[i]));
        }
        EXPECT_EQ(Layout(ShownWindow()), c.expected) << (c.broken ? c.broken : "all");
        DestroyForms();
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsPath().c_str());
    }
}

TEST_F(MainWindowTest, SettingsOutOfReachStartTheWindowOnScreenWithTheListVisible) {
    for (int place : {-30000, 5000}) {
        SCOPED_TRACE(place);
        const std::vector<int> stored = {628, 458, place, place, 5000, 70000, 60, 210};
        for (size_t i = 0; i < 8; ++i) StoreSetting(kNames[i], static_cast<DWORD>(stored[i]));
        TForm1& window = ShownWindow();
        RECT bounds = window.BoundsRect();
        EXPECT_NE(MonitorFromRect(&bounds, MONITOR_DEFAULTTONULL), nullptr) << "on a screen";
        EXPECT_GE(window.ListView1->Width(), 30);
        EXPECT_LE(window.Splitter1->Left() + window.Splitter1->Width(), window.ClientWidth());
        EXPECT_EQ(window.ListView1->ColumnWidth(0), 0x7FFF) << "not cut to 16 bits";
        DestroyForms();
    }
}

TEST_F(MainWindowTest, ShowingAgainDoesNotReadTheSettingsAgain) {
    TForm1& window = ShownWindow();
    window.Hide();
    StoreSetting("Width", 900);
    window.Show();
    harness::ProcessMessages();
    EXPECT_EQ(window.Width(), 628);
}

TEST_F(MainWindowTest, StartFileOpensOnlyTheDecryptDialogAndClosingItClosesTheProgram) {
    TForm1& window = Window();
    window.SetStartFile("C:\\some\\box.qvl");
    std::string source;
    bool mainVisible = true;
    {
        harness::TModalScript closeDecrypt(*Form5, {[&] {
            source = Form5->Edit1->Text();
            mainVisible = IsWindowVisible(window.Handle()) != FALSE;
            Form5->SetModalResult(mrCancel);
        }});
        window.Show();
        harness::ProcessMessages();
        EXPECT_TRUE(closeDecrypt.Done());
    }
    EXPECT_EQ(source, "C:\\some\\box.qvl");
    EXPECT_FALSE(mainVisible);
    EXPECT_FALSE(IsWindowVisible(window.Handle())) << "the main window must not flash up after the dialog";
    EXPECT_EQ(StoredSetting("Width"), 628);
}

TEST_F(MainWindowTest, ClosingLeavesATempPackageThatThisRunDidNotWrite) {
    // The program's temp folder becomes one of this run once it is read: the package's name is fixed.
    TScratchFolder temp("qvl-temp-");
    ShownWindow();
    EXPECT_EQ(TempDir, GetTempDir());
    TempDir = temp.Root() + "\\";
    const std::string extracted = TempDir + "QVL.exe";
    PutFile(extracted, std::vector<uint8_t>{'M', 'Z', 1, 2});
    Window().Close();
    EXPECT_EQ(FileBytes(extracted), (std::vector<uint8_t>{'M', 'Z', 1, 2}));
    EXPECT_TRUE(Services().MessageTexts().empty());
}

TEST(ProgramStartTest, StartedWithAContainerShowsOnlyTheDecryptDialogAndEndsWhenItCloses) {
    TStartedProgram program(std::string("\"") + QVL_BUILT_PROGRAM + "\" \"C:\\no such folder\\box.qvl\"");
    ASSERT_TRUE(program.Started());
    bool dialogSeen = false;
    std::vector<std::string> others;
    const DWORD start = GetTickCount();
    while (program.Running(20) && GetTickCount() - start < 60000) {
        for (const auto& [window, caption] : VisibleWindowsOf(program.Id())) {
            if (caption == "Decrypt") {
                dialogSeen = true;
                PostMessageA(window, WM_CLOSE, 0, 0);
            } else {
                others.push_back(caption);
            }
        }
    }
    EXPECT_TRUE(dialogSeen);
    EXPECT_FALSE(program.Running());
    EXPECT_EQ(others, std::vector<std::string>{}) << "no other window of the program shows";
}
