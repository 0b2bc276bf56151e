#include "uninstall/uninstall_messages.h"

#include <cstdint>

#include "host/message_boxes.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "platform/message_box.h"
#include "platform/text_code_page.h"

namespace {

constexpr std::uint32_t kQuestionStyle =
    platform::kMbYesNo | platform::kMbIconQuestion | platform::kMbTaskModal | platform::kMbTopmost;
constexpr std::uint32_t kDoneStyle =
    platform::kMbTopmost | platform::kMbTaskModal | platform::kMbIconInformation;

// The texts' own words are written in CP1251; titles and paths arrive in
// the text code page already.
std::string T(const char* cp1251) { return platform::FromProgramText(cp1251); }

std::string Quoted(const std::string& title) { return "\"" + title + "\""; }

std::string Lines(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths) text += path + "\r\n";
    return text;
}

}  // namespace

bool UserConfirmsRemoval() {
    const InstallerState& s = State();
    const int answer = ShowInCurrentMode("Do you really want to remove " + Quoted(s.ShortTitleEn) +
                                             " and all of its components from your computer?",
                                         T("Удалить программу ") + Quoted(s.ShortTitleRu) +
                                             T(" и все её компоненты с Вашего компьютера?"),
                                         kQuestionStyle);
    return answer == platform::kIdYes;
}

OutcomeText DescribeOutcome(const UninstallOutcome& outcome, const std::string& programFolder) {
    const InstallerState& s = State();
    bool programFolderKept = false;
    for (const std::string& folder : outcome.foldersKept) {
        programFolderKept = programFolderKept || SameFileName(folder, programFolder);
    }
    OutcomeText text;
    text.warning = !outcome.Complete();
    if (outcome.filesLeft.empty() && outcome.foldersRefused.empty()) {
        text.english = Quoted(s.ShortTitleEn) + " has been removed from your computer.";
        text.russian =
            T("Программа ") + Quoted(s.ShortTitleRu) + T(" удалена с Вашего компьютера.");
        // A removal stopped halfway, finished now.
        if (outcome.partlyRemovedBefore) {
            text.english +=
                "\r\n\r\nPart of it had been removed before; what was left has been removed now.";
            text.russian +=
                T("\r\n\r\nЧасть её уже была удалена раньше; теперь удалено то, что "
                  "оставалось.");
        }
    } else if (outcome.filesLeft.empty()) {
        // Only what lies behind a link stayed, and the user has been told of it.
        text.english = Quoted(s.ShortTitleEn) +
                       " has not been removed completely: the folders named before have been "
                       "left as they are. The program's entry in the list of installed programs "
                       "has been kept.";
        text.russian = T("Программа ") + Quoted(s.ShortTitleRu) +
                       T(" удалена не полностью: названные раньше папки оставлены как есть. "
                         "Запись программы в списке установленных программ сохранена.");
    } else {
        // The entry stays with them, so that the removal can be run again.
        text.english = Quoted(s.ShortTitleEn) +
                       " has not been removed completely. These of its files are still on your "
                       "computer:\r\n" +
                       Lines(outcome.filesLeft) +
                       "Close the programs that use them and run the removal again: the "
                       "program's entry in the list of installed programs has been kept for it.";
        text.russian = T("Программа ") + Quoted(s.ShortTitleRu) +
                       T(" удалена не полностью. На Вашем компьютере остались эти её файлы:\r\n") +
                       Lines(outcome.filesLeft) +
                       T("Закройте программы, которые их используют, и запустите удаление ещё "
                         "раз: запись программы в списке установленных программ для этого "
                         "сохранена.");
    }
    if (!outcome.registryKeysLeft.empty()) {
        text.english +=
            "\r\n\r\nThe program's entry in the list of installed programs could not be removed.";
        text.russian +=
            T("\r\n\r\nНе удаётся удалить запись программы из списка установленных программ.");
    }
    // With files of ours left the folder's staying needs no word of its own.
    if (programFolderKept && outcome.filesLeft.empty()) {
        text.english += "\r\n\r\nThe folder " + programFolder +
                        " has been left in place: it holds files that are not the program's.";
        text.russian += T("\r\n\r\nПапка ") + programFolder +
                        T(" оставлена на месте: в ней есть файлы, не относящиеся к программе.");
    }
    return text;
}

void ReportOutcome(const UninstallOutcome& outcome, const std::string& programFolder) {
    const OutcomeText text = DescribeOutcome(outcome, programFolder);
    ShowInCurrentMode(text.english, text.russian, text.warning ? kWarningBoxStyle : kDoneStyle);
}

void ReportFolderNotFound(const std::string& programFolder) {
    const InstallerState& s = State();
    ShowInCurrentMode(
        Quoted(s.ShortTitleEn) + " has not been removed: its folder " + programFolder +
            " cannot be found. The program's entry in the list of installed programs has been "
            "kept.",
        T("Программа ") + Quoted(s.ShortTitleRu) + T(" не удалена: не удаётся найти её папку ") +
            programFolder + T(". Запись программы в списке установленных программ сохранена."),
        kWarningBoxStyle);
}
