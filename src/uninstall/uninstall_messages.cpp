#include "uninstall/uninstall_messages.h"

#include <cstdint>

#include "control/installer_state.h"
#include "host/common_unit.h"
#include "platform/message_box.h"
#include "uninstall/installed_paths.h"

namespace {

// MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL | MB_TOPMOST
constexpr std::uint32_t kQuestionStyle = 0x42024;
// MB_TOPMOST | MB_TASKMODAL | MB_ICONINFORMATION
constexpr std::uint32_t kDoneStyle = 0x42040;

int ShowInCurrentMode(const std::string& englishText, const std::string& russianText,
                      std::uint32_t style) {
    const InstallerState& s = State();
    if (s.IsRussian) {
        return platform::ShowMessageBoxEx(russianText, s.ShortTitleRu, style,
                                          platform::kLangRussian);
    }
    return platform::ShowMessageBox(englishText, s.ShortTitleEn, style);
}

std::string Quoted(const std::string& title) { return "\"" + title + "\""; }

std::string Lines(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths) text += path + "\r\n";
    return text;
}

}  // namespace

bool UserConfirmsRemoval() {
    const InstallerState& s = State();
    const int answer = ShowInCurrentMode(
        "Do you really want to remove " + Quoted(s.ShortTitleEn) +
            " and all of its components from your computer?",
        "Удалить программу " + Quoted(s.ShortTitleRu) + " и все её компоненты с Вашего компьютера?",
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
    if (outcome.filesLeft.empty()) {
        text.english = Quoted(s.ShortTitleEn) + " has been removed from your computer.";
        text.russian = "Программа " + Quoted(s.ShortTitleRu) + " удалена с Вашего компьютера.";
    } else {
        text.english = Quoted(s.ShortTitleEn) +
                       " has been removed from your computer except for these files, which are "
                       "in use:\r\n" +
                       Lines(outcome.filesLeft) +
                       "Close the programs that use them and delete the files yourself.";
        text.russian = "Программа " + Quoted(s.ShortTitleRu) +
                       " удалена с Вашего компьютера, кроме этих файлов, которые сейчас "
                       "используются:\r\n" +
                       Lines(outcome.filesLeft) +
                       "Закройте программы, которые их используют, и удалите файлы сами.";
    }
    if (!outcome.registryKeysLeft.empty()) {
        text.english +=
            "\r\n\r\nThe program's entry in the list of installed programs could not be removed.";
        text.russian +=
            "\r\n\r\nНе удаётся удалить запись программы из списка установленных программ.";
    }
    // With files of ours left the folder's staying needs no word of its own.
    if (programFolderKept && outcome.filesLeft.empty()) {
        text.english += "\r\n\r\nThe folder " + programFolder +
                        " has been left in place: it holds files that are not the program's.";
        text.russian += "\r\n\r\nПапка " + programFolder +
                        " оставлена на месте: в ней есть файлы, не относящиеся к программе.";
    }
    return text;
}

void ReportOutcome(const UninstallOutcome& outcome, const std::string& programFolder) {
    const OutcomeText text = DescribeOutcome(outcome, programFolder);
    ShowInCurrentMode(text.english, text.russian, text.warning ? kWarningBoxStyle : kDoneStyle);
}
