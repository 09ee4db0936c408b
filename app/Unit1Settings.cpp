// The main window's geometry and column widths, kept as DWORD values in the registry.
#include "app/Unit1.h"

#include <algorithm>

#include "toolkit/system/RegistryKey.h"

namespace {

const char kSettingsKey[] = "Software\\Torvane\\Quiverlock";
constexpr int kTreeWidthForZero = 200;
// What the tree leaves of the window for the splitter and the list (as the splitter's own drag does).
constexpr int kListRoom = 3 + 30;
// The widest column the list view takes without cutting the width to 16 bits.
constexpr int kMaxColumnWidth = 0x7FFF;

}  // namespace

// Applies the stored values in order; the first one missing or of another type ends the reading. The window
// ends up on a screen whatever was stored.
void TForm1::ReadSettings() {
    ApplyStoredSettings();
    KeepOnScreen();
}

void TForm1::ApplyStoredSettings() {
    TRegistryKey key(kSettingsKey);
    DWORD value = 0;
    auto read = [&](const char* name) { return key.ReadDword(name, value); };
    auto asInt = [&] { return static_cast<int>(value); };
    if (!read("Width")) return;
    SetWidth(asInt());
    if (!read("Height")) return;
    SetHeight(asInt());
    if (!read("Left")) return;
    SetLeft(asInt());
    if (!read("Top")) return;
    SetTop(asInt());
    if (!read("ShellTreeView1Width")) return;
    ShellTreeView1->SetWidth(std::max(asInt(), 0));
    if (ShellTreeView1->Width() == 0) ShellTreeView1->SetWidth(kTreeWidthForZero);
    // A tree wider than the window would leave the list and the splitter out of reach.
    ShellTreeView1->SetWidth(std::max(0, std::min(ShellTreeView1->Width(), ClientWidth() - kListRoom)));
    LayoutPanes();
    for (int column = 0; column < 3; ++column) {
        if (!read(("ListView1Column" + std::to_string(column) + "Width").c_str())) return;
        ListView1->SetColumnWidth(column, std::clamp(asInt(), 0, kMaxColumnWidth));
    }
}

// A place saved on a screen that is gone (or at another resolution) is moved onto the nearest screen's work area.
void TForm1::KeepOnScreen() {
    RECT bounds = BoundsRect();
    if (MonitorFromRect(&bounds, MONITOR_DEFAULTTONULL) != nullptr) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& area = monitor.rcWork;
    SetLeft(std::clamp(Left(), static_cast<int>(area.left), std::max<int>(area.left, area.right - Width())));
    SetTop(std::clamp(Top(), static_cast<int>(area.top), std::max<int>(area.top, area.bottom - Height())));
}

void TForm1::WriteSettings() {
    TRegistryKey key(kSettingsKey);
    RECT bounds = BoundsRect();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    // A minimised or maximised window keeps the place it returns to.
    if (HandleAllocated() && (IsIconic(Handle()) || IsZoomed(Handle())) && GetWindowPlacement(Handle(), &placement))
        bounds = placement.rcNormalPosition;
    key.WriteDword("Width", static_cast<DWORD>(bounds.right - bounds.left));
    key.WriteDword("Height", static_cast<DWORD>(bounds.bottom - bounds.top));
    key.WriteDword("Left", static_cast<DWORD>(bounds.left));
    key.WriteDword("Top", static_cast<DWORD>(bounds.top));
    key.WriteDword("ShellTreeView1Width", static_cast<DWORD>(ShellTreeView1->Width()));
    for (int column = 0; column < 3; ++column)
        key.WriteDword("ListView1Column" + std::to_string(column) + "Width",
                       static_cast<DWORD>(ListView1->ColumnWidth(column)));
}
