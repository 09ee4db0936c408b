// Message boxes of the programs' windows: modal, owned by the window.
#pragma once

#include <windows.h>

#include <string>

#include "app/shared/MessageTexts.h"
#include "toolkit/forms/Form.h"
#include "toolkit/system/SystemServices.h"

// caption nullptr leaves the system's default title. Returns the button chosen (IDOK, IDYES, ...).
inline int ShowDialogMessage(TForm& owner, const std::string& text, const char* caption, UINT flags) {
    return SystemServices().ShowMessageBox(owner.Handle(), text, caption, flags);
}

// The system's "File access denied." box for a path.
inline void ShowAccessDenied(TForm& owner, const std::string& path, const char* caption) {
    ShowDialogMessage(owner, AccessDeniedText(path), caption, MB_OK | MB_ICONERROR);
}
