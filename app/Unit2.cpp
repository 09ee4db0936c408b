// The Encrypt dialog: password, mode and destination, and the run that writes the container.
#include "app/Unit2.h"

#include <algorithm>

#include "app/CarrierPackage.h"
#include "app/payload/FileSystem.h"
#include "app/shared/MessageBoxes.h"
#include "app/DialogPaths.h"
#include "app/HideRecord.h"
#include "app/payload/PathText.h"
#include "app/shared/RunHooks.h"
#include "app/MainWindowFiles.h"
#include "app/payload/BufferedStream.h"
#include "app/payload/CarrierTrailer.h"
#include "app/payload/FileIdentity.h"
#include "app/payload/PayloadWriter.h"
#include "app/payload/Win32FileStream.h"
#include "app/payload/ReplacingFile.h"
#include "app/payload/SecretText.h"
#include "app/payload/WriteFailure.h"
#include "app/payload/StubSize.h"
#include "toolkit/forms/PlaceControl.h"

TForm2* Form2 = nullptr;
bool EncryptStopFlag = true;

namespace {

struct TModeTexts {
    const char* Item;
    const char* Filter;
    const char* Extension;  // empty: the name is taken as chosen
};

constexpr TModeTexts kModes[] = {
    {"Standard - QVL", "Encrypted Files (*.qvl)|*.qvl", ".qvl"},
    {"Self-decrypting package - EXE", "Executable Files (*.exe)|*.exe", ".exe"},
    {"Steganography - Hide in the carrier", "Any Files (*.*)|*.*", ""},
};

const TModeTexts& TextsOf(TEncryptMode mode) { return kModes[std::clamp(static_cast<int>(mode), 0, 2)]; }

TFileListRow Row(int index) { return MainWindowFiles->FileRow(index); }

int RowCount() { return MainWindowFiles != nullptr ? MainWindowFiles->FileRowCount() : 0; }

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

TLabel* PlaceLabel(TForm2* form, TWinControl* parent, int left, int top, const std::string& caption) {
    return PlaceControl<TLabel>(form, parent, left, top, 65, 13, caption);
}

}  // namespace

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    SetName("Form2");
    SetCaption("Encrypt");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetClientWidth(381);
    SetClientHeight(275);
    SetKeyPreview(true);

    Label1 = PlaceLabel(this, this, 10, 13, "Encryption mode:");
    ComboBox1 = PlaceControl<TComboBox>(this, this, 122, 10, 249, 21);
    ComboBox1->SetStyle(csDropDownList);
    for (const TModeTexts& mode : kModes) ComboBox1->Items().Add(mode.Item);
    GroupBox1 = PlaceControl<TGroupBox>(this, this, 10, 42, 361, 97);
    GroupBox1->SetCaption("Password");
    Label2 = PlaceLabel(this, GroupBox1, 16, 19, "Enter password:");
    Edit1 = PlaceControl<TEdit>(this, GroupBox1, 112, 16, 233, 21);
    Edit1->SetPasswordChar('*');
    Label3 = PlaceLabel(this, GroupBox1, 16, 47, "Verify password:");
    Edit2 = PlaceControl<TEdit>(this, GroupBox1, 112, 44, 233, 21);
    Edit2->SetPasswordChar('*');
    CheckBox1 = PlaceControl<TCheckBox>(this, GroupBox1, 112, 72, 129, 17);
    CheckBox1->SetCaption("Show password");
    Label4 = PlaceLabel(this, this, 10, 154, "");
    Edit3 = PlaceControl<TEdit>(this, this, 10, 170, 329, 21);
    BitBtn1 = PlaceControl<TBitBtn>(this, this, 347, 169, 23, 23);
    BitBtn1->SetCaption("...");
    Label5 = PlaceLabel(this, this, 10, 202, "");
    Label5->SetAutoSize(false);
    Label5->SetWidth(361);
    ProgressBar1 = PlaceControl<TProgressBar>(this, this, 10, 219, 361, 13);
    Button1 = PlaceControl<TButton>(this, this, 216, 243, 75, 23);
    Button1->SetCaption("Encrypt");
    Button2 = PlaceControl<TButton>(this, this, 296, 243, 75, 23);
    Button2->SetCaption("Cancel");
    SaveDialog1 = new TSaveDialog(this);
    QC_blowfish1 = new TQC_blowfish(this);

    // Tab order among siblings, set from the lowest place up.
    GroupBox1->SetTabOrder(0);
    Edit3->SetTabOrder(1);
    BitBtn1->SetTabOrder(2);
    Button1->SetTabOrder(3);
    Button2->SetTabOrder(4);
    ProgressBar1->SetTabOrder(5);
    ComboBox1->SetTabOrder(6);
    run_.SetInputs({ComboBox1, Edit1, Edit2, CheckBox1, Edit3, BitBtn1, Button1});

    OnActivate = MethodOf<&TForm2::FormActivate>(this);
    OnKeyDown = MethodOf<&TForm2::FormKeyDown>(this);
    Edit3->OnKeyDown = MethodOf<&TForm2::Edit3KeyDown>(this);
    ComboBox1->OnChange = MethodOf<&TForm2::ComboBox1Change>(this);
    CheckBox1->OnClick = MethodOf<&TForm2::CheckBox1Click>(this);
    BitBtn1->OnClick = MethodOf<&TForm2::BitBtn1Click>(this);
    Button1->OnClick = MethodOf<&TForm2::Button1Click>(this);
    Button2->OnClick = MethodOf<&TForm2::Button2Click>(this);
    FinishLayout();
}

