// Owner-drawn menus: item state in the system menu, draw and measure requests routed to the item across rebuilds,
// popup menus whose items know their system menus while shown; pictures beside items of system-drawn menus.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "tests/support/ThreadTimer.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/menus/Menus.h"

namespace {

struct TEventLog {
    int draws = 0;
    int measures = 0;
    TComponent* sender = nullptr;
    RECT rect{};
    bool selected = false;
    void Draw(TComponent* s, TCanvas& canvas, RECT r, bool sel) {
        ++draws;
        sender = s;
        rect = r;
        selected = sel;
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(r);
    }
    void Measure(TComponent* s, TCanvas&, int& width, int& height) {
        ++measures;
        sender = s;
        width = 77;
        height = 33;
    }
};

MENUITEMINFOA ItemInfo(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    return info;
}

struct MenuOwnerDrawTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        menu = new TMainMenu(form.get());
        file = Add(menu->Items(), "File");
        open = Add(*file, "Open");
        line = Add(*file, "-");
        menu->AttachTo(form.get());
        form->HandleNeeded();
        open->OnDrawItem = MethodOf<&TEventLog::Draw>(&log);
        open->OnMeasureItem = MethodOf<&TEventLog::Measure>(&log);
    }
    TMenuItem* Add(TMenuItem& parent, const char* caption) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        parent.Add(item);
        return item;
    }
    LRESULT SendDraw(ULONG_PTR data, HDC dc, RECT rect, UINT state) {
        return harness::SendMenuDrawItem(form->Handle(), reinterpret_cast<const void*>(data), dc, rect, state);
    }
    // Asks the form to measure the item into a fresh structure; returns the form's answer.
    LRESULT Measure(const TMenuItem* item, MEASUREITEMSTRUCT& measure) {
        measure = MEASUREITEMSTRUCT{};
        measure.CtlType = ODT_MENU;
        measure.itemData = reinterpret_cast<ULONG_PTR>(item);
        return SendMessageA(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    }
    TEventLog log;
    std::unique_ptr<TForm> form;
    TMainMenu* menu = nullptr;
    TMenuItem *file = nullptr, *open = nullptr, *line = nullptr;
};

TEST_F(MenuOwnerDrawTest, OwnerDrawAndItemStateReachTheSystemMenuAndSurviveRebuilds) {
    open->SetChecked(true);
    open->SetRadioItem(true);
    open->SetDefault(true);
    menu->SetOwnerDraw(true);
    file->SetCaption("Files");  // rebuilds the menu bar
    HMENU bar = GetMenu(form->Handle());
    ASSERT_EQ(bar, menu->Handle());
    MENUITEMINFOA top = ItemInfo(bar, 0);
    EXPECT_TRUE(top.fType & MFT_OWNERDRAW);
    EXPECT_EQ(top.dwItemData, reinterpret_cast<ULONG_PTR>(file));
    EXPECT_EQ(top.hSubMenu, file->Handle());
    MENUITEMINFOA sub = ItemInfo(file->Handle(), 0);
    EXPECT_TRUE(sub.fType & MFT_OWNERDRAW);
    EXPECT_TRUE(sub.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(sub.fState & MFS_CHECKED);
    EXPECT_TRUE(sub.fState & MFS_DEFAULT);
    EXPECT_TRUE(open->OnDrawItem);
    EXPECT_EQ(open->MenuIndex(), 0);
    EXPECT_EQ(line->MenuIndex(), 1);
    EXPECT_EQ(line->GetParentMenu(), menu);
    menu->SetOwnerDraw(false);
    EXPECT_FALSE(ItemInfo(GetMenu(form->Handle()), 0).fType & MFT_OWNERDRAW);
    EXPECT_TRUE(ItemInfo(file->Handle(), 1).fType & MFT_SEPARATOR);
}

TEST_F(MenuOwnerDrawTest, DrawAndMeasureRequestsReachTheItemsEventsAndStaleItemsAreIgnored) {
    menu->SetOwnerDraw(true);
    TBitmap target;
    target.SetSize(40, 20);
    EXPECT_EQ(SendDraw(reinterpret_cast<ULONG_PTR>(open), target.Canvas().Handle(), RECT{5, 2, 30, 18}, ODS_SELECTED),
              TRUE);
    EXPECT_EQ(log.draws, 1);
    EXPECT_EQ(log.sender, open);
    EXPECT_TRUE(log.selected);
    EXPECT_EQ(log.rect.left, 5);
    EXPECT_EQ(target.Canvas().Pixel(10, 10), static_cast<TColor>(RGB(255, 0, 0)));

    MEASUREITEMSTRUCT measure;
    EXPECT_EQ(Measure(open, measure), TRUE);
    EXPECT_EQ(log.measures, 1);
    EXPECT_EQ(measure.itemWidth, 77u);
    EXPECT_EQ(measure.itemHeight, 33u);

    // An item without events gets the plain look; an address that is no item of the menu is not touched.
    Measure(line, measure);
    EXPECT_GT(measure.itemHeight, 0u);
    int stale = 0;
    SendDraw(reinterpret_cast<ULONG_PTR>(&stale), target.Canvas().Handle(), RECT{0, 0, 10, 10}, 0);
    EXPECT_EQ(log.draws, 1);
    EXPECT_EQ(stale, 0);
}

// The system draws a bar item while its loop still runs, also when a click ends the loop: a painter that shows
// the item hot while the bar tracks leaves it so unless the bar is drawn again after the loop.
TEST_F(MenuOwnerDrawTest, BarIsLastDrawnAtRestWhenItsMenuLoopEnds) {
    struct TBarLog {
        TMainMenu* menu;
        int draws = 0;
        bool lastTracking = false;
        void Draw(TComponent*, TCanvas&, RECT, bool) {
            ++draws;
            lastTracking = menu->Tracking();
        }
    } bar{menu};
    menu->SetOwnerDraw(true);
    file->OnDrawItem = MethodOf<&TBarLog::Draw>(&bar);
    form->Show();
    ASSERT_TRUE(harness::ProcessUntil([&bar] { return bar.draws > 0; }));
    bool tracked = false;
    const TThreadTimer inside(10, [&] {
        if (tracked) return;
        tracked = menu->Tracking();
        EndMenu();
    });
    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);  // the bar's own loop, as F10 starts it
    EXPECT_TRUE(tracked);
    EXPECT_FALSE(menu->Tracking());
    EXPECT_TRUE(harness::ProcessUntil([&bar] { return !bar.lastTracking; })) << "the item stays drawn as tracked";
}

