#include "engine/registration_texts.h"

#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"

RegistrationTexts ChooseRegistrationTexts() {
    const InstallerState& s = State();
    if (s.IsRussian) {
        return {s.ShortTitleRu, s.FullTitleRu, kShortcutNamesRu.uninstall, kShortcutNamesRu.website,
                product::kPublisherRu};
    }
    return {s.ShortTitleEn, s.FullTitleEn, kShortcutNamesEn.uninstall, kShortcutNamesEn.website,
            product::kPublisherEn};
}
