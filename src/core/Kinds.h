#pragma once
// The kinds of question, one entry each: the letter a pattern gives it, the
// words that name it, the items of the run state that hold its counts and
// pools, and how its picker behaves. What is done alike for every kind is a
// loop over KINDS; a new kind is an entry here (and its items in RunState.h).
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/Limits.h"
#include "core/RunState.h"

namespace tess {

struct Kind {
    char letter = 0;             // its letter in a quiz's pattern ('n': a regular position)
    const char* name = "";       // in messages: "CV reference"
    const char* label = "";      // in the range summary: "CV Refs"
    const char* shortName = "";  // on the specialty numbers screen: "CV Ref"
    bool specialty = false;      // drawn by a specialty pass into the positions of its letter
    const char* namedBy = "";    // the style setting its file name follows besides the material set
    int tableSize = 0;           // the classic size of its per-sector flag table (a larger sector grows it)

    // Its items of the run state.
    std::string RunSetup::*file = nullptr;          // its bank file (REGFILE, FTVFILE ...)
    Counts BookCounts::*count = nullptr;            // per chapter and verse slot (QCOUNT ...)
    int BookCounts::*before = nullptr;              // questions before the range (BEFORE ...)
    int BookCounts::*quest = nullptr;               // questions inside the range (TQUEST ...)
    BySector<int> SectorTable::*undrawn = nullptr;  // per sector: as sectored, then left in the cycle (QPS ...)
    BySector<int> SectorTable::*total = nullptr;    // per sector, fixed when availability is set up (TQPS ...)
    Flags Availability::*avail = nullptr;           // which questions may still be drawn (REGQUESTION ...)
    int StyleSettings::*max = nullptr;              // the most a quiz takes (FMAX ...); none for regular

