// TFlatStyleManager: the one companion of every TFlatStyle; lends an active one to forms without their own.
#pragma once

#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/forms/Form.h"
#include "toolkit/system/Messages.h"

class TFlatStyle;

class TFlatStyleManager {
public:
    // Hooks the application window.
    TFlatStyleManager();
    ~TFlatStyleManager();
    TFlatStyleManager(const TFlatStyleManager&) = delete;
    TFlatStyleManager& operator=(const TFlatStyleManager&) = delete;

    void AddFlatStyle(TFlatStyle* style);
    void RemoveFlatStyle(TFlatStyle* style);
    // Every insertion or removal that reaches a TFlatStyle: queues new forms, forgets forms that go.
    void FormNotification(TComponent* component, TOperation operation);
    // Gives the active role to another active style (moving the control painters), or ends it.
    void HandOver(TFlatStyle* leaving);
    TFlatStyle* FindOtherActive(TFlatStyle* excluded) const;
    // Queues every form that has no style of its own, is not styled yet and has Tag other than kTagUnstyled.
    void ScanForms();
    void RestoreControls(TWinControl* form);
    // Sees every message of the application window first; never ends its handling.
    bool MainWindowHook(TMessage& message);

    TFlatStyle* ActiveFlatStyle() const { return activeFlatStyle_; }
    const std::vector<TFlatStyle*>& FlatStyles() const { return flatStyles_; }
    const std::vector<TForm*>& PendingForms() const { return pendingForms_; }
    // Owners of registered styles (forms or scroll boxes) and adopted forms.
    const std::vector<TWinControl*>& StyledForms() const { return styledForms_; }

private:
    void WalkPendingForms();

    std::vector<TFlatStyle*> flatStyles_;
    std::vector<TForm*> pendingForms_;
    std::vector<TWinControl*> styledForms_;
    TFlatStyle* activeFlatStyle_ = nullptr;
};

// The manager while any TFlatStyle exists outside a designer, else nullptr.
extern TFlatStyleManager* FlatStyleManager;
void EnsureManager();
void ReleaseManager();
