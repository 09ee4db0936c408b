// A listener to application-wide events; any number may exist at once.
#pragma once

#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"

class TApplicationEvents : public TComponent {
public:
    explicit TApplicationEvents(TComponent* owner);
    ~TApplicationEvents() override;
    const char* ClassName() const override { return "TApplicationEvents"; }

    // Raised each time the message loop has emptied the message queue.
    TIdleEvent OnIdle;
};
