// The files of one drop from the shell (WM_DROPFILES); the drop is finished when the object goes.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

class TDroppedFiles {
public:
    explicit TDroppedFiles(HDROP drop) : drop_(drop) {}
    ~TDroppedFiles() { DragFinish(drop_); }
    TDroppedFiles(const TDroppedFiles&) = delete;
    TDroppedFiles& operator=(const TDroppedFiles&) = delete;

    int Count() const;
    // The longest dropped path taken by default: a longer one is not taken.
    static constexpr size_t kMaxPath = 256;

    // The path at the index; nothing when it is longer than maxLength characters (never a shortened path).
    std::optional<std::string> Path(int index, size_t maxLength = kMaxPath) const;

private:
    HDROP drop_;
};
