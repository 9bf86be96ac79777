#pragma once
// Readers of the run's settings files: the style file, "temp2.txt",
// "Verses.txt", "pat.txt", and the bank file names a style selects.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Program.h"
#include "core/StyleFields.h"

namespace tess {

inline constexpr const char* RUN_SETTINGS_FILE = "temp2.txt";
inline constexpr const char* VERSE_FILE = "Verses.txt";
inline constexpr const char* PATTERN_FILE = "pat.txt";
inline constexpr const char* RUN_LOG_FILE = "temp.txt";

// Reads the 29 lines of a style file into a settings copy and the shared
// settings. Values outside their ranges are clamped; each clamp is described
// in `notes`. A stored QMAX above 30 is kept (up to 75): it selects the large
// pattern review, and the run side caps its own copy.
// Returns false, with the settings untouched and one line saying why added to
// `notes`, when the file cannot be read or a line is missing or not a number.
// Chapters and verses are kept inside `material`.
bool readStyleFile(const std::string& path, StyleSettings& s, SharedSettings& shared, std::vector<std::string>& notes,
                   const Material& material = Material::luke());

// One thing the style reader met on a line: a fault that stops the style
// from being read (`damaged`), or a value it had to bring into range.
struct StyleNote {
    int line = 0;
    bool damaged = false;
    std::string what;
};

// The style reader's work on lines already read: every fault and every value
// brought into range is added to `found` with its line. Returns false, with
// the settings untouched, when a line is damaged.
// `fields` is the table of lines (tests add a line to it).
bool parseStyleLines(const std::vector<std::string>& lines, StyleSettings& s, SharedSettings& shared,
                     std::vector<StyleNote>& found, const Material& material = Material::luke(),
                     std::span<const StyleField> fields = STYLE_FIELDS);

// The lines of a style file for these settings, as the reader reads them.
std::vector<std::string> styleFileLines(const StyleSettings& s, const SharedSettings& shared,
                                        std::span<const StyleField> fields = STYLE_FIELDS);

// Builds RunState's bank file names from LG, PRIMPCT and REGLST.
void buildBankNames(RunState& run, const SharedSettings& shared, const std::string& book = "Luke");

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
// What keeps `name` from that, worded to follow the name in a message ("is
// blank", "holds a control character (shown as ?)", "holds a path separator",
// "holds \"..\""); empty when nothing does.
std::string fileNameFault(std::string_view name);
// `name` as a message shows it: each control character as `?`.
std::string shownName(std::string_view name);
// The message refusing an output file name (`where`: the file that holds it,
// if any), or empty when the name is plain.
std::string outputNameProblem(std::string_view name, std::string_view where = {});
// The same for a style name.
std::string styleFileNameProblem(std::string_view name, std::string_view where = {});

// Reads the verse counts of the material's chapters ("Verses.txt": one line a
// chapter through the material; Luke's has four unused lines after its 24).
// Every count must be 1..85 and agree with the book file; otherwise false with
// a message naming the file and chapter.
bool readVerseTable(const std::string& path, const Material& material, Arr<int, 1, MATERIAL_CHAPTERS_MAX>& evs,
                    std::string& error);

// What is wrong with the verse count `line` for `chapter` (a number 1-85 that
// agrees with the book), or nothing. The count is put in `count` when the
// line holds a number.
std::optional<std::string> verseCountProblem(const Material& material, int chapter, std::string_view line,
                                             long* count = nullptr);

// The pattern of each quiz 1..qz from "pat.txt"; a missing line, or the part
// of a line short of 30 letters, reads as "n" (a regular question).
void readPatterns(const std::string& path, Arr<FixedText<30>, 1, QQZ>& pat, int qz);

}  // namespace tess
