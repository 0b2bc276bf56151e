// How both programs run: the common services started and shut down around the
// program's own work, one setup or uninstaller on the machine at a time, and
// one way to fail.
#pragma once

#include <cstdint>

// The first line of the report of an error that nothing else handled, in the
// words of the program that stopped.
struct StopWords {
    const char* english;
    const char* russian;
};

// Runs `work(context)` between the start and the shutdown of the common
// services, once this process holds the machine-wide lock; another setup or
// uninstaller that holds it for longer than `lockWaitMs` is reported, and
// nothing else is done. An exception that escapes the work is reported with
// `stopped` and its own text. Returns the process exit code: 0 on every path.
int RunProgramFrame(const StopWords& stopped, std::uint32_t lockWaitMs, void (*work)(void*),
                    void* context);

// The same for any callable, e.g. a lambda.
template <typename Work>
int RunProgram(const StopWords& stopped, std::uint32_t lockWaitMs, Work work) {
    return RunProgramFrame(
        stopped, lockWaitMs, [](void* context) { (*static_cast<Work*>(context))(); }, &work);
}
