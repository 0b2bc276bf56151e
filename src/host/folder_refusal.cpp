#include "host/folder_refusal.h"

#include "host/message_boxes.h"
#include "installation/checked_folder.h"
#include "installation/installer_state.h"
#include "platform/name_case.h"
#include "platform/text_code_page.h"

void ReportFolderNotItself(const std::string& folder) {
    if (!State().FoldersRefused.insert(platform::FoldedName(folder)).second) return;
    // The words are the program's own (CP1251); the path is in the text code
    // page already.
    const auto words = [](const char* cp1251) { return platform::FromProgramText(cp1251); };
    ShowInCurrentMode(
        words("The folder ") + folder +
            words(" is a link to another place, or was replaced by one while the program "
                  "worked. To keep what is there safe, nothing is written to it or deleted "
                  "from it."),
        words("Папка ") + folder +
            words(" — это ссылка на другое место, или её подменили ссылкой во время работы "
                  "программы. Чтобы не повредить то, что там лежит, программа ничего в неё не "
                  "записывает и ничего из неё не удаляет."),
        kWarningBoxStyle);
}

bool FolderIsItselfOrReported(const std::string& folder) {
    if (NoLinkAtOrOnTheWay(folder)) return true;
    ReportFolderNotItself(folder);
    return false;
}
