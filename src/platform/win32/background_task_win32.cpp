#include <windows.h>

#include "platform/background_task.h"

namespace {

// One thread for the life of the process, made on the first start and then
// waiting for the next task: a thread per task would cost more than the
// tasks save on the smaller items.
HANDLE gStart = nullptr;  // set: a task is ready
HANDLE gDone = nullptr;   // set: a task has run (possibly one already waited for)
void (*gTask)(void*) = nullptr;
void* gContext = nullptr;
LONG gStarted = 0;            // tasks handed to the thread, counted by the thread that starts them
volatile LONG gFinished = 0;  // tasks it has run to their end

DWORD WINAPI RunTasks(void*) {
    SetEvent(gDone);  // started: see ThreadReady
    for (;;) {
        if (WaitForSingleObject(gStart, INFINITE) != WAIT_OBJECT_0) return 0;
        // The thread that started the task usually goes on into a wait of its
        // own; a task that took the processor from it at once would make it
        // late for that wait.
        Sleep(1);
        gTask(gContext);
        InterlockedIncrement(&gFinished);
        SetEvent(gDone);
    }
}

bool ThreadReady() {
    static bool tried = false;
    static bool ready = false;
    if (tried) return ready;
    tried = true;
    gStart = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    gDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE thread = nullptr;
    if (gStart != nullptr && gDone != nullptr) {
        // The default stack: Wine's own start of a thread needs more than
        // the tasks do, and a thread started on 64 KB hung under it.
        thread = CreateThread(nullptr, 0, RunTasks, nullptr, 0, nullptr);
    }
    if (thread == nullptr) return false;  // every task then runs on its caller
    // The new thread's start runs every DLL's start-up code under the
    // loader's lock; waiting for it keeps that from overlapping whatever
    // this thread loads next (under Wine such an overlap can deadlock).
    WaitForSingleObject(gDone, INFINITE);
    CloseHandle(thread);
    ready = true;
    return true;
}

}  // namespace

namespace platform {

void StartBackgroundTask(void (*task)(void*), void* context) {
    if (!ThreadReady()) {
        task(context);
        return;
    }
    gTask = task;
    gContext = context;
    ++gStarted;
    SetEvent(gStart);
}

void WaitForBackgroundTask() {
    // A task already done costs no call into the system; a signal left from
    // a task that was not waited for only makes the loop look again.
    while (InterlockedCompareExchange(&gFinished, 0, 0) != gStarted) {
        WaitForSingleObject(gDone, INFINITE);
    }
}

}  // namespace platform
