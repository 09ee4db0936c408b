// The main window's geometry and column widths, kept as DWORD values in the registry.
#include "app/Unit1.h"

#include "toolkit/system/RegistryKey.h"

namespace {

const char kSettingsKey[] = "Software\\Torvane\\Quiverlock";
constexpr int kTreeWidthForZero = 200;

}  // namespace

// Applies the stored values in order; the first one missing or of another type ends the reading.
void TForm1::ReadSettings() {
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
    ShellTreeView1->SetWidth(asInt());
    if (ShellTreeView1->Width() == 0) ShellTreeView1->SetWidth(kTreeWidthForZero);
    LayoutPanes();
    for (int column = 0; column < 3; ++column) {
        if (!read(("ListView1Column" + std::to_string(column) + "Width").c_str())) return;
        ListView1->SetColumnWidth(column, asInt());
    }
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
