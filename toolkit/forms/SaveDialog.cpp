// The save-file dialog as a component of a form; shown through the system services.
#include "toolkit/forms/SaveDialog.h"

#include "toolkit/system/SystemServices.h"
#include "toolkit/controls/WinControl.h"

bool TSaveDialog::Execute() {
    auto* ownerWindow = dynamic_cast<TWinControl*>(Owner());
    HWND owner = ownerWindow != nullptr ? ownerWindow->Handle() : GetActiveWindow();
    TSaveFileRequest request{Filter, FilterIndex, DefaultExt, FileName, Title};
    if (!SystemServices().ShowSaveDialog(owner, request)) return false;
    FileName = request.FileName;
    FilterIndex = request.FilterIndex;
    return true;
}
