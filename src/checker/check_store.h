#pragma once

#include "checker/commands.h"

namespace checker {

// The checker's settings for this run of the lesson. The program owns it, so
// the settings outlive the workbench window; the outcome of each check goes
// to the attempt log (results::AttemptLog::recordCheck), its only record.
class CheckStore {
public:
    CheckSettings settings;
};

}  // namespace checker
