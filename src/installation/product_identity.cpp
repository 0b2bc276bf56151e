#include "installation/product_identity.h"

#include "installation/installer_state.h"

void WriteProductIdentity() {
    InstallerState& s = State();
    s.ProductName = product::kName;
    s.ShortTitleRu = product::kShortTitleRu;
    s.ShortTitleEn = product::kShortTitleEn;
    s.FullTitleRu = product::kFullTitleRu;
    s.FullTitleEn = product::kFullTitleEn;
    s.VersionText = product::kVersionText;
    s.VersionMajor = product::kVersionMajor;
    s.VersionMinor = product::kVersionMinor;
    s.WebAddress = product::kWebAddress;
}