// A list of 4 x 4 pictures, one of each colour (0x00RRGGBB).
TImageList* SolidPictures(TComponent* owner, std::initializer_list<DWORD> colours) {
    auto* list = new TImageList(owner, 4, 4);
    for (DWORD colour : colours) {
        std::vector<DWORD> pixels(16, colour);
        TBitmapHandle picture(CreateBitmap(4, 4, 1, 32, pixels.data()));
        ImageList_Add(list->Handle(), picture.Get(), nullptr);
    }
    return list;
}

TEST_F(MenuOwnerDrawTest, SystemDrawnItemsShowThePictureOfTheirIndexFromTheListThatApplies) {
    TImageList* menuImages = SolidPictures(form.get(), {0x00FF0000, 0x000000FF});
    TMenuItem* plain = Add(*file, "Plain");
    TMenuItem* outside = Add(*file, "Outside");
    open->OnDrawItem = {};
    open->OnMeasureItem = {};
    open->SetImageIndex(1);
    outside->SetImageIndex(2);
    menu->SetImages(menuImages);
    auto bitmapOf = [&](int position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP | MIIM_FTYPE;
        EXPECT_TRUE(GetMenuItemInfoA(file->Handle(), static_cast<UINT>(position), TRUE, &info));
        EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
        return info.hbmpItem;
    };
    EXPECT_EQ(bitmapOf(open->MenuIndex()), HBMMENU_CALLBACK);
    EXPECT_EQ(bitmapOf(plain->MenuIndex()), nullptr) << "no index, no picture";
    EXPECT_EQ(bitmapOf(outside->MenuIndex()), nullptr) << "an index past the list's end draws nothing";

    MEASUREITEMSTRUCT measure;
    EXPECT_EQ(Measure(open, measure), TRUE);
    EXPECT_GT(measure.itemWidth, 4u) << "the picture with room beside it";
    EXPECT_EQ(measure.itemHeight, 4u);
    auto drawnColour = [&](const TMenuItem* item) {
        TBitmap target;
        target.SetSize(20, 20);
        target.Canvas().Brush().SetColor(clWhite);
        target.Canvas().FillRect(RECT{0, 0, 20, 20});
        SendDraw(reinterpret_cast<ULONG_PTR>(item), target.Canvas().Handle(), RECT{0, 0, 20, 20}, 0);
        EXPECT_EQ(target.Canvas().Pixel(2, 2), static_cast<TColor>(RGB(255, 255, 255))) << "the picture is centred";
        return target.Canvas().Pixel(9, 9);
    };
    EXPECT_EQ(drawnColour(open), static_cast<TColor>(RGB(0, 0, 255)));
    EXPECT_EQ(drawnColour(plain), static_cast<TColor>(RGB(255, 255, 255)));
    // The parent's own list comes before the menu's.
    file->SetSubMenuImages(SolidPictures(form.get(), {0x0000FF00, 0x0000FF00}));
    EXPECT_EQ(drawnColour(open), static_cast<TColor>(RGB(0, 255, 0)));
    EXPECT_EQ(log.draws, 0);
}

