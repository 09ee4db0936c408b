// Menus: shortcut texts, the item that a shortcut reaches, and dispatch through the form's window.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/Harness.h"
#include "toolkit/forms/Form.h"
#include "toolkit/menus/Menus.h"

TEST(MenuShortCutTest, TextsNameKeysAndModifiersAsMenusShowThem) {
    struct {
        TShortCut keys;
        const char* text;
    } cases[] = {
        {VK_F6, "F6"},           {scAlt | VK_F4, "Alt+F4"},      {VK_DELETE, "Del"},
        {scCtrl | VK_DELETE, "Ctrl+Del"}, {scCtrl | 'O', "Ctrl+O"}, {VK_RETURN, "Enter"},
        {scShift | scCtrl | 'A', "Shift+Ctrl+A"}, {scNone, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortCutToText(c.keys), c.text) << c.keys;
    EXPECT_EQ(ShortCut(VK_DELETE, ssCtrl), scCtrl | VK_DELETE);
}

TEST(MenuShortCutTest, FirstItemWithTheKeyDecidesAndDisabledParentsBlockIt) {
    TForm form(&harness::TestApplication());
    TPopupMenu menu(&form);
    auto* sub = new TMenuItem(&form);
    auto* inner = new TMenuItem(&form);
    auto* later = new TMenuItem(&form);
    int innerClicks = 0;
    int laterClicks = 0;
    struct TCounter {
        int* count;
        void Click(TComponent*) { ++*count; }
    } innerCounter{&innerClicks}, laterCounter{&laterClicks};
    sub->SetCaption("Sub");
    inner->SetCaption("Inner");
    inner->SetShortCut(VK_F5);
    inner->OnClick = MethodOf<&TCounter::Click>(&innerCounter);
    later->SetCaption("Later");
    later->SetShortCut(VK_F5);
    later->OnClick = MethodOf<&TCounter::Click>(&laterCounter);
    menu.Items().Add(sub);
    sub->Add(inner);
    menu.Items().Add(later);

    EXPECT_TRUE(menu.IsShortCut(VK_F5));
    EXPECT_EQ(innerClicks, 1);
    sub->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut(VK_F5));
    EXPECT_EQ(laterClicks, 0);
    EXPECT_FALSE(menu.IsShortCut(VK_F6));
    inner->Click();
    EXPECT_EQ(innerClicks, 1);
}

namespace {

// The text and state of an entry of a system menu.
std::string EntryText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

bool EntryGrayed(HMENU menu, UINT position) { return (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0; }

// A form with the bar File > Open (Ctrl+O), Close; the items count their clicks.
struct MainMenuTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        menu = new TMainMenu(form.get());
        file = Item("File");
        open = Item("Open");
        open->SetShortCut(scCtrl | 'O');
        open->OnClick = MethodOf<&harness::TClickCount::Click>(&openClicks);
        close = Item("Close");
        close->OnClick = MethodOf<&harness::TClickCount::Click>(&closeClicks);
        menu->Items().Add(file);
        file->Add(open);
        file->Add(close);
        menu->AttachTo(form.get());
    }
    TMenuItem* Item(const char* caption) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        return item;
    }
    // The File pop-up of the bar the window shows now.
    HMENU FileMenu() { return GetSubMenu(GetMenu(form->Handle()), 0); }
    void SendCommand(UINT command) { SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0); }

    harness::TClickCount openClicks, closeClicks;  // outlive the form
    std::unique_ptr<TForm> form;
    TMainMenu* menu = nullptr;
    TMenuItem *file = nullptr, *open = nullptr, *close = nullptr;
};

}  // namespace

TEST_F(MainMenuTest, CommandOfTheWindowsMenuBarClicksItsItemOnlyWhileEnabledAndAfterRecreation) {
    ASSERT_NE(FileMenu(), nullptr);
    EXPECT_EQ(GetMenuItemID(FileMenu(), 0), open->Command());
    EXPECT_EQ(GetMenuItemID(FileMenu(), 1), close->Command());
    SendCommand(GetMenuItemID(FileMenu(), 1));
    EXPECT_EQ(closeClicks.count, 1);
    EXPECT_EQ(openClicks.count, 0);

    file->SetEnabled(false);
    SendCommand(open->Command());
    EXPECT_EQ(openClicks.count, 0) << "a disabled parent must block its items";
    file->SetEnabled(true);

    // A new window gets the bar again and its commands still arrive.
    form->RecreateWnd();
    ASSERT_NE(FileMenu(), nullptr);
    SendCommand(GetMenuItemID(FileMenu(), 0));
    EXPECT_EQ(openClicks.count, 1);
    // A command no item knows, and a control's notification, reach no item.
    SendCommand(0xFFFF);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(open->Command(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(form->Handle()));
    EXPECT_EQ(openClicks.count, 1);
    EXPECT_EQ(closeClicks.count, 1);
}

TEST_F(MainMenuTest, BarIsRebuiltWhenACaptionShortcutStateOrSubItemChanges) {
    ASSERT_NE(FileMenu(), nullptr);
    EXPECT_EQ(EntryText(FileMenu(), 0), "Open\tCtrl+O");
    open->SetCaption("Open...");
    open->SetShortCut(VK_F3);
    EXPECT_EQ(EntryText(FileMenu(), 0), "Open...\tF3");
    close->SetEnabled(false);
    EXPECT_TRUE(EntryGrayed(FileMenu(), 1));
    EXPECT_FALSE(EntryGrayed(FileMenu(), 0));

    TMenuItem* added = Item("Exit");
    file->Add(added);
    ASSERT_EQ(GetMenuItemCount(FileMenu()), 3);
    EXPECT_EQ(GetMenuItemID(FileMenu(), 2), added->Command());
    delete close;
    ASSERT_EQ(GetMenuItemCount(FileMenu()), 2);
    EXPECT_EQ(EntryText(FileMenu(), 1), "Exit");
    EXPECT_EQ(EntryText(GetMenu(form->Handle()), 0), "File");
}
