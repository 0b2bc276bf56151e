// Another program (a virus scanner, an indexer) often opens a freshly written
// file for a moment. A write or replacement that meets such a file is tried
// again a few times before the installation calls the file a failure.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/error_codes.h"

constexpr int kHeldFileTries = 5;
constexpr std::uint32_t kHeldFilePauseMs = 400;

// Whether an error may come from a file someone else holds open: a sharing
// violation, or access denied (what a rename onto a held file returns). A full
// disk or a bad name never clears by waiting.
bool MayBeHeldByAnotherProgram(platform::ErrorCode error);

// Runs `attempt` until it succeeds, fails with an error that waiting cannot
// cure, or has been tried kHeldFileTries times, pausing kHeldFilePauseMs
// between tries. Returns the last result.
platform::ErrorCode RetryWhileHeld(const std::function<platform::ErrorCode()>& attempt);