// Runs inside TrackPopupMenu's own loop: looks at the shown menu, asks the owner to draw an item, closes it.
struct TPopupProbe {
    TPopupMenu* popup = nullptr;
    TMenuItem* item = nullptr;
    HWND owner = nullptr;
    HMENU shownHandle = nullptr;
    HMENU subHandle = nullptr;
    LRESULT drawResult = 0;
    void Look() {
        if (shownHandle != nullptr) return;
        shownHandle = popup->Handle();
        subHandle = popup->Items().Items(1)->Handle();
        TBitmap target;
        target.SetSize(20, 20);
        drawResult = harness::SendMenuDrawItem(owner, item, target.Canvas().Handle(), RECT{0, 0, 20, 20}, 0);
        EndMenu();
    }
};

TEST_F(MenuOwnerDrawTest, ShownPopupRoutesItsItemsDrawingThroughTheOwnerFormAndForgetsHandlesAfterwards) {
    auto* popup = new TPopupMenu(form.get());
    TMenuItem* first = Add(popup->Items(), "First");
    TMenuItem* branch = Add(popup->Items(), "Branch");
    Add(*branch, "Leaf");
    popup->SetOwnerDraw(true);
    first->OnDrawItem = MethodOf<&TEventLog::Draw>(&log);
    form->Show();
    TWndMethod before = form->WindowProc;
    TPopupProbe probe;
    probe.popup = popup;
    probe.item = first;
    probe.owner = form->Handle();
    const TThreadTimer inside(10, [&probe] { probe.Look(); });
    popup->Popup(10, 10);
    EXPECT_NE(probe.shownHandle, nullptr);
    EXPECT_NE(probe.subHandle, nullptr);
    EXPECT_EQ(probe.drawResult, TRUE);
    EXPECT_GE(log.draws, 1);
    EXPECT_EQ(popup->Handle(), nullptr);
    EXPECT_EQ(branch->Handle(), nullptr);
    EXPECT_TRUE(form->WindowProc == before);  // the popup's link on its owner is gone again
    log.draws = 0;
    TBitmap target;
    target.SetSize(4, 4);
    EXPECT_EQ(SendDraw(reinterpret_cast<ULONG_PTR>(first), target.Canvas().Handle(), RECT{0, 0, 4, 4}, 0), FALSE);
    EXPECT_EQ(log.draws, 0);
}

// Inside TrackPopupMenu's loop: looks for a colour on screen inside the shown first item until it appears or
// five seconds have passed, then closes the menu.
struct TScreenProbe {
    TPopupMenu* popup = nullptr;
    HMENU menu = nullptr;
    COLORREF wanted = 0;
    bool found = false;
    bool closed = false;
    DWORD started = GetTickCount();
    void Look() {
        if (closed) return;
        menu = popup->Handle();
        RECT item{};
        if (menu != nullptr && GetMenuItemRect(nullptr, menu, 0, &item)) {  // the shown menu's own, in screen pixels
            TWindowDC screen(nullptr);
            for (int y = item.top; y < item.bottom && !found; ++y)
                for (int x = item.left; x < item.right && !found; ++x) found = GetPixel(screen.Get(), x, y) == wanted;
        }
        closed = found || GetTickCount() - started > 5000;
        if (closed) EndMenu();
    }
};

TEST_F(MenuOwnerDrawTest, ShownSystemDrawnPopupShowsItsItemsPictureOnScreen) {
    auto* popup = new TPopupMenu(form.get());
    popup->SetImages(SolidPictures(form.get(), {0x00FF0000}));
    Add(popup->Items(), "Pictured")->SetImageIndex(0);
    form->Show();
    TScreenProbe probe;
    probe.popup = popup;
    probe.wanted = RGB(255, 0, 0);
    const TThreadTimer inside(20, [&probe] { probe.Look(); });
    popup->Popup(40, 40);
    ASSERT_NE(probe.menu, nullptr);
    EXPECT_TRUE(probe.found) << "the picture's colour appears inside the item";
}

}  // namespace