    // Its specialty picker.
    int QuizDraft::*last = nullptr;  // the sector it drew last (LAST, LASTO)
    bool preferred = false;          // the second position of a pass prefers a well-stocked sector
    bool endLineFirst = false;       // a refresh ends the screen line before its message row
    bool twoTexts = false;           // a line may run on into ALL2: it is kept up to two texts long
    bool warnEveryRefresh = false;   // not only the first refresh of a pick is told
    bool typed = false;              // successive picks vary the type letter; its repeats start FQUIZ
    const char* repeatWarning = "";  // when its questions begin to repeat; the quiz follows
    const char* repeatLog = "";      // the same in the run log
};

// In the order of the count file's columns, which is also each kind's place
// in RunState::banks and in the checker's tables.
inline constexpr std::array<Kind, KIND_COUNT> KINDS{{
    {.letter = 'n',
     .name = "regular",
     .label = "Regular Questions",
     .namedBy = "REGLST",
     .tableSize = REGXX,
     .file = &RunSetup::REGFILE,
     .count = &BookCounts::QCOUNT,
     .before = &BookCounts::BEFORE,
     .quest = &BookCounts::TQUEST,
     .undrawn = &SectorTable::QPS,
     .total = &SectorTable::TQPS,
     .avail = &Availability::REGQUESTION},
    {.letter = 'F',
     .name = "FTV",
     .label = "FTV",
     .shortName = "FTV",
     .specialty = true,
     .namedBy = "PRIMPCT",
     .tableSize = SPXX,
     .file = &RunSetup::FTVFILE,
     .count = &BookCounts::FCOUNT,
     .before = &BookCounts::FBEFORE,
     .quest = &BookCounts::FQUEST,
     .undrawn = &SectorTable::FPS,
     .total = &SectorTable::TFPS,
     .avail = &Availability::FINISH,
     .max = &StyleSettings::FMAX,
     .last = &QuizDraft::LASTO,
     .endLineFirst = true,
     .twoTexts = true,
     .warnEveryRefresh = true,
     .typed = true,
     .repeatWarning = "  Due to sectoring restrictions FTV repeats begin in quiz ",
     .repeatLog = "FTV Repeats begin quiz "},
    {.letter = 'R',
     .name = "CV reference",
     .label = "CV Refs",
     .shortName = "CV Ref",
     .specialty = true,
     .namedBy = "REGLST",
     .tableSize = SPXX,
     .file = &RunSetup::CVFILE,
     .count = &BookCounts::RCOUNT,
     .before = &BookCounts::RBEFORE,
     .quest = &BookCounts::RQUEST,
     .undrawn = &SectorTable::RPS,
     .total = &SectorTable::TRPS,
     .avail = &Availability::REFERENCE,
     .max = &StyleSettings::RMAX,
     .last = &QuizDraft::LAST,
     .preferred = true,
     .repeatWarning = "  Due to sectoring restrictions we must begin CV Ref repeats in quiz ",
     .repeatLog = "CV Repeats begin quiz "},
    {.letter = 'O',
     .name = "CO reference",
     .label = "CO Refs",
     .shortName = "CO Ref",
     .specialty = true,
     .namedBy = "REGLST",
     .tableSize = SPXX,
     .file = &RunSetup::COFILE,
     .count = &BookCounts::OCOUNT,
     .before = &BookCounts::OBEFORE,
     .quest = &BookCounts::OQUEST,
     .undrawn = &SectorTable::OPS,
     .total = &SectorTable::TOPS,
     .avail = &Availability::ONLY,
     .max = &StyleSettings::OMAX,
     .last = &QuizDraft::LASTO,
     .preferred = true,
     .repeatWarning = "  Due to sectoring restrictions we must begin CO Ref repeats in quiz ",
     .repeatLog = "CO repeats begin quiz "},
    {.letter = 'S',
     .name = "situation",
     .label = "SIT",
     .shortName = "SIT",
     .specialty = true,
     .namedBy = "LG",
     .tableSize = SPXX,
     .file = &RunSetup::SITFILE,
     .count = &BookCounts::SCOUNT,
     .before = &BookCounts::SBEFORE,
     .quest = &BookCounts::SQUEST,
     .undrawn = &SectorTable::SPS,
     .total = &SectorTable::TSPS,
     .avail = &Availability::SITUATION,
     .max = &StyleSettings::SMAX,
     .last = &QuizDraft::LASTO,
     .preferred = true,
     .endLineFirst = true,
     .twoTexts = true,
     .repeatWarning = "  Due to sectoring restrictions we must start situation repeats in quiz ",
     .repeatLog = "Situation Repeats begin quiz "},
}};

// The regular kind comes first; the specialties follow it.
inline constexpr const Kind& REGULAR = KINDS[0];
inline constexpr std::size_t SPECIALTY_COUNT = KIND_COUNT - 1;
inline constexpr std::span<const Kind, SPECIALTY_COUNT> SPECIALTIES{KINDS.data() + 1, SPECIALTY_COUNT};
static_assert(!REGULAR.specialty && KINDS[KIND_COUNT - 1].specialty, "every entry of KINDS is filled in");

// The order of a quiz's specialty passes after the two whose material is
// tightest, and the orders in which a tie for the tightest and for the next
// goes to the first. Each names every specialty once.
inline constexpr std::string_view PASS_ORDER = "SFRO";
inline constexpr std::string_view FIRST_TIES = "FSRO";
inline constexpr std::string_view SECOND_TIES = "FSOR";

// The kind of a pattern letter; null for a letter no kind has.
constexpr const Kind* kindOf(char letter) {
    for (const Kind& k : KINDS)
        if (k.letter == letter) return &k;
    return nullptr;
}

constexpr bool namesEverySpecialty(std::string_view order) {
    for (const Kind& k : SPECIALTIES)
        if (order.find(k.letter) == std::string_view::npos) return false;
    return order.size() == SPECIALTY_COUNT;
}
static_assert(namesEverySpecialty(PASS_ORDER) && namesEverySpecialty(FIRST_TIES) && namesEverySpecialty(SECOND_TIES));

// Its place in KINDS (the count file's column, its RunState::banks entry).
inline std::size_t slotOf(const Kind& k) { return static_cast<std::size_t>(&k - KINDS.data()); }

}  // namespace tess
