// Rich edit: a memo of the system's rich text edit class.
#include "toolkit/controls/RichEdit.h"

#include <richedit.h>

namespace {

// The class lives in a library that stays loaded for the rest of the process once one rich edit exists.
bool RichEditClassLoaded() {
    static const bool loaded = LoadLibraryA("riched20.dll") != nullptr;
    return loaded;
}

}  // namespace

TRichEdit::TRichEdit(TComponent* owner) : TMemo(owner) {}

void TRichEdit::CreateParams(TCreateParams& params) {
    TMemo::CreateParams(params);
    params.WindowClass = RichEditClassLoaded() ? RICHEDIT_CLASSA : "EDIT";
}
