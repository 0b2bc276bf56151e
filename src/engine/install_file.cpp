#include "engine/install_file.h"

#include "engine/held_file_retry.h"
#include "engine/item_checksum.h"
#include "engine/progress_unit.h"
#include "engine/stamp_readers.h"
#include "host/message_boxes.h"
#include "installation/installer_state.h"
#include "installation/payload_names.h"
#include "installation/product_files.h"
#include "installation/temporary_name.h"
#include "lang/lang_unit.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/payload.h"

StampRule StampRuleFor(const std::string& resourceType) {
    using Kind = StampRule::Kind;
    if (resourceType == "lng") return {Kind::LanguageFile, kNoStamp};
    for (const ProductFile& file : kProductFiles) {
        if (file.stamp.width != 0 && ResourceTypeOf(file.name) == resourceType) {
            return {Kind::Bytes, file.stamp};
        }
    }
    if (resourceType == "pak") return {Kind::Bytes, kPakStampPlace};
    if (resourceType == "3bs") return {Kind::Bytes, k3bsStampPlace};
    return {};
}

bool ComparesVersions(const std::string& resourceType, const std::string& targetPath,
                      bool checkVersion) {
    if (!checkVersion || StampRuleFor(resourceType).kind == StampRule::Kind::None) return false;
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

// An item whose bytes are not those the build packed: the user can only get
// a sound copy of the setup program, so that is said once, after the file.
void ReportDamaged(const std::string& targetPath) {
    ReportNotInstalled(targetPath);
    if (State().DamageReported) return;
    State().DamageReported = true;
    ErrorBox("The setup program is damaged. Please download it again.",
             "Программа установки повреждена. Загрузите её заново.");
}

// The checksum the build took of the item: resource TYPE.NAME of type CRC32C,
// four bytes, least significant first.
bool PackedChecksum(const std::string& resourceName, const std::string& resourceType,
                    std::uint32_t* crc) {
    platform::PayloadItem sum;
    if (!platform::FindPayloadItem(resourceType + "." + resourceName, "CRC32C", &sum) ||
        sum.size != 4) {
        return false;
    }
    *crc = sum.data[0] | (std::uint32_t{sum.data[1]} << 8) | (std::uint32_t{sum.data[2]} << 16) |
           (std::uint32_t{sum.data[3]} << 24);
    return true;
}

bool UserAcceptsOlderCopy(const std::string& targetPath, std::int32_t installedStamp,
                          std::int32_t newStamp) {
    const int answer = ShowInCurrentMode(
        OlderVersionQuestion(targetPath, installedStamp, newStamp, false),
        OlderVersionQuestion(targetPath, installedStamp, newStamp, true),
        kOlderVersionQuestionStyle, OlderVersionCaption(false), OlderVersionCaption(true));
    return answer == platform::kIdYes;
}

enum class Outcome { Installed, Declined, Failed, Damaged };

// The new copy's stamp, from the bytes it was written from: the file just
// written may already be held by another program (a scanner) for a moment.
std::int32_t NewCopyStamp(const StampRule& rule, const platform::PayloadItem& item,
                          const std::string& temporary) {
    const std::string bytes(reinterpret_cast<const char*>(item.data), item.size);
    if (rule.kind == StampRule::Kind::LanguageFile) return LanguageFileVersionOf(bytes, temporary);
    return ByteStampOf(bytes, rule.bytes);
}

// The installed copy's stamp, tried again while it is held for a moment, as
// a write is; 0 when it cannot be read.
std::int32_t InstalledStamp(const StampRule& rule, const std::string& targetPath) {
    if (rule.kind == StampRule::Kind::LanguageFile) return ReadLanguageFileVersion(targetPath);
    std::int32_t stamp = 0;
    RetryWhileHeld([&] { return ReadByteStamp(targetPath, rule.bytes, &stamp); });
    return stamp;
}

// Writes the item to `temporary` as a file that did not exist: opening
// whatever stands at the name would write through a link planted there to a
// file elsewhere. A leftover (a killed setup's copy, a link, a user's file)
// is removed as a name first; when it cannot be (a folder), *leftoverStays
// says that what is there is not ours to delete.
platform::ErrorCode WriteNewCopy(const std::string& temporary, const platform::PayloadItem& item,
                                 bool* leftoverStays) {
    *leftoverStays = false;
    platform::ErrorCode result =
        platform::WriteWholeFile(temporary, item.data, item.size, platform::CreateMode::CreateNew);
    if (result != platform::kErrorFileExists) return result;
    result = platform::RemoveNameAt(temporary);
    if (result != platform::kSuccess) {
        *leftoverStays = true;
        return result;
    }
    result =
        platform::WriteWholeFile(temporary, item.data, item.size, platform::CreateMode::CreateNew);
    *leftoverStays = result == platform::kErrorFileExists;  // put there again meanwhile
    return result;
}

// Writes the new copy beside the target, checks that the bytes it was
// written from are those the build packed, asks when it is older than the
// installed one, and lets it take the target's place. The "~" file is
// removed again on every path that does not move it into place.
Outcome PlaceNewCopy(const platform::PayloadItem& item, std::uint32_t packedChecksum,
                     const std::string& resourceType, const std::string& targetPath,
                     bool checkVersion, ItemChecksum* checksum, bool* asked) {
    const std::string temporary = TemporaryFileName(targetPath);
    bool leftoverStays = false;
    const platform::ErrorCode written =
        RetryWhileHeld([&] { return WriteNewCopy(temporary, item, &leftoverStays); });
    if (written != platform::kSuccess) {
        if (!leftoverStays) platform::DeleteFileAt(temporary);
        return Outcome::Failed;
    }
    if (checksum->Of(item) != packedChecksum) {
        platform::DeleteFileAt(temporary);
        return Outcome::Damaged;
    }
    if (platform::FileExists(targetPath) &&
        ComparesVersions(resourceType, targetPath, checkVersion)) {
        const StampRule rule = StampRuleFor(resourceType);
        const std::int32_t newStamp = NewCopyStamp(rule, item, temporary);
        const std::int32_t installedStamp = InstalledStamp(rule, targetPath);
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

FileOutcome InstallFileFromResource(const std::string& resourceName,
                                    const std::string& resourceType, const std::string& targetPath,
                                    bool checkVersion, ItemChecksum* checksumAhead) {
    platform::PayloadItem item;
    if (!platform::FindPayloadItem(resourceName, resourceType, &item)) {
        ReportNotInstalled(targetPath);
        return FileOutcome::NotInstalled;
    }
    std::uint32_t packedChecksum = 0;
    if (!PackedChecksum(resourceName, resourceType, &packedChecksum)) {
        ReportDamaged(targetPath);  // nothing unchecked is installed
        return FileOutcome::NotInstalled;
    }
    ItemChecksum own;
    ItemChecksum* checksum = checksumAhead != nullptr ? checksumAhead : &own;
    bool asked = false;
    Outcome outcome = PlaceNewCopy(item, packedChecksum, resourceType, targetPath, checkVersion,
                                   checksum, &asked);
    if (outcome == Outcome::Failed) ReportNotInstalled(targetPath);
    if (outcome == Outcome::Damaged) ReportDamaged(targetPath);
    // Bring the window back with both lines cleared; the file-set installer
    // sets the text again for the next file.
    if (asked) ShowProgress("", "");
    switch (outcome) {
        case Outcome::Installed:
            return FileOutcome::Installed;
        case Outcome::Declined:
            return FileOutcome::KeptByChoice;
        default:
            return FileOutcome::NotInstalled;
    }
}
