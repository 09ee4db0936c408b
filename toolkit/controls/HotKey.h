// Hot-key control: shows the key combination typed into it.
#pragma once

#include <cstdint>

#include "toolkit/controls/WinControl.h"

class THotKey : public TWinControl {
public:
    explicit THotKey(TComponent* owner);
    const char* ClassName() const override { return "THotKey"; }

    // Virtual key in the low byte, HOTKEYF_ modifiers in the high byte.
    std::uint16_t HotKey() const;
    void SetHotKey(std::uint16_t key);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void SavingWindowState() override { key_ = HotKey(); }

private:
    std::uint16_t key_ = 0;
};
