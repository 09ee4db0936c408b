// What a window with a long run shares with the others: piece hooks and the stop question.
#pragma once

#include <string>

#include "app/payload/PieceCopy.h"
#include "toolkit/forms/Form.h"
#include "toolkit/controls/ProgressBar.h"

// Lets pending window messages run, at most once in 25 ms; true when they ran.
bool LetPendingMessagesRun();

// Stops when stopFlag is set; after each piece lets pending messages run and, when they ran and at the
// file's end, shows the file's progress (left where it is for an empty file).
TPieceHooks RunHooks(const bool& stopFlag, TProgressBar& progress);

// Cancel of a dialog with a run: closes the idle dialog (stopFlag set), or asks the question and sets
// stopFlag to the answer Yes.
void CancelOrAskStop(TForm& form, bool& stopFlag, const std::string& question);
