// Texts that the package stub shows.
#pragma once

#include <string>

namespace Stub {

constexpr const char* kWindowCaption = "Quiverlock 2.0";
constexpr const char* kErrorCaption = "Error";
constexpr const char* kEnterPassword = "Please enter the password.";
constexpr const char* kTryAgain = "Incorrect password. Try again.";
constexpr const char* kRetypePassword = "Incorrect password. Please retype it.";
constexpr const char* kSelectDestinationFolder = "Select destination folder:";
constexpr const char* kConfirmDelete = "Are you sure you want to delete the selected file(s)?";
constexpr const char* kSaveFilter = "Any files (*.*)|*.*";

inline std::string OverwriteQuestion(const std::string& path) {
    return "File \"" + path + "\" already exists.\rOverwrite?";
}

// A dropped file is listed but its bytes are not in the package.
inline std::string NotInPackageText(const std::string& name) {
    return "This file was dropped on the window and is not stored in the package:\r" + name;
}

}  // namespace Stub
