// Forms: layout events, client size, key preview, dialog keys, tab order and the modal loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/core/Exception.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/forms/Screen.h"

namespace {

struct Log {
    std::vector<std::string> entries;
    std::uint16_t swallow = 0;
    TCloseAction closeAction = caHide;
    void FormKey(TComponent*, std::uint16_t& key, TShiftState) {
        entries.push_back("form " + std::to_string(key));
        if (key == swallow) key = 0;
    }
    void EditKey(TComponent*, std::uint16_t& key, TShiftState) { entries.push_back("edit " + std::to_string(key)); }
    void Created(TComponent*) { entries.push_back("create"); }
    void Shown(TComponent* sender) {
        entries.push_back(IsWindowVisible(static_cast<TForm*>(sender)->Handle()) ? "show visible" : "show hidden");
    }
    void Activated(TComponent*) { entries.push_back("activate"); }
    void Closing(TComponent*, TCloseAction& action) {
        entries.push_back("close");
        action = closeAction;
    }
    void Clicked(TComponent* sender) { entries.push_back("click " + static_cast<TControl*>(sender)->Caption()); }
};

class TLayoutForm : public TForm {
public:
    TLayoutForm(TComponent* owner, Log* log) : TForm(owner), log_(log) {
        OnCreate = MethodOf<&Log::Created>(log);
        edit = new TEdit(this);
        edit->SetParent(this);
        FinishLayout();
    }
    TEdit* edit;

protected:
    void Loaded() override { log_->entries.push_back("loaded"); }

private:
    Log* log_;
};

TEST(FormLayout, LoadedRunsBeforeOnCreateAndControlsAreNoLongerLoading) {
    harness::TestApplication();
    Log log;
    TLayoutForm form(nullptr, &log);
    const std::vector<std::string> expected = {"loaded", "create"};
    EXPECT_EQ(log.entries, expected);
    EXPECT_FALSE(form.edit->IsLoading());
}

TEST(FormLayout, ClientSizeIsWhatTheWindowGets) {
    harness::TestApplication();
    for (TFormBorderStyle style : {bsDialog, bsSizeable, bsSingle}) {
        TForm form(nullptr);
        form.SetBorderStyle(style);
        form.SetClientWidth(381);
        form.SetClientHeight(275);
        RECT client{};
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, 381) << style;
        EXPECT_EQ(client.bottom, 275) << style;
    }
}

TEST(FormLayout, ClientToScreenCountsCaptionAndBordersOfTheForm) {
    harness::TestApplication();
    TForm form(nullptr);
    form.SetBounds(50, 60, 300, 200);
    TEdit* edit = PlaceControl<TEdit>(&form, &form, 10, 20, 100, 21);
    form.Handle();
    POINT expected{3, 4};
    ::ClientToScreen(edit->Handle(), &expected);
    POINT got = edit->ClientToScreen(POINT{3, 4});
    EXPECT_EQ(got.x, expected.x);
    EXPECT_EQ(got.y, expected.y);
    POINT back = edit->ScreenToClient(got);
    EXPECT_EQ(back.x, 3);
    EXPECT_EQ(back.y, 4);
}

TEST(FormLayout, ScreenKeepsTheListOfLiveForms) {
    harness::TestApplication();
    int before = Screen->FormCount();
    auto form = std::make_unique<TForm>(nullptr);
    ASSERT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), form.get());
    form.reset();
    EXPECT_EQ(Screen->FormCount(), before);
}

struct KeyTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        form->OnKeyDown = MethodOf<&Log::FormKey>(&log);
        first = AddEdit(form.get(), 10);
        box = PlaceControl<TGroupBox>(form.get(), form.get(), 10, 40, 200, 80);
        inner = AddEdit(box, 20);
        disabled = AddEdit(form.get(), 130);
        disabled->SetEnabled(false);
        last = AddEdit(form.get(), 160);
        first->OnKeyDown = MethodOf<&Log::EditKey>(&log);
        form->Show();
        first->SetFocus();
        harness::ProcessMessages();
    }
    TEdit* AddEdit(TWinControl* parent, int top) { return PlaceControl<TEdit>(form.get(), parent, 10, top, 100, 21); }
    TButton* AddButton(const char* caption) {
        auto* button = new TButton(form.get());
        button->SetCaption(caption);
        button->SetTop(200);
        button->SetParent(form.get());
        button->OnClick = MethodOf<&Log::Clicked>(&log);
        return button;
    }
    Log log;  // outlives the form whose events it records
    std::unique_ptr<TForm> form;
    TEdit *first, *inner, *disabled, *last;
    TGroupBox* box;
};

