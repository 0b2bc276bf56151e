// Compiled without windows.h, as the portable code is: taking the address of
// every platform call here makes the link fail when an implementation was
// renamed by one of windows.h's macros (RegDeleteTree -> RegDeleteTreeA).
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/registry_calls.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/unelevated_start.h"

namespace {

using Address = void (*)();

template <typename Function>
Address AddressOf(Function* function) {
    return reinterpret_cast<Address>(function);
}

}  // namespace

// Referenced from main so that the linker cannot drop this table.
extern const Address kPlatformCalls[];
const Address kPlatformCalls[] = {
    AddressOf(platform::SleepMs),
    AddressOf(platform::TickMs),
    AddressOf(platform::PreciseTickUs),
    AddressOf(platform::TodayLocal),
    AddressOf(platform::RandomSeed),
    AddressOf(platform::FileExists),
    AddressOf(platform::FolderExists),
    AddressOf(platform::CreateFolder),
    AddressOf(platform::CreateFolderTree),
    AddressOf(platform::DeleteFileAt),
    AddressOf(platform::RemoveNameAt),
    AddressOf(platform::MoveFileReplacing),
    AddressOf(platform::WriteWholeFile),
    AddressOf(platform::ReadFileRange),
    AddressOf(platform::ReadWholeFile),
    AddressOf(platform::FileSize),
    AddressOf(platform::ListFolder),
    AddressOf(platform::FreeDiskSpace),
    AddressOf(platform::SetWorkingFolder),
    AddressOf(platform::ShowMessageBox),
    AddressOf(platform::ShowMessageBoxEx),
    AddressOf(platform::ProbeNamedMapping),
    AddressOf(platform::FindTopLevelWindow),
    AddressOf(platform::PostWindowMessage),
    AddressOf(platform::ShowWindowAs),
    AddressOf(platform::BringToForeground),
    AddressOf(platform::AllowForegroundFor),
    AddressOf(platform::RunHiddenReadingOutput),
    AddressOf(platform::RegOpen),
    AddressOf(platform::RegQueryValueType),
    AddressOf(platform::RegReadString),
    AddressOf(platform::RegReadDword),
    AddressOf(platform::RegWriteString),
    AddressOf(platform::RegWriteDword),
    AddressOf(platform::RegDeleteTree),
    AddressOf(platform::RegClose),
    AddressOf(platform::InitializeComponentLibrary),
    AddressOf(platform::ShellOpen),
    AddressOf(platform::ShellOpenAsDesktopUser),
    AddressOf(platform::SaveShellLink),
    AddressOf(platform::LoadShellLink),
    AddressOf(platform::RunFolderDialog),
    AddressOf(platform::UserDefaultLcid),
    AddressOf(platform::QueryVersion),
    AddressOf(platform::NativeProcessorArchitecture),
    AddressOf(platform::SystemMetric),
    AddressOf(platform::OemToAnsi),
    AddressOf(platform::IsUserAnAdmin),
    AddressOf(platform::SystemFolder),
};
