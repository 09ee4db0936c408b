// The Decrypt dialog: destination folder and password, and the run that unpacks a standard container.
#include "app/Unit5.h"

#include <initializer_list>

#include "app/payload/FileSystem.h"
#include "app/shared/MessageBoxes.h"
#include "app/payload/PathText.h"
#include "app/shared/RunHooks.h"
#include "app/payload/BufferedStream.h"
#include "app/payload/DecimalText.h"
#include "app/payload/FileIdentity.h"
#include "app/payload/PayloadReader.h"
#include "app/payload/Win32FileStream.h"
#include "app/payload/WriteFailure.h"
#include "toolkit/forms/PlaceControl.h"

TForm5* Form5 = nullptr;
bool DecryptStopFlag = true;

namespace {

TLabel* PlaceLabel(TForm5* form, int left, int top, const std::string& caption) {
    return PlaceControl<TLabel>(form, form, left, top, 65, 13, caption);
}

}  // namespace

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    SetName("Form5");
    SetCaption("Decrypt");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetClientWidth(381);
    SetClientHeight(250);
    SetKeyPreview(true);

    Label1 = PlaceLabel(this, 10, 10, "Source file:");
    Edit1 = PlaceControl<TEdit>(this, this, 10, 26, 361, 21);
    Edit1->SetEnabled(false);
    Edit1->SetTabStop(false);
    Label2 = PlaceLabel(this, 10, 58, "Destination folder:");
    Edit2 = PlaceControl<TEdit>(this, this, 10, 74, 329, 21);
    Button1 = PlaceControl<TButton>(this, this, 349, 73, 23, 23);
    Button1->SetCaption("...");
    Label3 = PlaceLabel(this, 10, 106, "Password:");
    Edit3 = PlaceControl<TEdit>(this, this, 10, 122, 361, 21);
    Edit3->SetPasswordChar('*');
    CheckBox1 = PlaceControl<TCheckBox>(this, this, 10, 154, 97, 17);
    CheckBox1->SetCaption("Show password");
    Label4 = PlaceLabel(this, 10, 178, "");
    Label4->SetAutoSize(false);
    Label4->SetWidth(361);
    ProgressBar1 = PlaceControl<TProgressBar>(this, this, 10, 194, 361, 13);
    Button2 = PlaceControl<TButton>(this, this, 218, 218, 75, 23);
    Button2->SetCaption("Decrypt");
    Button3 = PlaceControl<TButton>(this, this, 298, 218, 75, 23);
    Button3->SetCaption("Cancel");
    ListBox1 = PlaceControl<TListBox>(this, this, 50, 210, 49, 25);
    ListBox1->SetVisible(false);
    ListBox2 = PlaceControl<TListBox>(this, this, 106, 210, 57, 25);
    ListBox2->SetVisible(false);
    QC_blowfish1 = new TQC_blowfish(this);

    int order = 0;
    for (TWinControl* control : std::initializer_list<TWinControl*>{Edit2, Button1, Edit3, CheckBox1, Button2, Button3,
                                                                     Edit1, ProgressBar1, ListBox1, ListBox2}) {
        control->SetTabOrder(order++);
    }

    OnActivate = MethodOf<&TForm5::FormActivate>(this);
    OnKeyDown = MethodOf<&TForm5::FormKeyDown>(this);
    Edit3->OnKeyDown = MethodOf<&TForm5::Edit3KeyDown>(this);
    CheckBox1->OnClick = MethodOf<&TForm5::CheckBox1Click>(this);
    Button1->OnClick = MethodOf<&TForm5::Button1Click>(this);
    Button2->OnClick = MethodOf<&TForm5::Button2Click>(this);
    Button3->OnClick = MethodOf<&TForm5::Button3Click>(this);
    FinishLayout();
}

void TForm5::EnableControls(bool enabled) {
    for (TWinControl* control : std::initializer_list<TWinControl*>{Edit2, Button1, Edit3, CheckBox1, Button2})
        control->SetEnabled(enabled);
    DecryptStopFlag = enabled;
}

void TForm5::FormActivate(TComponent*) {
    EnableControls(true);
    Edit2->SetText(DropLast(Edit1->Text(), 4));
    Edit3->SetText("");
    CheckBox1->SetChecked(false);
    Edit3->SetFocus();
    Label4->SetCaption("");
    ProgressBar1->SetPosition(0);
}

void TForm5::FormKeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    if (key == VK_ESCAPE) Button3->Click();
}

void TForm5::Edit3KeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    if (key == VK_RETURN) Button2->Click();
}

void TForm5::CheckBox1Click(TComponent*) { Edit3->SetPasswordChar(CheckBox1->Checked() ? '\0' : '*'); }

void TForm5::Button1Click(TComponent*) {
    if (auto folder = SystemServices().BrowseForFolder(Handle(), kSelectDestinationFolder)) Edit2->SetText(*folder);
}

void TForm5::Button3Click(TComponent*) {
    CancelOrAskStop(*this, DecryptStopFlag, "Do you want to stop the decryption process?");
}