void TForm2::EnableControls(bool enabled) { run_.Enable(enabled); }

std::string TForm2::ItemFullPath(int index) const {
    const TFileListRow row = Row(index);
    return JoinPath(row.Folder, row.Caption);
}

void TForm2::UpdateDestination() {
    Label4->SetCaption(Mode() == emCarrier ? "Carrier file:" : "Destination file:");
    const std::string folder = RowCount() > 0 ? Row(0).Folder : std::string();
    Edit3->SetText(ProposedContainer(folder, TextsOf(Mode()).Extension));
}

void TForm2::FormActivate(TComponent*) {
    EnableControls(true);
    ComboBox1->SetItemIndex(emPackage);
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
    Edit1->SetFocus();
    Label4->SetCaption("");
    Label5->SetCaption("");
    ProgressBar1->SetPosition(0);
    UpdateDestination();
}

void TForm2::FormKeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    if (key == VK_ESCAPE) Button2->Click();
}

void TForm2::Edit3KeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    if (key == VK_RETURN) Button1->Click();
}

void TForm2::ComboBox1Change(TComponent*) { UpdateDestination(); }

void TForm2::CheckBox1Click(TComponent*) {
    Edit1->SetPasswordChar(CheckBox1->Checked() ? '\0' : '*');
    Edit2->SetPasswordChar(Edit1->PasswordChar());
}

void TForm2::BitBtn1Click(TComponent*) {
    const TModeTexts& texts = TextsOf(Mode());
    SaveDialog1->Filter = texts.Filter;
    SaveDialog1->FileName = Edit3->Text();
    if (!SaveDialog1->Execute()) return;
    const std::string& chosen = SaveDialog1->FileName;
    Edit3->SetText(*texts.Extension != '\0' ? WithExtension(chosen, texts.Extension) : chosen);
}

void TForm2::Button2Click(TComponent*) { run_.Cancel(); }

// The close box during a run asks the stop question instead of closing.
void TForm2::WndProc(TMessage& message) {
    if (!run_.AnswerClose(message)) TForm::WndProc(message);
}

void TForm2::ShowInfo(const std::string& text, TWinControl* focus) { run_.Refuse(text, MB_ICONINFORMATION, *focus); }

bool TForm2::InputsValid() {
    const std::string destination = Edit3->Text();
    if (Edit1->Text().empty()) {
        ShowInfo(kEnterPassword, Edit1);
    } else if (Edit1->Text() != Edit2->Text()) {
        ShowInfo("Passwords must be identical.", Edit2);
    } else if (destination.empty()) {
        ShowInfo("Please specify the " + AsciiLower(DropLast(Label4->Caption(), 1)) + ".", Edit3);
    } else if (Mode() == emCarrier && !IsFile(destination)) {
        ShowInfo("Please specify the carrier file.", Edit3);
    } else {
        return true;
    }
    return false;
}

