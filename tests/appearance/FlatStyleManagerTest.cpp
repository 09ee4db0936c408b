// The manager: its life with the styles, adoption of forms by an active style, hand-over, frames on request,
// and styles, forms and manager going in any order without leaving anything behind.
#include <algorithm>
#include <memory>
#include <vector>

#include "appearance/FlatStyleManager.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/forms/PlaceControl.h"
#include "toolkit/forms/Application.h"

namespace {

// A form with one popup menu and, when asked, a style of its own (active before its layout ends or not).
struct TStyledForm {
    enum TStyleKind { none, inactive, active };
    explicit TStyledForm(TStyleKind kind, TComponent* owner = nullptr) {
        form = new TLayoutForm(owner, [&](TForm& f) {
            popup = new TPopupMenu(&f);
            item = AddItem(&f, popup->Items(), "Item");
            if (kind != none) style = new TFlatStyle(&f);
            if (kind == active) style->SetActive(true);
        });
    }
    TForm* form = nullptr;
    TPopupMenu* popup = nullptr;
    TMenuItem* item = nullptr;
    TFlatStyle* style = nullptr;
};

template <class T, class U>
bool Holds(const std::vector<T*>& list, const U* entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

void PassMessageToApplicationWindow() { SendMessageA(Application->Handle(), WM_NULL, 0, 0); }

// Records what the manager asks of the control painters.
struct TRecordingStyler : TControlStyler {
    std::vector<TFlatStyle*> movedTo;
    std::vector<TWinControl*> movedExcept;
    std::vector<TWinControl*> restored;
    void Subclass(TFlatStyle&, TControl&) override {}
    void MoveTo(TFlatStyle& successor, TWinControl* exceptForm) override {
        movedTo.push_back(&successor);
        movedExcept.push_back(exceptForm);
    }
    void Restore(TWinControl& form) override { restored.push_back(&form); }
};

struct FlatStyleManagerTest : ::testing::Test {
    void SetUp() override { harness::TestApplication(); }
    void TearDown() override { EXPECT_EQ(FlatStyleManager, nullptr) << "a manager outlived every style"; }
};

TEST_F(FlatStyleManagerTest, ManagerComesWithTheFirstStyleRegistersInactiveOnesAndGoesWithTheLast) {
    auto* app = &harness::TestApplication();
    auto first = std::make_unique<TStyledForm>(TStyledForm::inactive, app);
    ASSERT_NE(FlatStyleManager, nullptr);
    TFlatStyleManager* manager = FlatStyleManager;
    auto second = std::make_unique<TStyledForm>(TStyledForm::inactive, app);
    EXPECT_EQ(FlatStyleManager, manager);
    EXPECT_EQ(manager->FlatStyles(), (std::vector<TFlatStyle*>{first->style, second->style}));
    EXPECT_TRUE(Holds(manager->StyledForms(), first->form));
    EXPECT_EQ(manager->ActiveFlatStyle(), nullptr);
    first->style->SetActive(true);  // the manager is not told
    EXPECT_EQ(manager->ActiveFlatStyle(), nullptr);
    // With no active style both frame requests are ignored.
    auto window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SendMessageA(Application->Handle(), FSM_PAINTWINDOWFRAME, 0, reinterpret_cast<LPARAM>(window));
    SendMessageA(Application->Handle(), FSM_PAINTITEMFRAME, 0, reinterpret_cast<LPARAM>(first->item));
    EXPECT_EQ(GetPropA(window, "QvlFlatMenuProc"), nullptr);
    DestroyWindow(window);
    delete first->form;
    EXPECT_NE(FlatStyleManager, nullptr);
    EXPECT_FALSE(Holds(FlatStyleManager->StyledForms(), first->form)) << "a form that went is forgotten";
    delete second->form;
    EXPECT_EQ(FlatStyleManager, nullptr);
    PassMessageToApplicationWindow();  // the hook went with the manager
}

TEST_F(FlatStyleManagerTest, ActiveStyleAdoptsOtherFormsAtTheNextMessageButNotExemptOrStyledOnes) {
    TStyledForm plain(TStyledForm::none);
    TStyledForm exempt(TStyledForm::none);
    exempt.form->SetTag(999);
    TStyledForm ownStyle(TStyledForm::inactive);
    TStyledForm leader(TStyledForm::active);
    TFlatStyleManager* manager = FlatStyleManager;
    EXPECT_EQ(manager->ActiveFlatStyle(), leader.style);
    EXPECT_TRUE(Holds(manager->PendingForms(), plain.form));
    EXPECT_FALSE(Holds(manager->PendingForms(), exempt.form));
    EXPECT_FALSE(Holds(manager->PendingForms(), ownStyle.form));
    EXPECT_FALSE(plain.popup->OwnerDraw()) << "queued only";
    PassMessageToApplicationWindow();
    EXPECT_TRUE(manager->PendingForms().empty());
    EXPECT_TRUE(plain.popup->OwnerDraw());
    EXPECT_TRUE(HoldsStyleOf(*plain.item, leader.style));
    EXPECT_FALSE(exempt.popup->OwnerDraw());
    EXPECT_FALSE(ownStyle.popup->OwnerDraw());

    // The leader goes first: the adopted form's items keep no handler of it.
    delete leader.form;
    EXPECT_TRUE(HoldsNoStyle(*plain.item));
    for (TStyledForm* f : {&plain, &exempt, &ownStyle}) delete f->form;
}

TEST_F(FlatStyleManagerTest, FormCreatedOrDestroyedWhileAStyleIsActiveJoinsOrLeavesTheQueue) {
    auto* app = &harness::TestApplication();
    TStyledForm leader(TStyledForm::active, app);
    TFlatStyleManager* manager = FlatStyleManager;
    PassMessageToApplicationWindow();
    TStyledForm joining(TStyledForm::none, app);  // heard through the application's insertion notice
    EXPECT_TRUE(Holds(manager->PendingForms(), joining.form));
    TStyledForm going(TStyledForm::none, app);
    delete going.form;
    EXPECT_FALSE(Holds(manager->PendingForms(), going.form));
    EXPECT_FALSE(Holds(manager->StyledForms(), going.form));
    PassMessageToApplicationWindow();
    EXPECT_TRUE(HoldsStyleOf(*joining.item, leader.style));
    delete joining.form;
    EXPECT_FALSE(Holds(manager->StyledForms(), joining.form));
    delete leader.form;
}

TEST_F(FlatStyleManagerTest, HandOverMovesPaintersToTheNextActiveStyleOrRestoresThemUnderAMainForm) {
    TRecordingStyler styler;
    auto* app = &harness::TestApplication();  // forms that go are heard of and forgotten
    TStyledForm adopted(TStyledForm::none, app);
    TStyledForm first(TStyledForm::active, app);
    TStyledForm second(TStyledForm::active, app);
    TFlatStyleManager* manager = FlatStyleManager;
    first.style->SetControlStyler(&styler);
    second.style->SetControlStyler(&styler);
    PassMessageToApplicationWindow();
    ASSERT_EQ(manager->ActiveFlatStyle(), first.style);

    delete first.form;  // a successor exists: the painters move, except those on the leaving form
    EXPECT_EQ(manager->ActiveFlatStyle(), second.style);
    ASSERT_EQ(styler.movedTo.size(), 1u);
    EXPECT_EQ(styler.movedTo[0], second.style);
    EXPECT_EQ(styler.movedExcept[0], first.form);

    // No successor and no main form yet: nothing is restored and the style keeps the role.
    second.style->SetDisableSubclassing(true);
    EXPECT_EQ(manager->ActiveFlatStyle(), second.style);
    EXPECT_TRUE(styler.restored.empty());

    // No successor under a main form: the styled forms' controls are restored, except on the leaving style's own
    // form, and the lists are emptied.
    TForm* main = nullptr;
    harness::TestApplication().CreateForm(main);
    second.style->SetDisableSubclassing(false);
    EXPECT_EQ(manager->ActiveFlatStyle(), nullptr);
    EXPECT_TRUE(Holds(styler.restored, adopted.form));
    EXPECT_FALSE(Holds(styler.restored, second.form));
    EXPECT_TRUE(manager->StyledForms().empty());
    EXPECT_TRUE(manager->PendingForms().empty());
    delete main;
    delete adopted.form;
    delete second.form;
}

TEST_F(FlatStyleManagerTest, InactiveStyleThatGoesTakesItsHandlersOutOfTheMenusItAdopted) {
    TStyledForm adopted(TStyledForm::none);
    TStyledForm leader(TStyledForm::active);
    PassMessageToApplicationWindow();
    leader.style->SetActive(false);  // walks its own form only
    ASSERT_TRUE(HoldsStyleOf(*adopted.item, leader.style));
    delete leader.style;
    EXPECT_TRUE(HoldsNoStyle(*adopted.item)) << "no item keeps a handler of a style that went";
    delete leader.form;
    delete adopted.form;
}

TEST_F(FlatStyleManagerTest, ActiveStyleWithoutAFormHandsEveryPainterToItsSuccessor) {
    TEdit* edit = nullptr;
    TForm* adopted = new TLayoutForm(nullptr, [&](TForm& f) { edit = PlaceControl<TEdit>(&f, &f, 10, 10, 80, 22); });
    auto lone = std::make_unique<TFlatStyle>(nullptr);
    lone->SetActive(true);
    FlatStyleManager->AddFlatStyle(lone.get());
    ASSERT_EQ(FlatStyleManager->ActiveFlatStyle(), lone.get());
    PassMessageToApplicationWindow();
    ASSERT_NE(SubClassOf(*lone, edit), nullptr);
    TStyledForm successor(TStyledForm::active);
    lone.reset();
    EXPECT_EQ(FlatStyleManager->ActiveFlatStyle(), successor.style);
    EXPECT_NE(SubClassOf(*successor.style, edit), nullptr) << "the painter moved, as no control lies on a missing form";
    EXPECT_TRUE(TControlSubClass::IsSubclassed(*edit));
    delete adopted;
    delete successor.form;
}

TEST_F(FlatStyleManagerTest, WindowFrameRequestFramesThePopupWindowUntilItHidesWithAShadowRegionOutsideXP) {
    for (bool xp : {false, true}) {
        TFakePlatform version(xp ? 5 : 6, xp ? 1 : 0);
        TScopedPlatformInfo scope(version);
        TStyledForm leader(TStyledForm::active);
        ASSERT_EQ(leader.style->IsWindowsXP(), xp);
        HWND window =
            CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 80, 60, nullptr, nullptr, nullptr, nullptr);
        auto ownProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
        SendMessageA(Application->Handle(), FSM_PAINTWINDOWFRAME, 0, reinterpret_cast<LPARAM>(window));
        EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProc);
        EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, 0, 0), 1);
        TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
        bool shaped = GetWindowRgn(window, region.Get()) != ERROR;
        EXPECT_EQ(shaped, !xp);
        RECT box{};
        GetRgnBox(region.Get(), &box);
        if (shaped) {
            EXPECT_TRUE(box.right == 80 && box.bottom == 60);
        }
        ShowWindow(window, SW_HIDE);
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), ownProc);
        EXPECT_EQ(GetWindowRgn(window, region.Get()), ERROR);
        DestroyWindow(window);
        delete leader.form;
    }
}

