#pragma once
// Readers of the run's settings files: the style file, "temp2.txt",
// "Verses.txt", "pat.txt", and the bank file names a style selects.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/Program.h"

namespace tess {

inline constexpr const char* RUN_SETTINGS_FILE = "temp2.txt";
inline constexpr const char* VERSE_FILE = "Verses.txt";
inline constexpr const char* PATTERN_FILE = "pat.txt";
inline constexpr const char* RUN_LOG_FILE = "temp.txt";
inline constexpr int QMAX_STORED_MAX = 75;  // the largest pattern review screen

// Reads the 29 lines of a style file into a settings copy and the shared
// settings. Values outside their ranges are clamped; each clamp is described
// in `notes`. A stored QMAX above 30 is kept (up to 75): it selects the large
// pattern review, and the run side caps its own copy.
// Returns false, with the settings untouched and one line saying why added to
// `notes`, when the file cannot be read or a line is missing or not a number.
bool readStyleFile(const std::string& path, StyleSettings& s, SharedSettings& shared, std::vector<std::string>& notes);

// Builds RunState's bank file names from LG, PRIMPCT and REGLST.
void buildBankNames(RunState& run, const SharedSettings& shared);

// The two digits of PRIMPCT as they appear in the FTV and count file names.
std::string primDigits(int primpct);

// The first line of "temp2.txt" (at most 14 characters); nothing when the
// file cannot be read.
std::optional<std::string> readRunSettings(const std::string& path);

// "Exit" exactly (case matters): "exit" is a style name.
inline bool isExitRequest(std::string_view name) { return name == "Exit"; }

// A name the program may use for a file of its working directory: not blank,
// no control character, no path separator, no "..".
bool isPlainFileName(std::string_view name);

// Reads the verse counts of the 24 chapters ("Verses.txt": 24 lines, or 28
// with four unused). Every count must be 1..85 and agree with the book's
// own table; otherwise false with a message naming the file and chapter.
bool readVerseTable(const std::string& path, Arr<int, 1, CHMAX>& evs, std::string& error);

// The pattern of each quiz 1..qz from "pat.txt"; a missing line, or the part
// of a line short of 30 letters, reads as "n" (a regular question).
void readPatterns(const std::string& path, Arr<FixedText<30>, 1, QQZ>& pat, int qz);

}  // namespace tess
