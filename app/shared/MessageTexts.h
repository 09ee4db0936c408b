// Texts that both programs show: the product and window captions and the messages they share.
#pragma once

#include <string>

// Caption of most message boxes.
constexpr const char* kProductCaption = "Quiverlock";
constexpr const char* kProgramVersion = "2.0";
// The main window's caption once shown, which some message boxes carry as theirs.
constexpr const char* kWindowCaption = "Quiverlock 2.0";

constexpr const char* kEnterPassword = "Please enter the password.";
constexpr const char* kWrongPassword = "Incorrect password. Please retype it.";
// Title of the folder browser that picks where files are written.
constexpr const char* kSelectDestinationFolder = "Select destination folder:";

// A question about a file that is there already: its name quoted, then the question on a line of its own.
inline std::string AlreadyExistsQuestion(const std::string& name, const char* question) {
    return "File \"" + name + "\" already exists.\r" + question;
}

// A tree item whose file or folder is gone (deleted while selected).
inline std::string NotFoundText(const std::string& path) {
    return "The file or folder no longer exists.\r" + path;
}

// AccessDeniedText and the text of a write that failed: beside the file routines, which the stub shares.
#include "app/payload/WriteFailure.h"
