// A DLL left in the working folder (a downloads folder, usually) must not be
// loaded by name once setup.exe has restricted the search. Each case runs in a
// child process, as the restriction cannot be undone.
#include <windows.h>

#include "check.h"
#include "child_modes.h"

class DllSearch : public sandbox::Test {};

TEST_F(DllSearch, DllInTheWorkingFolderIsFoundOnlyWithoutTheRestriction) {
    // Built beside the tests under a name no search finds; copied to the
    // working folder of the child under the name it asks for.
    ASSERT_TRUE(::CopyFileA((check::ProgramFolder() + "nv_probe.dll_").c_str(),
                            (sandbox::Folder() + "nv_probe.dll").c_str(), FALSE));
    EXPECT_EQ(RunSelf("--load-dll nv_probe.dll"), 1);  // the probe itself works
    EXPECT_EQ(RunSelf("--restrict-then-load-dll nv_probe.dll"), 0);
    // The system's own DLLs are still found.
    EXPECT_EQ(RunSelf("--restrict-then-load-dll version.dll"), 1);
}
