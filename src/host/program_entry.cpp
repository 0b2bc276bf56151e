#include "host/program_entry.h"

#include <exception>
#include <string>

#include "host/common_unit.h"
#include "host/message_boxes.h"
#include "host/paths.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"
#include "installation/uninstaller_copies.h"
#include "platform/error_codes.h"
#include "platform/processes.h"
#include "platform/self_removal.h"
#include "platform/shell.h"
#include "platform/text_code_page.h"

namespace {

// Held by the one setup or uninstaller of the product that runs, in the
// namespace every session of the machine shares.
constexpr char kOneAtATimeLock[] = "Global\\Norvelik.Setup";

// A second installer beside the first would mix their files, entries and
// shortcuts. A lock that cannot be made at all stops nobody: that would keep
// the product from being installed over a fault of the system's.
bool TakeOneAtATimeLock(std::uint32_t waitMs) {
    const platform::ErrorCode taken = platform::HoldNamedLock(kOneAtATimeLock, waitMs);
    if (taken != platform::kErrorTimeout && taken != platform::kErrorAccessDenied) return true;
    WarningBox(std::string("Another setup or uninstaller of \"") + product::kShortTitleEn +
                   "\" is running on this computer.\r\n"
                   "Please wait until it ends, then start this program again.",
               std::string("На этом компьютере уже работает установка или удаление программы \"") +
                   product::kShortTitleRu +
                   "\".\r\nДождитесь её окончания и запустите эту программу снова.");
    return false;
}

// The product's names in the text code page of the program's paths and
// messages (the same bytes where that is the system's ANSI code page).
void WriteIdentityTexts() {
    WriteProductIdentity();
    InstallerState& s = State();
    for (std::string* text :
         {&s.ProductName, &s.ShortTitleRu, &s.ShortTitleEn, &s.FullTitleRu, &s.FullTitleEn}) {
        *text = platform::FromProgramText(*text);
    }
}

void ReportUnexpectedError(const StopWords& stopped, const char* what) {
    const std::string detail = what != nullptr ? what : "";
    ErrorBox(std::string(stopped.english) + "\r\n" + detail,
             std::string(stopped.russian) + "\r\n" + detail);
}

}  // namespace

int RunProgramFrame(const StopWords& stopped, std::uint32_t lockWaitMs, void (*work)(void*),
                    void* context) {
    try {
        StartCommonUnit();
        // Every message of the run, the frame's own too, carries the product's title.
        WriteIdentityTexts();
        if (TakeOneAtATimeLock(lockWaitMs)) {
            // With the lock no copy of the uninstaller works, but the one we may be.
            RemoveLeftoverUninstallerCopies(FolderOfFile(platform::OwnExecutablePath()));
            // The folder dialog and the shortcuts need the component library on this thread.
            platform::InitializeComponentLibrary();
            work(context);
        }
    } catch (const std::exception& error) {
        ReportUnexpectedError(stopped, error.what());
    } catch (...) {
        ReportUnexpectedError(stopped, nullptr);
    }
    ShutdownCommonUnit();
    return 0;
}
