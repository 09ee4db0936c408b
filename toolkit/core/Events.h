// Event types of the toolkit: method pointers with the signatures that handlers take.
#pragma once

#include <cstdint>

#include "toolkit/core/Method.h"

class TComponent;

// Modifier keys and mouse buttons held while an event happened.
enum TShiftFlag : unsigned { ssShift = 1u << 0, ssAlt = 1u << 1, ssCtrl = 1u << 2, ssLeft = 1u << 3, ssRight = 1u << 4 };
using TShiftState = unsigned;

// What closing a form does after its OnClose handler has run.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = TMethod<void(TComponent* sender)>;
// The handler may set key to 0 to stop further handling of the key.
using TKeyEvent = TMethod<void(TComponent* sender, std::uint16_t& key, TShiftState shift)>;
// x and y in the control's own client coordinates.
using TMouseMoveEvent = TMethod<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TCloseEvent = TMethod<void(TComponent* sender, TCloseAction& action)>;
// Raised when the message queue is empty; leaving done true lets the loop wait for the next message.
using TIdleEvent = TMethod<void(TComponent* sender, bool& done)>;
