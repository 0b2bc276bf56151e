#include "engine/registration_texts.h"

#include "control/installer_state.h"
#include "control/product_identity.h"

RegistrationTexts ChooseRegistrationTexts() {
    const InstallerState& s = State();
    if (s.IsRussian) {
        return {s.ShortTitleRu, s.FullTitleRu, "Удаление программы", "Интернет-сайт программы",
                product::kPublisherRu};
    }
    return {s.ShortTitleEn, s.FullTitleEn, "Uninstall the program", "Program's website",
            product::kPublisherEn};
}
