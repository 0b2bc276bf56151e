// The entry of uninstall.exe.
#include "platform/process_entry.h"
#include "platform/text_code_page.h"
#include "uninstall/uninstall_sequence.h"

int main() {
    // Nothing that happens to lie beside the executable is loaded on demand.
    platform::RestrictDllSearchPath();
    // The installed folder may be named in any language, whatever the
    // system's code page is now: every text is UTF-8 from here on.
    platform::UseTextCodePage(platform::TextCodePage::Utf8);
    return RunUninstall(platform::CommandLineArguments());
}
