// The payload: resources of the program's own module. The bytes of a loaded
// resource stay mapped for the life of the process, so the installer writes
// them to disk straight from there.
#include <windows.h>

#include "platform/name_case.h"
#include "platform/payload.h"

namespace platform {

bool FindPayloadItem(const std::string& name, const std::string& type, PayloadItem* item) {
    if (name.empty() || type.empty()) return false;  // no item is nameless
    // The resource calls compare names without regard to case already; the
    // catalogue's capitals are asked for anyway, so that the lookup does not
    // depend on how the system folds the code page's letters.
    const std::string upperName = platform::FoldedName(name);
    const std::string upperType = platform::FoldedName(type);
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, upperName.c_str(), upperType.c_str());
    if (resource == nullptr) return false;
    HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) return false;
    const void* bytes = LockResource(loaded);
    if (bytes == nullptr) return false;
    item->data = static_cast<const unsigned char*>(bytes);
    item->size = SizeofResource(module, resource);
    return true;
}

}  // namespace platform
