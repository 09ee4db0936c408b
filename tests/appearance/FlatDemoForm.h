// A form with one control of every painted kind inside every kind of container, for the flat style.
#pragma once

#include <utility>
#include <vector>

#include "appearance/FlatStyle.h"
#include "toolkit/forms/Form.h"

class TFlatDemoForm : public TForm {
public:
    // With a style, the style has every control kind and container kind and is made active.
    TFlatDemoForm(TComponent* owner, bool styled);

    TFlatStyle* Style = nullptr;
    std::vector<TWinControl*> Containers;
    // Every control placed in a container, container by container in the order of Containers, each
    // navigator followed by its buttons.
    std::vector<TControl*> Styled;

    // The boxes lie on pages that fit a 1024 x 768 screen beside the form's twin; one page shows at a time.
    int Pages() const { return pages_; }
    void ShowPage(int page);

private:
    void NextPageClick(TComponent* sender);

    std::vector<std::pair<TControl*, int>> pageOf_;  // the form's own children and the page each lies on
    int pages_ = 1;
    int page_ = 0;
};
