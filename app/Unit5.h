// The Decrypt dialog: destination folder and password, and the run that unpacks a standard container.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/DialogRun.h"
#include "app/payload/ByteStream.h"
#include "app/payload/PayloadFormat.h"
#include "app/payload/PieceCopy.h"

#include "cipher/Blowfish.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/forms/Form.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListBox.h"
#include "toolkit/controls/ProgressBar.h"

class TPayloadReader;
struct TPayloadEntry;

// True while the dialog is idle or the user asked to stop; False while a run is going on.
extern bool DecryptStopFlag;

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    const char* ClassName() const override { return "TForm5"; }

    TLabel* Label1 = nullptr;
    // The container to decrypt, set by the caller before showing the dialog.
    TEdit* Edit1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit2 = nullptr;  // destination folder
    TButton* Button1 = nullptr;  // browse for Edit2
    TLabel* Label3 = nullptr;
    TEdit* Edit3 = nullptr;  // password
    TCheckBox* CheckBox1 = nullptr;
    TLabel* Label4 = nullptr;  // the file being decrypted
    TProgressBar* ProgressBar1 = nullptr;
    TButton* Button2 = nullptr;  // Decrypt
    TButton* Button3 = nullptr;  // Cancel
    // The header of the current run: names and size texts, entry i of each belonging to file i.
    TListBox* ListBox1 = nullptr;
    TListBox* ListBox2 = nullptr;
    TQC_blowfish* QC_blowfish1 = nullptr;

    // Enables or disables the inputs and Decrypt together with DecryptStopFlag; Cancel stays live.
    void EnableControls(bool enabled);

    // Called when the dialog becomes active.
    void FormActivate(TComponent* sender);
    // Called for every key before the focused control sees it.
    void FormKeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);
    // Called for a key in the password field.
    void Edit3KeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);
    // Called when "Show password" changes.
    void CheckBox1Click(TComponent* sender);
    // Called when the "..." button is clicked: the folder browser.
    void Button1Click(TComponent* sender);
    // Called when Decrypt is clicked: the run.
    void Button2Click(TComponent* sender);
    // Called when Cancel is clicked (or Esc, or the close box during a run).
    void Button3Click(TComponent* sender);

protected:
    void WndProc(TMessage& message) override;
    // A stream the run reads the container or writes an output file through instead of the file itself;
    // nullptr: the file itself. Tests put failing streams here.
    virtual std::unique_ptr<TByteStream> Intercept(TByteStream& file, const std::string& path);

private:
    // Reports a failure and ends the run with the dialog open.
    void EndRun(const std::string& text);
    bool Decrypt(const std::string& password, std::vector<std::string>& skipped);
    bool PasswordAccepted(TPayloadReader& reader, const std::string& password);
    bool FolderReady();
    bool HeaderRead(TPayloadReader& reader);
    void ListEntries(const std::vector<TPayloadEntry>& entries);
    static std::string NotDecrypted(const std::vector<std::string>& names);
    std::string Refusal(TPayloadReader& reader, size_t index, const std::string& path);
    int OverwriteAnswer(const std::string& path);
    TPayloadResult ExtractOne(TPayloadReader& reader, size_t index, const std::string& path,
                              const TPieceHooks& hooks, uint32_t& error);
    std::string FailureText(TPayloadResult result, const std::string& path, uint32_t error);
    bool ExtractAll(TPayloadReader& reader, std::vector<std::string>& skipped);
    void ReportDecrypted(const std::vector<std::string>& skipped);

    TDialogRun run_{*this, DecryptStopFlag, "Do you want to stop the decryption process?"};
};

// The Decrypt dialog.
extern TForm5* Form5;
