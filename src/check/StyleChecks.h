#pragma once
// The checks of the files around the bank: the verse table "Verses.txt", the
// style list "Specs.lst" and the style files, each against the same rules the
// program's own readers and the configuration form apply.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "check/BankLines.h"
#include "check/Findings.h"
#include "core/Settings.h"

namespace tess::check {

// Checks "Verses.txt" and returns the verse table to check bank lines by:
// its own counts where they are usable, the book's elsewhere.
VerseTable checkVerses(const std::string& path, const Material& material, FileReport& out);

// The verse table of "Verses.txt" without reporting (the book's where it is
// missing or unusable).
VerseTable readVerses(const std::string& path, const Material& material);

// Checks "Specs.lst"; returns the style names listed (blank lines left out).
std::vector<std::string> checkStyleList(const std::string& path, const std::string& dir, FileReport& out);

// The bank files a style reads (each kind's, in the order of KINDS) and the
// count file made from them.
struct BankNames {
    std::array<std::string, KIND_COUNT> bank;
    std::string count;
};
BankNames bankNamesFor(char lg, int primpct, char reglst, const std::string& book = "Luke");

// A style as read, for the count file check.
struct CheckedStyle {
    std::string name;
    bool readable = false;
    StyleSettings s;
    SharedSettings shared;
    BankNames files;
};

// Checks one style file: its 29 lines, the form's rules, and the bank files
// it names (`counts` gives what a bank file of the folder holds, read once).
CheckedStyle checkStyle(const std::string& path, const std::string& name,
                        const std::function<const BankCounts&(const std::string&)>& counts, const Material& m,
                        FileReport& out);

}  // namespace tess::check
