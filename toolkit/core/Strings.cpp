// Ordered list of texts; a list control mirrors every change into its window.
#include "toolkit/core/Strings.h"

#include <algorithm>

#include "toolkit/core/Exception.h"

void TStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index > limit) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStrings::Strings(int index) const {
    CheckIndex(index, Count() - 1);
    return items_[static_cast<size_t>(index)];
}

int TStrings::IndexOf(const std::string& text) const {
    auto it = std::find(items_.begin(), items_.end(), text);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TStrings::Add(const std::string& text) {
    Insert(Count(), text);
    return Count() - 1;
}

void TStrings::Insert(int index, const std::string& text) {
    CheckIndex(index, Count());
    items_.insert(items_.begin() + index, text);
    if (host_ != nullptr) host_->StringInserted(index, text);
}

void TStrings::Delete(int index) {
    CheckIndex(index, Count() - 1);
    items_.erase(items_.begin() + index);
    if (host_ != nullptr) host_->StringDeleted(index);
}

void TStrings::Clear() {
    items_.clear();
    if (host_ != nullptr) host_->StringsCleared();
}
