// Paths as Windows reads them: which ones name their place on their own, the
// one spelling of a folder, and whether two spellings name the same folder.
// Both programs judge, install, register and compare folders by these rules,
// so a spelling Windows reads as another folder cannot slip past a check.
// Paths are texts of the current text code page (platform/text_code_page.h).
#pragma once

#include <string>
#include <vector>

// True for a path that names its place on its own: a drive letter, ":" and a
// separator ("C:\..."), or a share "\\server\share" with both names given,
// also behind the "\\?\" and "\\?\UNC\" prefixes. "/" counts as "\". Anything
// else ("Norvelik", "\Norvelik", "C:Norvelik") Windows resolves against the
// working folder or the current folder of a drive, and so could name a
// folder nobody meant.
bool IsAbsolutePath(const std::string& path);

// The folder an absolute path names, in the one spelling Windows itself
// would use for it, always ending with "\": "/" read as "\", repeated
// separators as one, "." steps dropped, each ".." taking the step before it
// away (never the drive or the share), trailing dots and blanks of a step
// dropped, the "\\?\" prefix taken off ("\\?\UNC\s\x" becomes "\\s\x").
// Letter case is kept as written. "" for a path that is not absolute.
std::string NormalFolder(const std::string& path);

// The folders that hold the folder an absolute path names, from its root
// down to the one just above it, each in the normal spelling: "C:\A\B"
// gives "C:\" and "C:\A\". Nothing for a root or a path that is not absolute.
std::vector<std::string> FoldersAbove(const std::string& path);

// Windows compares names without regard to letter case, and folds the
// Cyrillic letters as well as A to Z: those of Windows-1251 while the texts
// are in the ANSI code page, those of Unicode's Cyrillic block in UTF-8
// (platform/name_case.h, the rule the fakes follow too).
bool SameFileName(const std::string& a, const std::string& b);

// True when both paths are absolute and name the same folder as Windows reads
// them: "C:\Program Files\\Norvelik", "\\?\c:\program files\norvelik\" and
// "C:\Program Files/Norvelik/." are one folder.
bool SameFolder(const std::string& a, const std::string& b);
