// The password prompt and the opening of a package: retries, refusals, the bare stub, hostile headers; what the
// package window carries besides its commands.
#include "tests/stub/StubTestSupport.h"

#include <commctrl.h>

#include <algorithm>

#include "tests/support/FakePlatform.h"
#include "toolkit/forms/Application.h"

namespace {

const std::vector<TPackedFile> kTwoFiles = {{"notes.txt", RandomBytes(100, 1)}, {"photo.jpg", RandomBytes(9000, 2)}};

using StubOpening = StubTest;

TEST_F(StubOpening, WrongPasswordIsRetriedThenTheRightOneListsTheFiles) {
    const std::string package = Package(kTwoFiles);
    bool promptStayed = false;
    bool allSelected = false;
    OpenStub(package, {EnterPassword("Secret"), EnterPassword("wrong again"),
                       [&] {
                           promptStayed = Stub::Form2->IsModal() && !Window().PackageOpen();
                           allSelected = Stub::Form2->Edit1->SelLength() == 11;
                       },
                       EnterPassword("secret")});
    EXPECT_TRUE(promptStayed);
    EXPECT_TRUE(allSelected) << "a wrong password is selected for retyping";
    const auto boxes = scope.services.CallsOf(TServiceKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    for (const TServiceCall& box : boxes) {
        EXPECT_EQ(box.Text, "Incorrect password. Try again.");
        EXPECT_EQ(box.Caption, std::optional<std::string>("Error"));
        EXPECT_EQ(box.Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_EQ(box.Owner, Stub::Form2->Handle());
    }
    EXPECT_TRUE(Window().PackageOpen());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"notes.txt", "photo.jpg"}));
    EXPECT_EQ(Window().ListView1->Row(1).SubItems.at(0), "9000");
    EXPECT_EQ(Totals(), "Total files: 2     Total size: 8.89 KB");
    EXPECT_EQ(Window().Caption(), "Quiverlock 2.0");
    EXPECT_FALSE(Stub::Form2->Visible());

    SetWindowPos(Window().Handle(), nullptr, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER);  // shrunk as far as it goes
    EXPECT_GE(Window().ListView1->Height(), 40) << "the list keeps rows";
    EXPECT_GE(Window().ClientWidth(), Window().SpeedButton5->Left() + Window().SpeedButton5->Width());
}

// Only an empty field is refused: a password of blanks, which the Encrypt dialog accepts, opens its package.
TEST_F(StubOpening, EmptyPasswordIsRefusedAndAPasswordOfBlanksOpensItsPackage) {
    const std::string package = Package(kTwoFiles, "blanks.exe", "   ");
    OpenStub(package, {EnterPassword(""), EnterPassword(" "), EnterPassword("   ")});
    EXPECT_EQ(scope.services.MessageTexts(),
              (std::vector<std::string>{"Please enter the password.", "Incorrect password. Try again."}));
    EXPECT_EQ(scope.services.Calls()[0].Caption, std::optional<std::string>("Error"));
    EXPECT_TRUE(Window().PackageOpen());
}

TEST_F(StubOpening, BareStubAndCancelEndTheProgramSilently) {
    const std::string bare = scratch / "bare.exe";
    ASSERT_TRUE(CopyFileA(BuiltStubPath().c_str(), bare.c_str(), FALSE));
    OpenStub(bare, {EnterPassword("anything")});
    EXPECT_TRUE(Window().Ended());
    EXPECT_FALSE(Window().Visible());
    EXPECT_FALSE(Window().PackageOpen());

    OpenStub(Package(kTwoFiles), {[] { harness::ClickButton(*Stub::Form2->Button2); }});
    EXPECT_TRUE(Window().Ended());
    EXPECT_FALSE(Window().Visible());
    EXPECT_TRUE(scope.services.MessageTexts().empty());
}

TEST_F(StubOpening, EnterAndEscInThePromptAreOkAndCancel) {
    const std::string package = Package(kTwoFiles);
    OpenStub(package, {[] {
                           harness::TypeText(*Stub::Form2->Edit1, "secret");
                           harness::PressKey(VK_RETURN);
                       }});
    EXPECT_TRUE(Window().PackageOpen());
    OpenStub(package, {[] {
                           Stub::Form2->Edit1->SetFocus();
                           harness::PressKey(VK_ESCAPE);
                       }});
    EXPECT_TRUE(Window().Ended());
}

TEST_F(StubOpening, UnreadableOwnFileIsReportedAndEndsTheProgram) {
    const std::string missing = scratch / "gone.exe";
    OpenStub(missing, {EnterPassword("secret")});
    EXPECT_TRUE(Window().Ended());
    ASSERT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + missing});
    EXPECT_EQ(scope.services.Calls()[0].Caption, std::optional<std::string>("Error"));
}

TEST_F(StubOpening, EmptyPackageOpensWithZeroTotals) {
    OpenStub(Package({}));
    EXPECT_EQ(Window().ListView1->Count(), 0);
    EXPECT_EQ(Totals(), "Total files: 0     Total size: 0 byte(s)");
}

TEST_F(StubOpening, NamesAndSizesAreListedExactlyAsStored) {
    const std::string header = "r\xE9sum\xE9 & co %1.txt?0007?  lead.txt?12?tail?x9?";
    OpenStub(CraftedPackage(CraftHeaderPayload("pw", header)), "pw");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"r\xE9sum\xE9 & co %1.txt", "  lead.txt", "tail"}));
    EXPECT_EQ(Window().ListView1->Row(0).SubItems.at(0), "0007");
    EXPECT_EQ(Window().ListView1->Row(2).SubItems.at(0), "x9");
    EXPECT_EQ(Totals(), "Total files: 3     Total size: 19 byte(s)") << "a size that is no number adds nothing";
}