TEST_F(KeyTest, KeyPreviewLetsTheFormSeeKeysFirstAndSwallowThem) {
    const struct {
        bool preview;
        std::uint16_t swallowed;
        std::vector<std::string> expected;
    } cases[] = {
        {false, 0, {"edit 116"}},
        {true, 0, {"form 116", "edit 116"}},
        {true, VK_F5, {"form 116"}},
    };
    for (const auto& c : cases) {
        form->SetKeyPreview(c.preview);
        log.swallow = c.swallowed;
        log.entries.clear();
        harness::PressKey(VK_F5);
        EXPECT_EQ(log.entries, c.expected) << c.preview << " " << c.swallowed;
    }
}

TEST_F(KeyTest, TabFollowsTabOrderIntoContainersAndSkipsDisabledControls) {
    harness::PressKey(VK_TAB);
    EXPECT_TRUE(inner->Focused());
    harness::PressKey(VK_TAB);
    EXPECT_TRUE(last->Focused());
    harness::PressKey(VK_TAB);
    EXPECT_TRUE(first->Focused());
    last->SetTabOrder(0);
    harness::PressKey(VK_TAB);  // order is now last, first, box(inner), disabled
    EXPECT_TRUE(inner->Focused());
}

TEST_F(KeyTest, EnterAndEscClickTheDefaultAndCancelButtonsOnly) {
    form->SetKeyPreview(true);
    harness::PressKey(VK_RETURN);
    harness::PressKey(VK_ESCAPE);
    // Without such buttons the keys reach the handlers.
    const std::vector<std::string> plain = {"form 13", "edit 13", "form 27", "edit 27"};
    EXPECT_EQ(log.entries, plain);
    AddButton("OK")->SetDefault(true);
    AddButton("Cancel")->SetCancel(true);
    log.entries.clear();
    first->SetFocus();
    harness::PressKey(VK_RETURN);
    harness::PressKey(VK_ESCAPE);
    const std::vector<std::string> clicked = {"click OK", "click Cancel"};
    EXPECT_EQ(log.entries, clicked);
}

struct ModalTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        owner = std::make_unique<TForm>(nullptr);
        owner->Show();
        dialog = std::make_unique<TForm>(nullptr);
        dialog->SetBorderStyle(bsDialog);
        dialog->OnShow = MethodOf<&Log::Shown>(&log);
        dialog->OnActivate = MethodOf<&Log::Activated>(&log);
        dialog->OnClose = MethodOf<&Log::Closing>(&log);
        ok = new TButton(dialog.get());
        ok->SetCaption("OK");
        ok->SetModalResult(mrOk);
        ok->SetParent(dialog.get());
        ok->OnClick = MethodOf<&Log::Clicked>(&log);
    }
    Log log;
    std::unique_ptr<TForm> owner, dialog;
    TButton* ok = nullptr;
};

TEST_F(ModalTest, ButtonEndsTheLoopWithItsResultAndTheOwnerIsEnabledAgain) {
    bool ownerDisabledInside = false;
    TModalResult result = harness::ShowModalWith(*dialog, {
        [&] { ownerDisabledInside = !IsWindowEnabled(owner->Handle()); },
        [&] { harness::ClickButton(*ok); },
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ownerDisabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(dialog->Visible());
    const std::vector<std::string> expected = {"show hidden", "activate", "click OK", "close"};
    EXPECT_EQ(log.entries, expected);
}

TEST_F(ModalTest, CloseBoxGivesCancelUnlessOnCloseRefuses) {
    log.closeAction = caNone;
    TModalResult result = harness::ShowModalWith(*dialog, {
        [&] { SendMessageA(dialog->Handle(), WM_CLOSE, 0, 0); },
        [&] { EXPECT_TRUE(dialog->Visible()) << "refused close still ended the loop"; },
        [&] { log.closeAction = caHide; },
        [&] { SendMessageA(dialog->Handle(), WM_CLOSE, 0, 0); },
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(ModalTest, EveryShowingActivatesAgain) {
    for (int round = 0; round < 2; ++round)
        harness::ShowModalWith(*dialog, {[&] { dialog->SetModalResult(mrCancel); }});
    int activations = static_cast<int>(std::count(log.entries.begin(), log.entries.end(), "activate"));
    EXPECT_EQ(activations, 2);
}

TEST_F(ModalTest, VisibleFormCannotBeShownModally) {
    EXPECT_THROW(owner->ShowModal(), Exception);
}

}  // namespace
