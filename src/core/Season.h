#pragma once
// The season file, "Season.txt": the questions the earlier meets of a season
// used, so a run can leave them aside while the bank still has fresh ones. A
// question is known by its kind, its bank file and a fingerprint of its
// line, so lines added or edited elsewhere in the bank do not move it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace tess {

inline constexpr const char* SEASON_FILE = "Season.txt";

struct SeasonQuestion {
    char kind = 'n';          // its kind's pattern letter
    std::uint64_t print = 0;  // fingerprintOf its bank line
    std::string reference;    // chapter:verse, for a person reading the file
    std::string bankFile;
};

struct Meet {
    std::string date;  // YYYY-MM-DD
    std::string style;
    std::string packet;  // the packet file's name
    std::vector<SeasonQuestion> questions;
};

struct Season {
    std::vector<Meet> meets;
};

// FNV-1a 64 of a bank line as the readers hold it.
std::uint64_t fingerprintOf(std::string_view line);

// A season file's fault: its line and what is wrong there.
struct SeasonFault {
    std::size_t line = 0;
    std::string fault;
    std::string message(const std::string& file) const;  // "Season.txt line 4: ..."
};

// Reads the lines of a season file; any fault refuses the whole file.
struct SeasonRead {
    Season season;
    std::optional<SeasonFault> fault;
};
SeasonRead parseSeason(const std::vector<std::string>& lines);
// The file's lines: the head that explains it, then each meet.
std::vector<std::string> seasonLines(const Season& s);

// What a run does with the season (Program::season): read at the start of
// question selection, written as one more meet when the run completes.
struct SeasonRun {
    bool off = false;    // tessarin run --no-season
    bool inUse = false;  // a season file was read for this run
    Season season;
    std::array<int, KIND_COUNT> heldBack{};  // by KINDS' order
    Meet meet;                               // this run's questions
};

}  // namespace tess
