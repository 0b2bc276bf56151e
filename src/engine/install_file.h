// Writes one payload item to its target path, asking before an older data
// file replaces a newer installed one.
#pragma once

#include <cstdint>
#include <string>

#include "engine/stamp_readers.h"
#include "platform/message_box.h"

class ItemChecksum;

// Style of the older-version question.
constexpr std::uint32_t kOlderVersionQuestionStyle =
    platform::kMbYesNo | platform::kMbIconQuestion | platform::kMbTaskModal | platform::kMbTopmost;

// How the stamps of a versioned type (compared exactly, in lower case) are
// read: bytes at the place the table of the product's files gives for its
// data files of that type ("cok"), at the fixed places of "pak" and "3bs",
// or the language file's version line ("lng"). A type without stamps has
// its installed copy replaced unasked.
struct StampRule {
    enum class Kind { None, Bytes, LanguageFile } kind = Kind::None;
    StampPlace bytes = kNoStamp;
};
StampRule StampRuleFor(const std::string& resourceType);

// Whether the stamps of an existing target and the new copy are compared.
// Language files whose path holds a "!" never are.
bool ComparesVersions(const std::string& resourceType, const std::string& targetPath,
                      bool checkVersion);

// The question text and caption for the current mode.
std::string OlderVersionQuestion(const std::string& targetPath, std::int32_t installedStamp,
                                 std::int32_t newStamp, bool russian);
std::string OlderVersionCaption(bool russian);

// What became of one file.
enum class FileOutcome {
    Installed,     // the new copy is in place
    KeptByChoice,  // the user kept the newer installed copy
    NotInstalled,  // it could not be installed: reported to the user
};

// Writes the item (resourceName, resourceType) of the payload to targetPath.
// The bytes always go to the "~" name first, created there as a new file,
// and take the target's place in one step, so the folder never holds a
// cut-short file under the target's name and a failed replacement leaves the
// installed copy as it was. Bytes that do not match the checksum the build
// took of the item never take the target's place. Every failure (missing or
// damaged item, write, replacement) is reported here with "Can't install
// file " and the path, a damaged item also with one sentence, once, that the
// setup program is damaged; the caller looks for the file. A caller that
// installs several items passes the `checksumAhead` with which it may have
// taken this item's checksum while it waited; without, the checksum is
// taken here. The new copy's stamp is read from the payload's own bytes, the
// installed copy's from the file, tried again while another program holds
// it for a moment.
FileOutcome InstallFileFromResource(const std::string& resourceName,
                                    const std::string& resourceType, const std::string& targetPath,
                                    bool checkVersion, ItemChecksum* checksumAhead = nullptr);
