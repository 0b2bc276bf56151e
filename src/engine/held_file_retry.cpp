#include "engine/held_file_retry.h"

#include "platform/clock.h"

bool MayBeHeldByAnotherProgram(platform::ErrorCode error) {
    return error == platform::kErrorSharingViolation || error == platform::kErrorAccessDenied;
}

platform::ErrorCode RetryWhileHeld(const std::function<platform::ErrorCode()>& attempt) {
    platform::ErrorCode result = attempt();
    for (int tries = 1; tries < kHeldFileTries && MayBeHeldByAnotherProgram(result); ++tries) {
        platform::SleepMs(kHeldFilePauseMs);
        result = attempt();
    }
    return result;
}
