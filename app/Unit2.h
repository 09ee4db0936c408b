// The Encrypt dialog: password, mode and destination, and the run that writes the container.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DialogRun.h"
#include "app/payload/ByteStream.h"
#include "app/payload/FileIdentity.h"
#include "app/payload/PayloadFormat.h"
#include "app/payload/Header.h"
#include "cipher/Blowfish.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/forms/Form.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/forms/SaveDialog.h"

// Encryption modes, the item indexes of ComboBox1.
enum TEncryptMode { emStandard = 0, emPackage = 1, emCarrier = 2 };

// True while the dialog is idle or the user asked to stop; False while a run is going on.
extern bool EncryptStopFlag;

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    const char* ClassName() const override { return "TForm2"; }

    TLabel* Label1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;  // password
    TLabel* Label3 = nullptr;
    TEdit* Edit2 = nullptr;  // password again
    TCheckBox* CheckBox1 = nullptr;
    TLabel* Label4 = nullptr;  // names what Edit3 holds
    TEdit* Edit3 = nullptr;  // destination or carrier file
    TBitBtn* BitBtn1 = nullptr;  // browse for Edit3
    TLabel* Label5 = nullptr;  // the file being encrypted
    TProgressBar* ProgressBar1 = nullptr;
    TButton* Button1 = nullptr;  // Encrypt
    TButton* Button2 = nullptr;  // Cancel
    TSaveDialog* SaveDialog1 = nullptr;
    TQC_blowfish* QC_blowfish1 = nullptr;

    // Enables or disables the inputs and Encrypt together with EncryptStopFlag; Cancel stays live.
    void EnableControls(bool enabled);
    // Label4 and the proposed destination for the current mode.
    void UpdateDestination();
    TEncryptMode Mode() const { return static_cast<TEncryptMode>(ComboBox1->ItemIndex()); }

    // Called when the dialog becomes active.
    void FormActivate(TComponent* sender);
    // Called for every key before the focused control sees it.
    void FormKeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);
    // Called for a key in the destination field.
    void Edit3KeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);
    // Called when the user picks another mode.
    void ComboBox1Change(TComponent* sender);
    // Called when "Show password" changes.
    void CheckBox1Click(TComponent* sender);
    // Called when the "..." button is clicked.
    void BitBtn1Click(TComponent* sender);
    // Called when Encrypt is clicked: the run.
    void Button1Click(TComponent* sender);
    // Called when Cancel is clicked (or Esc, or the close box during a run).
    void Button2Click(TComponent* sender);

protected:
    void WndProc(TMessage& message) override;
    // A stream the run reads or writes the file at path through instead of the file itself (sources, stub,
    // destination); nullptr: the file itself. Tests put failing or changing streams here.
    virtual std::unique_ptr<TByteStream> Intercept(TByteStream& file, const std::string& path);

private:
    // A source as the run measured it.
    struct TMeasuredSource {
        std::string path;
        TFileIdentity identity;
    };

    bool InputsValid();
    bool SourcesUsable(std::vector<THeaderEntry>& entries);
    bool SourceUnchanged(size_t index) const;
    bool DestinationIsAnInput(const std::vector<std::string>& inputs);
    bool StubUsable();
    bool OverwriteConfirmed();
    void Run(const std::vector<THeaderEntry>& entries);
    bool WriteNewFile(const std::vector<THeaderEntry>& entries, bool& stopped);
    bool WriteIntoCarrier(const std::vector<THeaderEntry>& entries, bool& stopped);
    // "File access denied." and the destination, or the system's reason when its disk is full.
    void ReportWriteFailure(uint32_t error);
    void ReportWriteFailure(const TByteStream& destination);
    bool ReportCopyFailure(TPayloadResult result, const std::string& path, const TByteStream& destination);
    bool CopyFrom(const std::string& path, const std::function<TPayloadResult(TByteStream&)>& copy,
                  TByteStream& destination, bool& stopped);
    bool CopyStub(TByteStream& destination, bool& stopped);
    bool WriteFiles(TByteStream& destination, const std::vector<THeaderEntry>& entries, bool& stopped);
    bool ContainerOnDisk(const std::string& path);
    void OfferErase(const std::string& container);
    // The file of row i: its folder and name.
    std::string ItemFullPath(int index) const;
    void ShowInfo(const std::string& text, TWinControl* focus);

    TDialogRun run_{*this, EncryptStopFlag, "Do you want to stop the encryption process?"};  // the run and its erase
    std::vector<TMeasuredSource> sources_;  // the files of the current run, in header order
};

// The Encrypt dialog.
extern TForm2* Form2;
