// The files of one drop from the shell (WM_DROPFILES); the drop is finished when the object goes.
#include "toolkit/system/DropFiles.h"

#include <vector>

int TDroppedFiles::Count() const { return static_cast<int>(DragQueryFileA(drop_, 0xFFFFFFFF, nullptr, 0)); }

std::optional<std::string> TDroppedFiles::Path(int index) const {
    UINT length = DragQueryFileA(drop_, static_cast<UINT>(index), nullptr, 0);
    if (length == 0 || length > kMaxPath) return std::nullopt;
    std::vector<char> buffer(length + 1, '\0');
    UINT copied = DragQueryFileA(drop_, static_cast<UINT>(index), buffer.data(), length + 1);
    if (copied != length) return std::nullopt;
    return std::string(buffer.data(), copied);
}
