// The activation walk as rules: which menus and items a TFlatStyle binds and unbinds, and what its settings redo.
#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

#include "appearance/FlatStyleManager.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/appearance/NamedKinds.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/core/Exception.h"

namespace {

// Handlers of the application's own.
struct TOwnHandlers {
    void Draw(TComponent*, TCanvas&, RECT, bool) {}
    void Measure(TComponent*, TCanvas&, int&, int&) {}
};

struct FlatStyleRulesTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TLayoutForm>(nullptr, [this](TForm& f) {
            mainMenu = new TMainMenu(&f);
            file = AddItem(&f, mainMenu->Items(), "File");
            open = AddItem(&f, *file, "Open");
            exempt = AddItem(&f, *file, "Carrier");
            exempt->SetTag(999);
            exemptChild = AddItem(&f, *exempt, "Unhide files");
            owned = AddItem(&f, *file, "Own");
            owned->OnDrawItem = MethodOf<&TOwnHandlers::Draw>(&own);
            popup = new TPopupMenu(&f);
            popupItem = AddItem(&f, popup->Items(), "Add");
            exemptPopup = new TPopupMenu(&f);
            exemptPopup->SetTag(999);
            exemptPopupItem = AddItem(&f, exemptPopup->Items(), "Remove");
            style = new TFlatStyle(&f);
        });
        mainMenu->AttachTo(form.get());
    }
    TOwnHandlers own;
    std::unique_ptr<TForm> form;
    TMainMenu* mainMenu = nullptr;
    TPopupMenu *popup = nullptr, *exemptPopup = nullptr;
    TMenuItem *file = nullptr, *open = nullptr, *exempt = nullptr, *exemptChild = nullptr, *owned = nullptr;
    TMenuItem *popupItem = nullptr, *exemptPopupItem = nullptr;
    TFlatStyle* style = nullptr;
};

TEST_F(FlatStyleRulesTest, ActivationBindsMenusAndDeactivationClearsOnlyTheStylesHandlers) {
    style->SetActive(true);
    EXPECT_TRUE(mainMenu->OwnerDraw());
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(exemptPopup->OwnerDraw()) << "a popup menu's Tag is not consulted";
    for (TMenuItem* item : {file, open, exemptChild, popupItem, exemptPopupItem}) EXPECT_TRUE(HoldsStyleOf(*item, style));
    EXPECT_TRUE(HoldsNoStyle(*exempt)) << "Tag 999 keeps the item's own events, not its sub-items'";
    EXPECT_TRUE(owned->OnDrawItem == MethodOf<&TOwnHandlers::Draw>(&own));
    EXPECT_TRUE(TFlatStyle::HoldsMeasureHandler(*owned)) << "an unassigned measure event is still taken";
    EXPECT_EQ(file->Caption(), "File");

    style->SetActive(false);
    EXPECT_FALSE(mainMenu->OwnerDraw());
    EXPECT_FALSE(popup->OwnerDraw());
    for (TMenuItem* item : {file, open, exempt, exemptChild, owned, popupItem}) EXPECT_TRUE(HoldsNoStyle(*item));
    EXPECT_TRUE(owned->OnDrawItem == MethodOf<&TOwnHandlers::Draw>(&own)) << "the application's handler survives";
}

TEST_F(FlatStyleRulesTest, ExemptOrEmptyMainMenusAreLeftAloneAndDeactivationTurnsOwnerDrawOffEverywhere) {
    auto* emptyMenu = new TMainMenu(form.get());
    emptyMenu->SetOwnerDraw(true);
    mainMenu->SetTag(999);
    popup->SetOwnerDraw(true);  // owner-drawn before the style came
    style->SetActive(true);
    EXPECT_FALSE(mainMenu->OwnerDraw());
    EXPECT_TRUE(HoldsNoStyle(*open));
    EXPECT_TRUE(emptyMenu->OwnerDraw());
    style->SetActive(false);
    EXPECT_TRUE(emptyMenu->OwnerDraw()) << "a menu without items keeps its OwnerDraw";
    EXPECT_FALSE(popup->OwnerDraw());
}

TEST_F(FlatStyleRulesTest, WritingTheSameActiveTwiceWalksOnceAndOverrideOwnerDrawRebindsEverything) {
    style->SetActive(true);
    open->OnDrawItem.Clear();
    style->SetActive(true);
    EXPECT_FALSE(open->OnDrawItem) << "a second Active := True must not walk again";

    style->SetOverrideOwnerDraw(true);
    EXPECT_TRUE(HoldsStyleOf(*open, style));
    EXPECT_TRUE(HoldsStyleOf(*owned, style)) << "the application's handler is replaced";
    EXPECT_TRUE(HoldsNoStyle(*exempt));

    style->SetActive(false);
    style->SetOverrideOwnerDraw(false);
    owned->OnDrawItem = MethodOf<&TOwnHandlers::Draw>(&own);
    style->SetOverrideOwnerDraw(true);  // inactive: stored only
    EXPECT_TRUE(owned->OnDrawItem == MethodOf<&TOwnHandlers::Draw>(&own));
}

