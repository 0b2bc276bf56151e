// The rule for the folder typed on the settings page, applied at Next.
#pragma once

#include <string>

struct FolderDecision {
    // The folder as it will be installed, registered and shown: the one
    // spelling Windows reads an absolute path as, or else the text as typed;
    // either way ending with "\" unless empty.
    std::string folder;
    // The warning to show, or "" when the folder is accepted.
    std::string warning;
    // The warning in English for one that has an English form, "" for the
    // form's own warnings, which are Russian in both modes.
    std::string englishWarning;
};

// Accepts a folder whose spelling holds the product word ("norvelik", A to Z
// in any case) and that can take the installation of `fileList`: absolute,
// no character Windows refuses in a name, every path of the installation
// within the path limit, no folder above it that users other than the
// administrators may rename or replace, existing or made now with its
// parents (each level made with rights only the administrators may change),
// a file can be created in it, and the disk has room. Everything is judged
// on the folder's one spelling, so "C:\Norvelik/.." counts as the drive
// root it names.
FolderDecision DecideFolder(const std::string& typed, const std::string& fileList);
