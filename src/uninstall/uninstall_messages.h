// What the uninstaller says to the user: one question before anything is
// touched, and one message with the result.
#pragma once

#include <string>

#include "uninstall/plan_execution.h"

// Asks whether to remove the product; true only for Yes.
bool UserConfirmsRemoval();

// One message: success, or which files stayed (the uninstall entry stays
// with them) and whether the entry could not be removed. `programFolder` is named when it had to
// stay for files that are not the product's.
void ReportOutcome(const UninstallOutcome& outcome, const std::string& programFolder);

// The program folder is not there to be seen: nothing has been touched.
void ReportFolderNotFound(const std::string& programFolder);

// The texts, by mode, for the message above.
struct OutcomeText {
    std::string english;
    std::string russian;
    bool warning = false;  // something was left behind
};
OutcomeText DescribeOutcome(const UninstallOutcome& outcome, const std::string& programFolder);
