// The About window: product name, version, web site and support address, the last two as links.
#pragma once

#include <cstdint>

#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/forms/Form.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    const char* ClassName() const override { return "TForm3"; }

    TTabControl* TabControl1;
    TImage* Image1;
    // Name, version, "Web site:", the web address, "Support:", the support address.
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    TButton* Button1;

    // Event handlers.
    void Label4Click(TComponent* sender);
    void Label6Click(TComponent* sender);
    void Label4MouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void Label4MouseLeave(TComponent* sender);
    void Label6MouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void Label6MouseLeave(TComponent* sender);
    void Button1Click(TComponent* sender);
    void FormKeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);

private:
    void CreateControls();
    // A label on the frame at a position of the window's client area.
    TLabel* AddLabel(const std::string& caption, int left, int top, int height);
};

// The About window.
extern TForm3* Form3;
