// A running program cannot delete its own file, so the uninstaller started by
// the user hands the work to a copy of itself. The copy runs from a new folder
// that only administrators can write to, so that nobody can put a DLL beside
// it, and it takes the order only from the uninstaller that made it.
#pragma once

#include <cstdint>
#include <string>

#include "uninstall/uninstall_arguments.h"

// The uninstaller's side: makes the folder, copies our executable into it,
// leaves the order to clear `programFolder` there as a one-time file, starts
// the copy and waits until it has taken the order. True when the copy runs
// with the order; false leaves nothing behind that the copy could act on.
bool HandOverToTemporaryCopy(const std::string& programFolder);

// What a copy started with a removal order learns about it at once.
struct ReceivedOrder {
    RemovalOrder order;
    // The process that started us, held from now on so that its id stays its own.
    std::uint32_t parentId = 0;
    std::string parentExecutable;
};

// The copy's side, first thing: true when `commandLine` holds an order, the
// one-time file beside our executable holds the same (it is deleted now, which
// also tells our starter that it may end) and the process that started us
// still runs. Whether that process is the product's registered uninstaller is
// for the caller to judge.
bool ReceiveRemovalOrder(const std::string& commandLine, ReceivedOrder* received);
