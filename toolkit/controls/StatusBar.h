// Status bar along the bottom of a form, divided into panels of text.
#pragma once

#include <string>
#include <vector>

#include "toolkit/controls/WinControl.h"

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    const char* ClassName() const override { return "TStatusBar"; }

    // A panel of the given width; the last panel takes the rest of the bar.
    void AddPanel(const std::string& text, int width);
    const std::string& PanelText(int index) const { return panels_.at(static_cast<size_t>(index)).Text; }
    void SetPanelText(int index, const std::string& text);

    // Panel texts set in between reach the window at the matching EndUpdate (each change would repaint).
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    struct TPanel {
        std::string Text;
        int Width;
    };
    void ApplyParts();

    std::vector<TPanel> panels_;
    int updateCount_ = 0;
};