TEST_F(StubOpening, HeaderLengthsThatNoHeaderCanHaveAreAWrongPassword) {
    const std::string header = "a.txt?1?";
    for (const std::string& field : {std::string("-000000008"), std::string("0000020481"), std::string("0000000900"),
                                     std::string("00000008x "), std::string("+000000008")}) {
        scope.services = TScriptedServices();
        OpenStub(CraftedPackage(CraftPayload("pw", field, header, {1})), {EnterPassword("pw"), [] {
                                                                             Stub::Form2->SetModalResult(mrCancel);
                                                                         }});
        EXPECT_FALSE(Window().PackageOpen()) << field;
        EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"Incorrect password. Please retype it."})
            << field;
    }
}

TEST_F(StubOpening, PromptClosedWithoutAnswerLeavesAWindowWhoseCommandsRefuse) {
    OpenStub(Package(kTwoFiles), {[] { PostMessageA(Stub::Form2->Handle(), WM_CLOSE, 0, 0); }});
    EXPECT_FALSE(Window().Ended());
    EXPECT_FALSE(Window().PackageOpen());
    EXPECT_EQ(Window().ListView1->Count(), 0);
    for (TSpeedButton* button : {Window().SpeedButton1, Window().SpeedButton2, Window().SpeedButton3})
        harness::ClickControl(*button);
    EXPECT_TRUE(scope.services.Calls().empty()) << "no command may ask, launch or report without a package";
}

TEST_F(StubOpening, WindowCarriesAnAltKeyFixTrackingBothWindowsAndMenuItemsShowTheirButtonsGlyphs) {
    TFakePlatform platform;  // themed Windows 6, where the Alt-key fix is at work
    TScopedPlatformInfo themed(platform);
    OpenStub(Package(kTwoFiles));
    TAltKeyFix* fix = Window().AltKeyFix1;
    ASSERT_NE(fix, nullptr);
    EXPECT_EQ(fix->Owner(), &Window());
    EXPECT_TRUE(fix->RepaintAll);
    ASSERT_FALSE(fix->Inert());
    Application->Idle();
    std::vector<TForm*> tracked;
    for (const auto& tracker : fix->Trackers()) tracked.push_back(tracker->TrackedForm());
    for (TForm* form : {static_cast<TForm*>(Stub::Form1), static_cast<TForm*>(Stub::Form2)})
        EXPECT_NE(std::find(tracked.begin(), tracked.end(), form), tracked.end()) << form->Name();

    Stub::TForm1& w = Window();
    const std::pair<TMenuItem*, TSpeedButton*> commands[] = {
        {w.N1, w.SpeedButton1}, {w.N3, w.SpeedButton2}, {w.Information1, w.SpeedButton3}, {w.N4, w.SpeedButton5}};
    EXPECT_EQ(w.PopupMenu1->Images(), w.ImageList1);
    for (const auto& [item, button] : commands) EXPECT_EQ(item->ImageIndex(), button->GlyphIndex()) << item->Caption();
    EXPECT_EQ(w.N2->ImageIndex(), -1);
    // The tests carry no pictures of their own: the built program's strip must hold the Select All glyph too.
    std::unique_ptr<HINSTANCE__, decltype(&FreeLibrary)> stub(
        LoadLibraryExA(BuiltStubPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), &FreeLibrary);
    ASSERT_NE(stub, nullptr);
    TImageList strip(nullptr, 16, 16);
    EXPECT_GT(strip.AddFromResource(stub.get(), "IMAGELIST1", RGB(255, 0, 255)), w.SelectAll1->ImageIndex());
    EXPECT_GE(w.SelectAll1->ImageIndex(), 0);
}

// Only a file of exactly the stub's size is the bare stub; one cut inside the stub, or the stub with a few bytes
// after it, has no payload to open.
TEST_F(StubOpening, FilesTooShortForAPayloadAreAWrongPassword) {
    const std::vector<uint8_t> stub = FileBytes(BuiltStubPath());
    for (const size_t length : {stub.size() - 1, stub.size() + 3}) {
        std::vector<uint8_t> bytes = stub;
        bytes.resize(length, 'x');
        PutFile(scratch / "short.exe", bytes);
        scope.services = TScriptedServices();
        OpenStub(scratch / "short.exe", {EnterPassword("secret"), [] { Stub::Form2->SetModalResult(mrCancel); }});
        EXPECT_FALSE(Window().PackageOpen()) << length;
        EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"Incorrect password. Try again."}) << length;
    }
}

TEST_F(StubOpening, RowsShowTheRowPictureAsStateImageZeroAndNoSmallImage) {
    OpenStub(Package(kTwoFiles));
    TListView& list = *Window().ListView1;
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(SendMessageA(list.Handle(), LVM_GETIMAGELIST, LVSIL_STATE, 0),
              reinterpret_cast<LRESULT>(Window().ImageList1->Handle()));
    for (int i = 0; i < list.Count(); ++i) {
        // The window counts state pictures from 1.
        EXPECT_EQ(SendMessageA(list.Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK),
                  static_cast<LRESULT>(INDEXTOSTATEIMAGEMASK(1)));
        EXPECT_EQ(list.Row(i).ImageIndex, -1);
    }
}

}  // namespace
