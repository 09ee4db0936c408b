// Page control: a tab strip whose tabs show one tab sheet (a page holding controls) at a time.
#pragma once

#include "toolkit/controls/OwnContainer.h"

class TTabSheet : public TOwnContainer {
public:
    explicit TTabSheet(TComponent* owner) : TOwnContainer(owner) {}
    const char* ClassName() const override { return "TTabSheet"; }
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    const char* ClassName() const override { return "TPageControl"; }

    // The tab sheets among the children, in order.
    int PageCount() const;
    TTabSheet* Pages(int index) const;
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void NotifyReflected(TMessage& message) override;

private:
    // Puts every sheet over the display area and shows the active one only.
    void ArrangePages();

    int active_ = 0;
};
