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
#include "app/payload/ReplacingFile.h"
#include "app/payload/SecretText.h"
#include "app/payload/WriteFailure.h"
#include "toolkit/forms/PlaceControl.h"

TForm5* Form5 = nullptr;
bool DecryptStopFlag = true;

namespace {

TLabel* PlaceLabel(TForm5* form, int left, int top, const std::string& caption) {
    return PlaceControl<TLabel>(form, form, left, top, 65, 13, caption);
}

// The path less the extension of its file name; the whole path when the name has none.
std::string WithoutExtension(const std::string& path) {
    const std::string name = BareFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? path : DropLast(path, name.size() - dot);
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
    run_.SetInputs({Edit2, Button1, Edit3, CheckBox1, Button2});

    OnActivate = MethodOf<&TForm5::FormActivate>(this);
    OnKeyDown = MethodOf<&TForm5::FormKeyDown>(this);
    Edit3->OnKeyDown = MethodOf<&TForm5::Edit3KeyDown>(this);
    CheckBox1->OnClick = MethodOf<&TForm5::CheckBox1Click>(this);
    Button1->OnClick = MethodOf<&TForm5::Button1Click>(this);
    Button2->OnClick = MethodOf<&TForm5::Button2Click>(this);
    Button3->OnClick = MethodOf<&TForm5::Button3Click>(this);
    FinishLayout();
}

void TForm5::EnableControls(bool enabled) { run_.Enable(enabled); }

void TForm5::FormActivate(TComponent*) {
    EnableControls(true);
    Edit2->SetText(WithoutExtension(Edit1->Text()));
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

void TForm5::Button3Click(TComponent*) { run_.Cancel(); }

// The close box during a run asks the stop question instead of closing.
void TForm5::WndProc(TMessage& message) {
    if (!run_.AnswerClose(message)) TForm::WndProc(message);
}

void TForm5::EndRun(const std::string& text) {
    ShowDialogMessage(*this, text, kProductCaption, MB_OK | MB_ICONERROR);
    run_.End(false);
}

std::unique_ptr<TByteStream> TForm5::Intercept(TByteStream&, const std::string&) { return nullptr; }

void TForm5::Button2Click(TComponent*) {
    run_.Once([this] {
        // Blanks are a password the Encrypt dialog accepts; only an empty field is refused.
        const TSecretText password(Edit3->Text());
        if (password.Text().empty()) {
            run_.Refuse(kEnterPassword, MB_ICONINFORMATION, *Edit3);
            return;
        }
        std::vector<std::string> skipped;
        if (Decrypt(password.Text(), skipped)) ReportDecrypted(skipped);
    });
}

// Opens the container, checks password, folder and header, and writes every entry; false when the run ended
// early or never began. The container is closed and the cipher scrubbed on the way out.
bool TForm5::Decrypt(const std::string& password, std::vector<std::string>& skipped) {
    const std::string source = Edit1->Text();
    TWin32FileStream container(source, TFileMode::fmOpenRead);
    if (!container.IsOpen()) {
        ShowAccessDenied(*this, source, kProductCaption);
        return false;
    }
    const std::unique_ptr<TByteStream> intercepted = Intercept(container, source);
    TBufferedStream buffered(intercepted ? *intercepted : container);
    TPayloadReader reader(*QC_blowfish1, buffered, 0);  // scrubs the cipher on every way out
    if (!PasswordAccepted(reader, password) || !FolderReady() || !HeaderRead(reader)) return false;
    EnableControls(false);
    return ExtractAll(reader, skipped);
}

bool TForm5::PasswordAccepted(TPayloadReader& reader, const std::string& password) {
    if (reader.CheckPassword(password, this) == TPayloadResult::prOk) return true;
    run_.Refuse(kWrongPassword, MB_ICONERROR, *Edit3);
    Edit3->SelectAll();
    return false;
}

// The destination folder, created when missing.
bool TForm5::FolderReady() {
    const std::string folder = Edit2->Text();
    CreateFolderPath(folder);
    if (IsFolder(folder)) return true;
    run_.Refuse("Directory \"" + folder + "\" does not exist.", MB_ICONERROR, *Edit2);
    return false;
}

bool TForm5::HeaderRead(TPayloadReader& reader) {
    if (reader.ReadHeader() == TPayloadResult::prOk) return true;
    run_.Refuse(kWrongPassword, MB_ICONERROR, *Edit3);
    return false;
}

void TForm5::ReportDecrypted(const std::vector<std::string>& skipped) {
    if (skipped.empty()) {
        ShowDialogMessage(*this, "The file(s) has been successfully decrypted!", kProductCaption,
                          MB_OK | MB_ICONINFORMATION);
    } else {
        ShowDialogMessage(*this, "The other file(s) has been successfully decrypted." + NotDecrypted(skipped),
                          kProductCaption, MB_OK | MB_ICONWARNING);
    }
    Close();
}

// "Not decrypted:" and the names, each on a line of its own, after an empty line.
std::string TForm5::NotDecrypted(const std::vector<std::string>& names) {
    std::string text = "\r\rNot decrypted:";
    for (const std::string& name : names) text += "\r" + name;
    return text;
}

// A certain refusal for the entry's path (unusable entry, the container itself), before any question;
// empty when there is none.
std::string TForm5::Refusal(TPayloadReader& reader, size_t index, const std::string& path) {
    // A name that would leave the folder, or a size that is no byte count, is never written.
    if (!reader.CanExtract(index)) return AccessDeniedText(path);
    // Replacing a file that is the container under another name would destroy what is being read.
    const TAlias alias = FindAlias(path, {Edit1->Text()});
    if (alias.result == TAliasResult::arNone) return std::string();
    return alias.result == TAliasResult::arSame
               ? AccessDeniedText(path) + "\rThe source file \"" + alias.path + "\" is this same file."
               : AccessDeniedText(alias.path);
}

// Decrypts entry index into a new file beside path and puts it in path's place when whole.
TPayloadResult TForm5::ExtractOne(TPayloadReader& reader, size_t index, const std::string& path,
                                  const TPieceHooks& hooks, uint32_t& error) {
    const auto write = [&](TByteStream& output, uint32_t& writeError) {
        const std::unique_ptr<TByteStream> intercepted = Intercept(output, path);
        TByteStream& file = intercepted ? *intercepted : output;
        TBufferedStream buffered(file);
        TPayloadResult result = reader.Extract(index, buffered, hooks);
        if (result == TPayloadResult::prOk && !buffered.Flush()) result = TPayloadResult::prWriteFailed;
        writeError = file.LastError();
        return result;
    };
    return WriteReplacing(path, write, error);
}

// The run's header into ListBox1 (names) and ListBox2 (size texts).
void TForm5::ListEntries(const std::vector<TPayloadEntry>& entries) {
    ListBox1->Items().Clear();
    ListBox2->Items().Clear();
    for (const TPayloadEntry& entry : entries) {
        ListBox1->Items().Add(entry.name);
        ListBox2->Items().Add(entry.sizeText);
    }
}

int TForm5::OverwriteAnswer(const std::string& path) {
    return ShowDialogMessage(*this, AlreadyExistsQuestion(path, "Overwrite the existing file?"), kProductCaption,
                             MB_YESNOCANCEL | MB_ICONQUESTION);
}

// Why entry path was not written, from ExtractOne's result and error.
std::string TForm5::FailureText(TPayloadResult result, const std::string& path, uint32_t error) {
    if (result == TPayloadResult::prTruncated) return "The container ends before the end of this file:\r" + path;
    if (result == TPayloadResult::prReadFailed) return AccessDeniedText(Edit1->Text());
    return WriteFailureText(path, error);
}

// Writes every entry into the destination folder; false when the run ended early (the dialog then
// open and enabled, or closed after a stop). skipped gets the entries answered No.
bool TForm5::ExtractAll(TPayloadReader& reader, std::vector<std::string>& skipped) {
    const std::vector<TPayloadEntry>& entries = reader.Entries();
    ListEntries(entries);
    const TPieceHooks hooks = RunHooks(DecryptStopFlag, *ProgressBar1);
    const std::string folder = Edit2->Text();
    const size_t count = entries.size();
    // The entries a failure at i leaves unwritten: those skipped, this one and the rest.
    const auto unwritten = [&](size_t i) {
        std::vector<std::string> names = skipped;
        for (size_t j = i; j < count; ++j) names.push_back(entries[j].name);
        return NotDecrypted(names);
    };
    for (size_t i = 0; i < count; ++i) {
        const std::string path = JoinPath(folder, entries[i].name);
        TDialogRun::ShowFile(*Label4, i, count, entries[i].name);
        const std::string refusal = Refusal(reader, i, path);
        if (!refusal.empty()) {
            EndRun(refusal + unwritten(i));
            return false;
        }
        const int answer = IsFile(path) ? OverwriteAnswer(path) : IDYES;
        if (answer == IDNO) {
            skipped.push_back(entries[i].name);
            continue;
        }
        if (answer != IDYES) {
            run_.End(false);
            return false;
        }
        uint32_t error = 0;
        const TPayloadResult result = ExtractOne(reader, i, path, hooks, error);
        if (result == TPayloadResult::prStopped) {
            run_.End(true);
            return false;
        }
        if (result != TPayloadResult::prOk) {
            EndRun(FailureText(result, path, error) + unwritten(i));
            return false;
        }
        LetPendingMessagesRun();
    }
    return true;
}
