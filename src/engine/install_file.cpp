#include "engine/install_file.h"

#include "control/installer_state.h"
#include "engine/held_file_retry.h"
#include "engine/stamp_readers.h"
#include "host/common_unit.h"
#include "lang/lang_unit.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/payload.h"
#include "ui/progress_unit.h"

std::string TemporaryFileName(const std::string& targetPath) {
    // The last character is never taken as the folder's end.
    std::size_t slash =
        targetPath.size() < 2 ? std::string::npos : targetPath.rfind('\\', targetPath.size() - 2);
    std::string name = targetPath;
    name.insert(slash == std::string::npos ? 0 : slash + 1, "~");
    return name;
}

StampReader StampReaderFor(const std::string& resourceType) {
    if (resourceType == "cok") return ReadCokStamp;
    if (resourceType == "pak") return ReadPakStamp;
    if (resourceType == "3bs") return Read3bsStamp;
    if (resourceType == "lng") return ReadLanguageFileVersion;
    return nullptr;
}

bool ComparesVersions(const std::string& resourceType, const std::string& targetPath,
                      bool checkVersion) {
    if (!checkVersion || StampReaderFor(resourceType) == nullptr) return false;
    return !(resourceType == "lng" && targetPath.find('!') != std::string::npos);
}

std::string OlderVersionQuestion(const std::string& targetPath, std::int32_t installedStamp,
                                 std::int32_t newStamp, bool russian) {
    const std::string installed = std::to_string(installedStamp);
    const std::string fresh = std::to_string(newStamp);
    if (russian) {
        return "Устанавливаемый файл " + targetPath + "\r\n" +
               "более старой версии, чем уже установленный.\r\n\r\n" +
               "Действительно ли Вы хотите заменить уже имеющийся\r\n" + "файл версии " +
               installed + " на более старый версии " + fresh + "?";
    }
    return targetPath + " file installing is of older version\r\n" +
           "than the same already installed.\r\n\r\n" +
           "Do you really want to replace existing\r\n" + "new file version " + installed +
           " with an older file version " + fresh + "?";
}

std::string OlderVersionCaption(bool russian) {
    return russian ? "Резонный вопрос" : "Sound question";
}

namespace {

void ReportNotInstalled(const std::string& targetPath) {
    ErrorBox("Can't install file " + targetPath, "Не удается установить файл " + targetPath);
}

bool UserAcceptsOlderCopy(const std::string& targetPath, std::int32_t installedStamp,
                          std::int32_t newStamp) {
    const bool russian = State().IsRussian;
    const std::string text = OlderVersionQuestion(targetPath, installedStamp, newStamp, russian);
    const std::string caption = OlderVersionCaption(russian);
    int answer = russian ? platform::ShowMessageBoxEx(text, caption, kOlderVersionQuestionStyle,
                                                      platform::kLangRussian)
                         : platform::ShowMessageBox(text, caption, kOlderVersionQuestionStyle);
    return answer == platform::kIdYes;
}

enum class Outcome { Installed, Declined, Failed };

// Writes the new copy beside the target, asks when it is older than the
// installed one, and lets it take the target's place. The "~" file is removed
// again on every path that does not move it into place.
Outcome PlaceNewCopy(const platform::PayloadItem& item, const std::string& resourceType,
                     const std::string& targetPath, bool checkVersion, bool* asked) {
    const std::string temporary = TemporaryFileName(targetPath);
    const platform::ErrorCode written = RetryWhileHeld([&] {
        return platform::WriteWholeFile(temporary, item.data, item.size,
                                        platform::CreateMode::CreateAlways);
    });
    if (written != platform::kSuccess) {
        platform::DeleteFileAt(temporary);
        return Outcome::Failed;
    }
    if (platform::FileExists(targetPath) &&
        ComparesVersions(resourceType, targetPath, checkVersion)) {
        StampReader read = StampReaderFor(resourceType);
        const std::int32_t newStamp = read(temporary);
        const std::int32_t installedStamp = read(targetPath);
        if (installedStamp > newStamp) {
            *asked = true;
            HideProgress();  // the topmost window must not cover the question
            if (!UserAcceptsOlderCopy(targetPath, installedStamp, newStamp)) {
                platform::DeleteFileAt(temporary);
                return Outcome::Declined;
            }
        }
    }
    if (RetryWhileHeld([&] { return platform::MoveFileReplacing(temporary, targetPath); }) !=
        platform::kSuccess) {
        platform::DeleteFileAt(temporary);
        return Outcome::Failed;
    }
    return Outcome::Installed;
}

}  // namespace

void InstallFileFromResource(const std::string& resourceName, const std::string& resourceType,
                             const std::string& targetPath, bool checkVersion) {
    platform::PayloadItem item;
    if (!platform::FindPayloadItem(resourceName, resourceType, &item)) {
        ReportNotInstalled(targetPath);
        return;
    }
    bool asked = false;
    Outcome outcome = PlaceNewCopy(item, resourceType, targetPath, checkVersion, &asked);
    if (outcome == Outcome::Failed) ReportNotInstalled(targetPath);
    // Bring the window back with both lines cleared; the file-set installer
    // sets the text again for the next file.
    if (asked) ShowProgress("", "");
}
