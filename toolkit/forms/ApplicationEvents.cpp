// A listener to application-wide events; any number may exist at once.
#include "toolkit/forms/ApplicationEvents.h"

#include "toolkit/forms/Application.h"

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) {
    if (Application != nullptr) Application->AddEvents(this);
}

TApplicationEvents::~TApplicationEvents() {
    if (Application != nullptr) Application->RemoveEvents(this);
}
