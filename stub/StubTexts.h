// Texts that only the package stub shows; those both programs show are in app/shared/MessageTexts.h.
#pragma once

#include <string>

#include "app/shared/MessageTexts.h"

namespace Stub {

constexpr const char* kErrorCaption = "Error";
constexpr const char* kTryAgain = "Incorrect password. Try again.";
constexpr const char* kConfirmDelete = "Are you sure you want to delete the selected file(s)?";
constexpr const char* kSaveFilter = "Any files (*.*)|*.*";
constexpr const char* kNoTempFolder = "The system names no usable temp folder, so files cannot be launched.";

// A dropped file is listed but its bytes are not in the package.
inline std::string NotInPackageText(const std::string& name) {
    return "This file was dropped on the window and is not stored in the package:\r" + name;
}

// Delete cannot replace a read-only package.
inline std::string ReadOnlyPackageText(const std::string& path) {
    return "The package is read-only and cannot be rewritten:\r" + path;
}

}  // namespace Stub
