// Rich edit: a memo of the system's rich text edit class, with a margin of its own colour inside its border.
#include "toolkit/controls/RichEdit.h"

#include <richedit.h>

#include "toolkit/system/WinGuards.h"

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

void TRichEdit::SetBorderWidth(int width) {
    if (width == borderWidth_) return;
    borderWidth_ = width;
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The margin is non-client area: taken from the client rectangle, painted with the frame.
void TRichEdit::WndProc(TMessage& message) {
    TMemo::WndProc(message);
    if (borderWidth_ <= 0) return;
    if (message.Msg == WM_NCCALCSIZE) {
        RECT* client = message.WParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                                           : reinterpret_cast<RECT*>(message.LParam);
        InflateRect(client, -borderWidth_, -borderWidth_);
    } else if (message.Msg == WM_NCPAINT) {
        PaintMargin();
    }
}

void TRichEdit::PaintMargin() {
    TWindowDC dc(Handle(), TWindowDC::daWholeWindow);
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    POINT origin{0, 0};
    ::ClientToScreen(Handle(), &origin);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    OffsetRect(&client, origin.x - window.left, origin.y - window.top);
    RECT margin = client;
    InflateRect(&margin, borderWidth_, borderWidth_);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.Get(), &margin, Brush().Handle());
}
