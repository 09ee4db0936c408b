// The save-file dialog as a component of a form; shown through the system services.
#pragma once

#include <string>

#include "toolkit/core/Component.h"

class TSaveDialog : public TComponent {
public:
    explicit TSaveDialog(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TSaveDialog"; }

    std::string Filter;  // "Description|pattern|..."
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string FileName;
    std::string Title;

    // Shows the dialog owned by the owner form's window; true when the user confirmed, FileName then holds the choice.
    bool Execute();
};