// The close box during a run asks the stop question instead of closing.
void TForm5::WndProc(TMessage& message) {
    if (message.Msg == WM_CLOSE && !DecryptStopFlag) {
        Button3Click(this);
        message.Result = 0;
        return;
    }
    TForm::WndProc(message);
}

void TForm5::EndRun(const std::string& text, const char* caption) {
    ShowDialogMessage(*this, text, caption, MB_OK | MB_ICONERROR);
    EnableControls(true);
}

void TForm5::Button2Click(TComponent*) {
    const std::string password = Edit3->Text();
    if (TrimBlanks(password).empty()) {
        ShowDialogMessage(*this, kEnterPassword, kProductCaption, MB_OK | MB_ICONINFORMATION);
        Edit3->SetFocus();
        return;
    }
    bool done = false;
    {
        const std::string source = Edit1->Text();
        TWin32FileStream container(source, TFileMode::fmOpenRead);
        if (!container.IsOpen()) {
            ShowAccessDenied(*this, source, kProductCaption);
            return;
        }
        TBufferedStream buffered(container);
        TPayloadReader reader(*QC_blowfish1, buffered, 0);  // scrubs the cipher on every way out
        if (reader.CheckPassword(password, this) != TPayloadResult::prOk) {
            ShowDialogMessage(*this, kWrongPassword, kProductCaption, MB_OK | MB_ICONERROR);
            Edit3->SetFocus();
            Edit3->SelectAll();
            return;
        }
        const std::string folder = Edit2->Text();
        CreateFolderPath(folder);
        if (!IsFolder(folder)) {
            ShowDialogMessage(*this, "Directory \"" + folder + "\" does not exist.", kProductCaption,
                              MB_OK | MB_ICONERROR);
            Edit2->SetFocus();
            return;
        }
        if (reader.ReadHeader() != TPayloadResult::prOk) {
            ShowDialogMessage(*this, kWrongPassword, kProductCaption, MB_OK | MB_ICONERROR);
            Edit3->SetFocus();
            return;
        }
        EnableControls(false);
        done = ExtractAll(reader);
    }
    if (!done) return;
    ShowDialogMessage(*this, "The file(s) has been successfully decrypted!", kProductCaption,
                      MB_OK | MB_ICONINFORMATION);
    Close();
}

// Writes every entry into the destination folder; false when the run ended early (the dialog then
// open and enabled, or closed after a stop).
bool TForm5::ExtractAll(TPayloadReader& reader) {
    const std::vector<TPayloadEntry>& entries = reader.Entries();
    ListBox1->Items().Clear();
    ListBox2->Items().Clear();
    for (const TPayloadEntry& entry : entries) {
        ListBox1->Items().Add(entry.name);
        ListBox2->Items().Add(entry.sizeText);
    }
    const TPieceHooks hooks = RunHooks(DecryptStopFlag, *ProgressBar1);
    const std::string folder = Edit2->Text();
    const size_t count = entries.size();
    for (size_t i = 0; i < count; ++i) {
        const std::string path = JoinPath(folder, entries[i].name);
        Label4->SetCaption(std::to_string(i + 1) + "/" + std::to_string(count) + ": " + entries[i].name);
        // A name that would leave the folder, or a size that is no byte count, is never written.
        if (!reader.CanExtract(i)) {
            EndRun(AccessDeniedText(path), kProductCaption);
            return false;
        }
        if (IsFile(path)) {
            const int answer = ShowDialogMessage(
                *this, AlreadyExistsQuestion(path, "Overwrite the existing file?"), kProductCaption,
                MB_YESNOCANCEL | MB_ICONQUESTION);
            if (answer == IDNO) continue;
            if (answer != IDYES) {
                EnableControls(true);
                return false;
            }
        }
        // Emptying a file that is the container under another name would destroy what is being read.
        const TAlias alias = FindAlias(path, {Edit1->Text()});
        if (alias.result != TAliasResult::arNone) {
            EndRun(alias.result == TAliasResult::arSame
                       ? AccessDeniedText(path) + "\rThe source file \"" + alias.path + "\" is this same file."
                       : AccessDeniedText(alias.path),
                   kProductCaption);
            return false;
        }
        TPayloadResult result = TPayloadResult::prWriteFailed;
        uint32_t error = 0;
        {
            TWin32FileStream output(path, TFileMode::fmCreate);
            TBufferedStream buffered(output);
            if (output.IsOpen()) result = reader.Extract(i, buffered, hooks);
            if (result == TPayloadResult::prOk && !buffered.Flush()) result = TPayloadResult::prWriteFailed;
            error = output.LastError();
        }
        if (result == TPayloadResult::prStopped) {
            EnableControls(true);
            Close();
            return false;
        }
        if (result == TPayloadResult::prTruncated) {
            EndRun("The container ends before the end of this file:\r" + path, kProductCaption);
            return false;
        }
        if (result != TPayloadResult::prOk) {
            EndRun(WriteFailureText(path, error), kProductCaption);
            return false;
        }
        LetPendingMessagesRun();
    }
    return true;
}
