// Texts that only the package stub shows; those both programs show are in app/shared/MessageTexts.h.
#pragma once

#include <string>
#include <vector>

#include "app/shared/MessageTexts.h"

namespace Stub {

constexpr const char* kErrorCaption = "Error";
constexpr const char* kTryAgain = "Incorrect password. Try again.";
constexpr const char* kConfirmDelete = "Are you sure you want to delete the selected file(s)?";
constexpr const char* kSaveFilter = "Any files (*.*)|*.*";
constexpr const char* kNoTempFolder = "The system names no usable temp folder, so files cannot be launched.";

constexpr const char* kSwapFailed =
    "The package could not be rewritten: it stayed in use. It still holds all its files; the files to be "
    "deleted are still in it.";
// The switch that the swap batch starts the old package with when it gave up: the package only says so.
constexpr const char* kSwapFailedSwitch = "/swapfailed";
// The name the main program gives a package that it unhides from a carrier into the temp folder.
constexpr const char* kUnhiddenPackageName = "QVL.exe";
constexpr const char* kUnhiddenPackageDelete =
    "This package is a temporary copy unhidden from a carrier. Delete would change only the copy, not the "
    "carrier, so it is not done.";

// Copies of decrypted files that closing could not erase because other programs still hold them.
inline std::string CopiesLeftText(const std::vector<std::string>& paths) {
    std::string text = "These decrypted copies are still in use and stay in the temp folder; delete them once "
                       "they are closed:";
    for (const std::string& path : paths) text += "\r" + path;
    return text;
}

// The folder's path leaves no room for the name of a new file.
inline std::string FolderTooLongText(const std::string& folder) {
    return "The folder's path is too long to write a new file there:\r" + folder;
}

// A dropped file is listed but its bytes are not in the package.
inline std::string NotInPackageText(const std::string& name) {
    return "This file was dropped on the window and is not stored in the package:\r" + name;
}

// Delete cannot replace a read-only package.
inline std::string ReadOnlyPackageText(const std::string& path) {
    return "The package is read-only and cannot be rewritten:\r" + path;
}

}  // namespace Stub
