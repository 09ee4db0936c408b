// Multi-line edit with a vertical scroll bar.
#include "toolkit/controls/Memo.h"

TMemo::TMemo(TComponent* owner) : TEdit(owner) {
    width_ = 185;
    height_ = 89;
}

void TMemo::CreateParams(TCreateParams& params) {
    TEdit::CreateParams(params);
    params.Style = (params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
}
