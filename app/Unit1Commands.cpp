// The main window's commands: Encrypt, Decrypt, Exit, Help, About, Select All and the items that forward.
#include "app/Unit1.h"

#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "app/payload/FileSystem.h"
#include "app/shared/MessageBoxes.h"
#include "toolkit/forms/Application.h"

int TForm1::ShowCaptionedMessage(const std::string& text, UINT flags) {
    return ShowDialogMessage(*this, text, Caption().c_str(), flags);
}

void TForm1::OpenDecryptDialog(const std::string& path) {
    Form5->Edit1->SetText(path);
    Form5->ShowModal();
}

// Called by Encrypt: the Encrypt dialog for a non-empty list.
void TForm1::ToolButton4Click(TComponent*) {
    if (ListView1->Count() > 0) {
        Form2->ShowModal();
        return;
    }
    ShowCaptionedMessage("Please specify files you want to encrypt.\r\rYou can add files by dropping them on the list.",
                         MB_OK | MB_ICONINFORMATION);
}

// Called by Decrypt: the Decrypt dialog for the file selected in the tree.
void TForm1::ToolButton6Click(TComponent*) {
    std::string path = ShellTreeView1->Path();
    if (IsFile(path)) {
        OpenDecryptDialog(path);
        return;
    }
    ShowCaptionedMessage("Please select a file you want to decrypt.", MB_OK | MB_ICONINFORMATION);
}

void TForm1::ToolButton8Click(TComponent*) { Help2->Click(); }
void TForm1::Encrypt1Click(TComponent*) { ToolButton4->Click(); }
void TForm1::Delete1Click(TComponent*) { ToolButton6->Click(); }
void TForm1::Decrypt1Click(TComponent*) { ToolButton6->Click(); }
void TForm1::Erase2Click(TComponent*) { Erase1->Click(); }
void TForm1::Add1Click(TComponent*) { ToolButton2->Click(); }
void TForm1::Refresh1Click(TComponent*) { ToolButton1->Click(); }
void TForm1::LargeIcons1Click(TComponent*) { ToolButton3->Click(); }
void TForm1::Removeitem1Click(TComponent*) { ToolButton3->Click(); }
void TForm1::Unhidefiles2Click(TComponent*) { Unhidefiles1->Click(); }
void TForm1::Clear2Click(TComponent*) { Clear1->Click(); }

void TForm1::Exit1Click(TComponent*) { Close(); }
void TForm1::About1Click(TComponent*) { Form3->ShowModal(); }
void TForm1::SmallIcons1Click(TComponent*) { ListView1->SelectAll(); }
void TForm1::SelectAll1Click(TComponent*) { ListView1->SelectAll(); }