TEST_F(FlatStyleRulesTest, XPControlsWhileInactiveOnlyStoresAndWhileActiveRestylesWithTheNewSet) {
    style->SetXPControls(XPBit(xcPopupMenu));
    EXPECT_FALSE(mainMenu->OwnerDraw());
    EXPECT_TRUE(HoldsNoStyle(*open));
    EXPECT_EQ(style->XPControls(), XPBit(xcPopupMenu));

    style->SetXPControls(XPBit(xcMainMenu) | XPBit(xcPopupMenu));
    style->SetActive(true);
    style->SetXPControls(XPBit(xcPopupMenu));
    EXPECT_FALSE(mainMenu->OwnerDraw());
    EXPECT_TRUE(HoldsNoStyle(*open));
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(HoldsStyleOf(*popupItem, style));
    EXPECT_TRUE(style->Active());
}

TEST_F(FlatStyleRulesTest, AutoDetectedInsertionsReachTheWalkWhichHasNoRuleForALoneItem) {
    style->SetAutoDetect(true);
    style->SetActive(true);
    auto* later = new TMenuItem(form.get());
    later->SetCaption("Later");
    popup->Items().Add(later);
    EXPECT_TRUE(HoldsNoStyle(*later));  // styled at the next walk
    style->SetXPControls(XPBit(xcPopupMenu));  // a new set walks again
    EXPECT_TRUE(HoldsStyleOf(*later, style));
}

// Stands in for the control painters: records what the walk hands it.
struct TRecordingStyler : TControlStyler {
    std::vector<TControl*> subclassed;
    void Subclass(TFlatStyle&, TControl& control) override { subclassed.push_back(&control); }
    void MoveTo(TFlatStyle&, TWinControl*) override {}
    void Restore(TWinControl&) override {}
};

TEST_F(FlatStyleRulesTest, ControlsOfListedKindsOnListedParentsGoToThePainterUnlessTagged) {
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    auto* tagged = new TEdit(form.get());
    tagged->SetParent(form.get());
    tagged->SetTag(999);
    TRecordingStyler styler;
    style->SetControlStyler(&styler);
    style->SetXPControls(XPBit(xcMainMenu) | XPBit(xcPopupMenu));
    style->SetXPContainers(0);
    style->SetActive(true);
    EXPECT_TRUE(styler.subclassed.empty()) << "the main window's settings style no control";
    style->SetXPControls(XPBit(xcEdit));
    style->SetXPContainers(XPBit(xccForm));
    ASSERT_EQ(styler.subclassed.size(), 1u);
    EXPECT_EQ(styler.subclassed[0], edit);
    style->SetActive(false);
    form->SetTag(999);  // a parent with Tag 999 keeps its controls out too
    styler.subclassed.clear();
    style->SetActive(true);
    EXPECT_TRUE(styler.subclassed.empty());
    style->SetControlStyler(nullptr);
}

TEST_F(FlatStyleRulesTest, AStyleBeingDesignedStylesNoControlAndNoToolBar) {
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    auto* bar = new TToolBar(form.get());
    bar->SetParent(form.get());
    bar->AddButton(new TToolButton(form.get()));
    TRecordingStyler styler;
    style->SetControlStyler(&styler);
    style->SetXPControls(XPBit(xcEdit) | XPBit(xcToolbar));
    style->SetXPContainers(XPBit(xccForm));
    for (bool designing : {true, false}) {
        style->SetDesigning(designing);
        style->SetActive(true);
        EXPECT_EQ(styler.subclassed.size(), designing ? 0u : 1u) << designing;
        EXPECT_EQ(static_cast<bool>(bar->OnCustomDrawButton), !designing) << designing;
        style->SetActive(false);
    }
    style->SetControlStyler(nullptr);
}

// A control of kind C on a parent of kind P (the form itself when P is TForm).
template <class C, class P = TForm>
TControl* On(TForm& form) {
    TWinControl* parent = &form;
    if constexpr (!std::is_same_v<P, TForm>) {
        parent = new P(&form);
        parent->SetParent(&form);
    }
    auto* control = new C(&form);
    control->SetParent(parent);
    return control;
}

TControl* NavigatorButton(TForm& form) { return static_cast<TDBNavigator*>(On<TDBNavigator>(form))->Buttons[2]; }