TEST_F(FlatStyleManagerTest, PaintedPopupItemAsksOnceForAFrameWhileOneRequestWaits) {
    TStyledForm leader(TStyledForm::active);
    TBitmap target;
    target.SetSize(100, 20);
    auto waiting = [] {
        MSG m;
        int n = 0;
        while (PeekMessageA(&m, Application->Handle(), FSM_PAINTITEMFRAME, FSM_PAINTWINDOWFRAME, PM_REMOVE)) ++n;
        return n;
    };
    waiting();
    leader.style->HandleDrawItem(leader.item, target.Canvas(), RECT{0, 0, 100, 20}, false);
    EXPECT_EQ(waiting(), 0) << "FlatMenu off asks for nothing";
    leader.style->SetFlatMenu(true);
    leader.style->HandleDrawItem(leader.item, target.Canvas(), RECT{0, 0, 100, 20}, false);
    leader.style->HandleDrawItem(leader.item, target.Canvas(), RECT{0, 0, 100, 20}, true);
    EXPECT_EQ(waiting(), 1);
    delete leader.form;
}

TEST_F(FlatStyleManagerTest, StylesFormsAndMenusGoInAnyOrder) {
    // Style created before its menus, then after them; the form goes first, or the style alone first.
    for (bool styleFirst : {true, false})
        for (bool deleteStyleAlone : {true, false}) {
            TFlatStyle* style = nullptr;
            TPopupMenu* popup = nullptr;
            auto* form = new TLayoutForm(nullptr, [&](TForm& f) {
                if (styleFirst) style = new TFlatStyle(&f);
                popup = new TPopupMenu(&f);
                AddItem(&f, popup->Items(), "Item");
                if (!styleFirst) style = new TFlatStyle(&f);
            });
            style->SetActive(true);
            if (deleteStyleAlone) {
                delete style;
                EXPECT_FALSE(popup->OwnerDraw());
                EXPECT_TRUE(HoldsNoStyle(*popup->Items().Items(0)));
            }
            delete form;
            EXPECT_EQ(FlatStyleManager, nullptr);
        }
}

}  // namespace