// Measures every source now, so that the header records the sizes that are then copied, and refuses
// before anything is written when a source cannot be measured, the header would not fit, or the
// destination is one of the files the run reads. Remembers each source as measured: the run and the
// erase compare against it.
bool TForm2::SourcesUsable(std::vector<THeaderEntry>& entries) {
    sources_.clear();
    std::vector<std::string> inputs;
    for (int i = 0; i < RowCount(); ++i) {
        const std::string path = ItemFullPath(i);
        TMeasuredSource source{path, {}};
        int64_t size = 0;
        if (ReadFileIdentity(path, source.identity) != TIdentityRead::irFound || !MeasureFile(path, size) ||
            static_cast<uint64_t>(size) != source.identity.size ||
            CheckHeadEntries({{Row(i).Caption, std::to_string(size)}}) != TPayloadResult::prOk) {
            ShowAccessDenied(*this, path, nullptr);
            return false;
        }
        entries.push_back({Row(i).Caption, std::to_string(size)});
        inputs.push_back(path);
        sources_.push_back(source);
    }
    if (CheckHeadEntries(entries) != TPayloadResult::prOk) {
        ShowDialogMessage(*this,
                          "Too many files for one container: their names and sizes take more than 20480 "
                          "characters.\rPlease encrypt fewer files at a time.",
                          kProductCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    if (Mode() != emStandard) inputs.push_back(StubPath());
    return !DestinationIsAnInput(inputs);
}

// The source is still the file it was when measured: same file, size and last write.
bool TForm2::SourceUnchanged(size_t index) const {
    const TMeasuredSource& source = sources_[index];
    TFileIdentity now;
    return ReadFileIdentity(source.path, now) == TIdentityRead::irFound && now.IsSameFile(source.identity) &&
           now.size == source.identity.size && now.written == source.identity.written;
}

// Creating or appending to the destination must not touch a file the run reads, whatever name
// reaches it (hard or symbolic link, another drive letter); a file that cannot be identified is
// refused too.
bool TForm2::DestinationIsAnInput(const std::vector<std::string>& inputs) {
    const std::string destination = Edit3->Text();
    const TAlias alias = FindAlias(destination, inputs);
    if (alias.result == TAliasResult::arNone) return false;
    if (alias.result == TAliasResult::arSame) {
        const std::string role = AsciiLower(DropLast(Label4->Caption(), 1));
        const std::string why = "\rThe " + role + " \"" + destination + "\" is this same file.";
        ShowDialogMessage(*this, AccessDeniedText(alias.path) + why, nullptr, MB_OK | MB_ICONERROR);
    } else {
        ShowAccessDenied(*this, alias.path, alias.input < inputs.size() ? nullptr : kProductCaption);
    }
    Edit3->SetFocus();
    return true;
}

// Packages and carriers begin with the stub beside the program: it must be there and whole (a program of
// StubSize bytes), or nothing is written.
bool TForm2::StubUsable() {
    if (Mode() == emStandard) return true;
    const std::string stubPath = StubPath();
    TWin32FileStream stub(stubPath, TFileMode::fmOpenRead);
    if (!stub.IsOpen()) {
        ShowAccessDenied(*this, stubPath, nullptr);
        return false;
    }
    char start[2] = {};
    if (stub.Size() == Stub::StubSize && stub.Read(start, 2) == 2 && start[0] == 'M' && start[1] == 'Z') return true;
    ShowDialogMessage(*this, "The package stub is damaged. Please install Quiverlock again.\r" + stubPath,
                      kProductCaption, MB_OK | MB_ICONERROR);
    return false;
}

bool TForm2::OverwriteConfirmed() {
    const std::string destination = Edit3->Text();
    if (Mode() == emCarrier || !IsFile(destination)) return true;
    const int answer = ShowDialogMessage(
        *this, AlreadyExistsQuestion(BareFileName(destination), "Would you like to overwrite this file?"),
        kProductCaption, MB_YESNO | MB_ICONWARNING);
    if (answer == IDYES) return true;
    Edit3->SetFocus();
    return false;
}

void TForm2::Button1Click(TComponent*) {
    run_.Once([this] {
        std::vector<THeaderEntry> entries;
        if (!InputsValid() || !SourcesUsable(entries) || !StubUsable() || !OverwriteConfirmed()) return;
        EnableControls(false);
        Run(entries);
    });
}

std::unique_ptr<TByteStream> TForm2::Intercept(TByteStream&, const std::string&) { return nullptr; }

void TForm2::ReportWriteFailure(uint32_t error) {
    ShowDialogMessage(*this, WriteFailureText(Edit3->Text(), error), kProductCaption, MB_OK | MB_ICONERROR);
}

void TForm2::ReportWriteFailure(const TByteStream& destination) { ReportWriteFailure(destination.LastError()); }

// Reports a copy out of `path` that did not end in prOk (prStopped reports nothing); returns false.
bool TForm2::ReportCopyFailure(TPayloadResult result, const std::string& path, const TByteStream& destination) {
    if (result == TPayloadResult::prReadFailed) {
        ShowAccessDenied(*this, path, nullptr);
    } else if (result == TPayloadResult::prSizeChanged || result == TPayloadResult::prTruncated) {
        ShowDialogMessage(*this, "The file changed while it was being encrypted.\r" + path, kProductCaption,
                          MB_OK | MB_ICONERROR);
    } else if (result != TPayloadResult::prStopped) {
        ReportWriteFailure(destination);
    }
    return false;
}

// Opens a file the run reads and hands it to copy; false, reported, when it cannot be opened or copied.
bool TForm2::CopyFrom(const std::string& path, const std::function<TPayloadResult(TByteStream&)>& copy,
                      TByteStream& destination, bool& stopped) {
    TWin32FileStream file(path, TFileMode::fmOpenRead);
    if (!file.IsOpen()) {
        ShowAccessDenied(*this, path, nullptr);
        return false;
    }
    const std::unique_ptr<TByteStream> intercepted = Intercept(file, path);
    TBufferedStream buffered(intercepted ? *intercepted : file);
    const TPayloadResult result = copy(buffered);
    if (result == TPayloadResult::prStopped) stopped = true;
    return result == TPayloadResult::prOk || ReportCopyFailure(result, path, destination);
}

bool TForm2::CopyStub(TByteStream& destination, bool& stopped) {
    TPieceHooks hooks;
    hooks.pieceDone = [](int64_t, int64_t) { LetPendingMessagesRun(); };
    const auto copy = [&](TByteStream& stub) {
        return CopyBytes(stub, destination, Stub::StubSize, kPieceSize, hooks);
    };
    return CopyFrom(StubPath(), copy, destination, stopped);
}

bool TForm2::WriteFiles(TByteStream& destination, const std::vector<THeaderEntry>& entries, bool& stopped) {
    TPayloadWriter writer(*QC_blowfish1, destination);
    const TSecretText password(Edit1->Text());
    if (writer.WriteHead(password.Text(), this, entries) != TPayloadResult::prOk) {
        ReportWriteFailure(destination);
        return false;
    }
    const TPieceHooks hooks = RunHooks(EncryptStopFlag, *ProgressBar1);
    const size_t count = sources_.size();
    for (size_t i = 0; i < count; ++i) {
        TDialogRun::ShowFile(*Label5, i, count, entries[i].name);
        const auto copy = [&](TByteStream& source) { return writer.WriteContents(source, hooks); };
        if (!CopyFrom(sources_[i].path, copy, destination, stopped)) return false;
        LetPendingMessagesRun();
    }
    // A file that grew or was rewritten, during its copy or since, is not what the container holds.
    for (size_t i = 0; i < count; ++i) {
        if (!SourceUnchanged(i)) return ReportCopyFailure(TPayloadResult::prSizeChanged, sources_[i].path, destination);
    }
    return true;  // the writer scrubs the cipher as it goes
}

// Writes a standard container or a package beside the destination and puts it in the destination's place
// only when whole: a run that fails or stops leaves the destination as it was.
bool TForm2::WriteNewFile(const std::vector<THeaderEntry>& entries, bool& stopped) {
    const std::string path = Edit3->Text();
    TReplacingFile output(path);
    if (!output.IsOpen()) {
        ShowAccessDenied(*this, path, kProductCaption);
        return false;
    }
    bool written = false;
    {
        const std::unique_ptr<TByteStream> intercepted = Intercept(output.Stream(), path);
        TBufferedStream buffer(intercepted ? *intercepted : output.Stream());  // gathers pieces into large writes
        written = (Mode() == emStandard || CopyStub(buffer, stopped)) && WriteFiles(buffer, entries, stopped);
        if (written && !buffer.Flush()) {
            written = false;
            ReportWriteFailure(buffer);
        }
    }
    if (written && !output.Commit()) {
        written = false;
        ReportWriteFailure(output.LastError());
    }
    return written;
}

// Appends stub, payload and trailer to the carrier; a run that ends early cuts off what it appended.
bool TForm2::WriteIntoCarrier(const std::vector<THeaderEntry>& entries, bool& stopped) {
    const std::string path = Edit3->Text();
    TWin32FileStream file(path, TFileMode::fmOpenWrite);
    const std::unique_ptr<TByteStream> intercepted = file.IsOpen() ? Intercept(file, path) : nullptr;
    TBufferedStream buffer(intercepted ? *intercepted : file);
    const int64_t carrierLength = file.IsOpen() ? buffer.Size() : -1;
    if (!file.IsOpen() || !buffer.Seek(carrierLength)) {
        ShowAccessDenied(*this, path, kProductCaption);
        return false;
    }
    if (!CarrierLengthFits(carrierLength)) {
        ShowDialogMessage(*this,
                          "The carrier file is too large: files can be hidden only in a file of less than "
                          "10,000,000,000 bytes.\r" + path,
                          kProductCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    if (!WriteHideRecord(path, carrierLength)) {
        // Without the record a hide cut short (a crash, a kill) could not be undone.
        ShowDialogMessage(*this, "The carrier file could not be prepared: its record \"" + HideRecordPath(path) +
                                     "\" could not be written, or is left from a hide that did not finish "
                                     "(Clear the carrier first).",
                          kProductCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    bool written = CopyStub(buffer, stopped) && WriteFiles(buffer, entries, stopped);
    if (written && !WriteCarrierTrailer(buffer, carrierLength)) {
        written = false;
        ReportWriteFailure(buffer);
    }
    if (written && !buffer.Flush()) {
        written = false;
        ReportWriteFailure(buffer);
    }
    // A carrier is the user's own file: it gets its own length back.
    if (!written && !buffer.SetSize(carrierLength)) {
        ShowDialogMessage(*this,
                          "The carrier file could not be cut back to its own length: it still holds part of a "
                          "package.\r" + path,
                          kProductCaption, MB_OK | MB_ICONERROR);
    } else {
        DropHideRecord(path);  // whole, or back at its own length
    }
    return written;
}

void TForm2::Run(const std::vector<THeaderEntry>& entries) {
    bool stopped = false;
    const bool written = Mode() == emCarrier ? WriteIntoCarrier(entries, stopped) : WriteNewFile(entries, stopped);
    LetPendingMessagesRun();
    if (!written) {
        run_.End(stopped);
        return;
    }
    ProgressBar1->SetPosition(0);
    OfferErase(Edit3->Text());
    run_.End(true);
}

// The container (or the carrier it went into) reaches the disk before any source is wiped: a power cut
// between the two must not lose both.
bool TForm2::ContainerOnDisk(const std::string& path) {
    TWin32FileStream container(path, TFileMode::fmOpenWrite);
    if (container.IsOpen() && container.Flush()) return true;
    ReportWriteFailure(container);
    return false;
}

// Erases the files this run encrypted, as they were encrypted; a file changed since is kept and named.
void TForm2::OfferErase(const std::string& container) {
    const int answer = ShowDialogMessage(
        *this, "The file(s) has been successfully encrypted!\r\rDo you want to erase (delete) the source files?",
        kProductCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    if (answer != IDYES || !ContainerOnDisk(container)) return;
    std::string kept;
    for (size_t i = 0; i < sources_.size(); ++i) {
        if (SourceUnchanged(i)) {
            MainWindowFiles->EraseFile(sources_[i].path);
        } else {
            kept += "\r" + sources_[i].path;
        }
    }
    LetPendingMessagesRun();
    if (!kept.empty()) {
        ShowDialogMessage(*this, "These files changed after they were encrypted and were not erased:" + kept,
                          kProductCaption, MB_OK | MB_ICONWARNING);
    }
}