TEST_F(FlatStyleRulesTest, ClassNameRowsMatchTheExactNameOfTheControlOrOfItsParent) {
    struct {
        const char* what;
        TControl* (*make)(TForm&);
        TXPControl kind;
        TXPContainer container;
        bool styled;
    } cases[] = {
        {"mask edit", On<TMaskEdit>, xcMaskEdit, xccForm, true},
        {"data-aware edit", On<TDBEdit>, xcMaskEdit, xccForm, true},
        {"an edit is no mask edit", On<TEdit>, xcMaskEdit, xccForm, false},
        {"navigator", On<TDBNavigator>, xcButton, xccForm, true},
        {"a panel is no navigator", On<TPanel>, xcButton, xccForm, false},
        {"navigator button, owned by the navigator", NavigatorButton, xcSpeedButton, xccPanel, true},
        {"edit on a dx tab sheet", On<TEdit, TdxTabSheet>, xcEdit, xccTabSheet, true},
        {"edit on a panel is not on a tab sheet", On<TEdit, TPanel>, xcEdit, xccTabSheet, false},
        {"edit on a control-grid panel", On<TEdit, TDBCtrlPanel>, xcEdit, xccFrame, true},
        {"edit on a panel is not in a frame", On<TEdit, TPanel>, xcEdit, xccFrame, false},
        {"a rich edit is a memo", On<TRichEdit>, xcMemo, xccForm, true},
        {"rich edit", On<TRichEdit>, xcRichEdit, xccForm, true},
        {"a memo is no rich edit", On<TMemo>, xcRichEdit, xccForm, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TControl* control = nullptr;
        TFlatStyle* own = nullptr;
        auto f = std::make_unique<TLayoutForm>(nullptr, [&](TForm& f) {
            control = c.make(f);
            own = new TFlatStyle(&f);
        });
        TRecordingStyler styler;
        own->SetControlStyler(&styler);
        own->SetXPControls(XPBit(c.kind));
        own->SetXPContainers(XPBit(c.container));
        own->SetActive(true);
        const auto& seen = styler.subclassed;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), control) != seen.end(), c.styled);
        own->SetControlStyler(nullptr);
    }
}

TEST_F(FlatStyleRulesTest, CursorInItemRectCountsTheLastColumnAndTheRowAboveTheLastAsInside) {
    form->SetBounds(100, 100, 300, 200);
    struct {
        int x, y;
        bool inside;
    } cases[] = {{110, 110, true}, {149, 128, true}, {150, 128, false}, {149, 129, false}, {109, 110, false}};
    const RECT rect{10, 10, 50, 30};
    for (const auto& c : cases) {
        SetCursorPos(c.x, c.y);
        POINT p{};
        GetCursorPos(&p);
        if (p.x != c.x || p.y != c.y) GTEST_SKIP() << "the display does not move the pointer";
        EXPECT_EQ(style->CursorInItemRect(form.get(), rect), c.inside) << c.x << "," << c.y;
    }
    EXPECT_FALSE(style->CursorInItemRect(nullptr, rect));
}

TEST_F(FlatStyleRulesTest, CreationTakesTheDefaultsAndRefusesAnOwnerThatDoesNotScroll) {
    EXPECT_EQ(style->XPControls(), kAllXPControls);
    EXPECT_EQ(style->XPContainers(), kAllXPContainers);
    EXPECT_EQ(style->IconWidth(), 24);
    EXPECT_EQ(style->SelectColor(), clHighlight);
    EXPECT_FALSE(style->SchemeDirty());
    style->SetSelectColor(clRed);
    EXPECT_TRUE(style->SchemeDirty());
    EXPECT_EQ(style->OwnerForm(), form.get());
    EXPECT_THROW(TFlatStyle{popup}, Exception);
    EXPECT_THROW(TFlatStyle{new TPanel(form.get())}, Exception) << "a panel does not scroll";
    TScrollBox box(nullptr);
    EXPECT_EQ(TFlatStyle(&box).OwnerForm(), &box) << "a scroll box does";
    TFlatStyle lone(nullptr);
    lone.SetActive(true);  // nothing to walk, no window to redraw
    EXPECT_EQ(lone.OwnerForm(), nullptr);
}

TEST_F(FlatStyleRulesTest, DestroyingTheStyleUnbindsItsMenusWhetherActiveOrNot) {
    style->SetActive(true);
    delete style;
    EXPECT_FALSE(mainMenu->OwnerDraw());
    for (TMenuItem* item : {file, open, exemptChild, owned, popupItem}) EXPECT_TRUE(HoldsNoStyle(*item));
    EXPECT_EQ(FlatStyleManager, nullptr);

    auto* inactive = new TFlatStyle(form.get());
    open->OnDrawItem = MethodOf<&TFlatStyle::HandleDrawItem>(inactive);  // left bound by hand
    mainMenu->SetOwnerDraw(true);
    delete inactive;
    EXPECT_FALSE(open->OnDrawItem);
    EXPECT_FALSE(mainMenu->OwnerDraw()) << "an inactive style's deactivation walk runs too";
}

}  // namespace
