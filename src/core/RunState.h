#pragma once
// The run state: the one body of data every stage of a run works on, in parts
// by lifetime. Items keep the names the whole team uses for them; see
// docs/ARCHITECTURE.md.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "console/Array.h"
#include "console/Text.h"
#include "console/TextFile.h"
#include "core/Limits.h"
#include "core/Material.h"
#include "core/RangeLines.h"
#include "core/Settings.h"

namespace tess {

using Counts = Arr2<int, 1, MATERIAL_CHAPTERS_MAX, 1, VMAX>;  // by chapter and verse slot
template <class T>
using BySector = Arr<T, 1, SCMAX>;
template <class T>
using BySector31 = Arr<T, 1, SCMAX + 1>;

// Per-sector question flags. A sector's table is sized to its question count
// (never below the classic size), so every question keeps its own flag even
// in a sector larger than the classic table.
using Flags = BySector<std::vector<char>>;

// The parts of the run state, by how long they last. Each is a base of
// RunState, so a stage names an item as `p.run.QCOUNT` whichever part holds it,
// and a part that begins afresh is reset whole (`r.part<QuizDraft>() = {}`):
// an item's starting value is its initialiser here.

// No sector or position yet: above any real one.
inline constexpr int NO_SECTOR = 99;

// Items of a quiz's positions that start as `v` (an end beyond the positions,
// which a pick at the first or last position compares with, starts as 0).
template <class Table, class V>
Table positionsHolding(const V& v) {
    Table t{};
    for (int x = 1; x <= SCMAX; ++x) t[x] = v;
    return t;
}

// What the run settles before counting: the style's name, the number of
// quizzes and sectors, and the bank files the style names.
struct RunSetup {
    FixedText<14> NAME;      // the style's name, from "temp2.txt"
    int QZ = 0;              // quizzes in this run
    int SECTORS = 0;         // sectors of the range = positions of a quiz
    std::string FTVFILE;     // FTV bank file (from PRIMPCT and LG)
    std::string COUNTFILE;   // count file (from LG)
    std::string REGFILE;     // regular bank file (from REGLST and LG)
    std::string CVFILE;      // chapter-verse reference bank file
    std::string COFILE;      // chapter-only reference bank file
    std::string SITFILE;     // situation bank file
    std::string countFound;  // where the count file was found (path); empty if not
};

// The book and the question counts: loaded from the count file, totalled
// over the range, and kept for the rest of the run.
struct BookCounts {
    Arr<int, 1, MATERIAL_CHAPTERS_MAX> EVS{};  // verses of each chapter, from the verse table
    Material MATERIAL;                         // the folder's books, as the run read them (Luke without a file)
    Counts QCOUNT{};                           // regular questions by chapter and verse slot
    Counts FCOUNT{};                           // FTV questions, likewise
    Counts RCOUNT{};                           // CV reference questions
    Counts OCOUNT{};                           // CO reference questions
    Counts SCOUNT{};                           // situation questions

    int BEFORE = 0, FBEFORE = 0, RBEFORE = 0, OBEFORE = 0, SBEFORE = 0;  // each kind's lines before the range
    int TQUEST = 0, FQUEST = 0, RQUEST = 0, OQUEST = 0, SQUEST = 0;      // each kind's questions in the range
    int TEMPF = 0;  // FBEFORE as counting found it, given back to the FTV picker's reads
};

// The sector table: reset whole before counting, filled by sectoring, read by
// every quiz. Sectoring counts each sector's questions of a kind into the *PS
// tables; availability copies them into the T*PS totals, and the pickers then
// draw the *PS tables down within a cycle and restore them from the totals.
struct SectorTable {
    BySector<int> BC{}, BV{};                              // each sector's first chapter and verse
    BySector<int> EC{}, EV{};                              // each sector's last chapter and verse
    Arr<int, 1, MATERIAL_CHAPTERS_MAX> CS{};               // questions per chapter chosen for chapter sectoring
    BySector<int> TQPS{}, TFPS{}, TRPS{}, TOPS{}, TSPS{};  // each kind's questions per sector, as sectored
    BySector<int> QPS{}, FPS{}, RPS{}, OPS{}, SPS{};       // each kind's questions per sector left in the cycle
    int MINQZ = 0;     // regular questions of the smallest sector: quizzes before regular repeats
    bool RES = false;  // the sectors were laid by question (resectored), not by verse
};

// Which questions may still be drawn (question number within sector,
// 1-based: index 0 unused). Set up after sectoring; a cycle refreshes a kind.
struct Availability {
    Flags REGQUESTION;                  // regular questions not yet drawn
    Flags INT;                          // regular questions that open with an interrogative (set by COUNTINT)
    Flags REFERENCE;                    // CV reference questions not yet drawn
    Flags ONLY;                         // CO reference questions not yet drawn
    Flags FINISH;                       // FTV questions not yet drawn
    Flags SITUATION;                    // situation questions not yet drawn
    BySector<std::vector<char>> FTYPE;  // FTV type letter of each FTV question
};

// The kinds of question (KINDS, core/Kinds.h, holds one entry for each).
inline constexpr std::size_t KIND_COUNT = 5;

// Each kind's bank file's lines of the range (by its place in KINDS), read
// once per run on first use after sectoring, so no reader walks a file per quiz.
struct LoadedBanks {
    std::array<RangeLines, KIND_COUNT> banks;  // by the kind's place in KINDS
    // Each bank file by its path as whichever reads it first in a run read
    // it (the count file's build, the packet's encoding or the range's
    // reader), so no file is read or scanned twice.
    std::map<std::string, BankBytes> bankFiles;
};

// How the user takes each quiz's specialty combination (the approval menu).
enum class Approval { EachQuiz, Automatic };

// The cycles of repeats across the quizzes of a run, the approval mode, and
// the message row of generation.
struct Cycles {
    Approval approval = Approval::Automatic;  // the approval menu's choice
    int Q2 = 0;                               // the quiz being assembled and written, 1..QZ
    int MINQZ1 = 0;                           // quizzes of one regular cycle (MINQZ when generation began)

    int FQUIZ = 0, RQUIZ = 0, OQUIZ = 0, SQUIZ = 0;      // quizzes a specialty kind covers before it repeats
    int FQUIZ1 = 0, RQUIZ1 = 0, OQUIZ1 = 0, SQUIZ1 = 0;  // the same as generation began
    int FIX = 0;                                         // the last quiz whose regular sectors had to repeat
    int FIXLAST = 0;                                     // FIX as the quiz began, so a quiz warns of it once

    char FTCC = 'a';                          // the FTV type letter just drawn
    char FTC2 = 'b', FTC3 = 'c', FTC4 = 'd';  // the three FTV type letters drawn before it
    bool ABAND3 = false;                      // the interrogative share was given up in this run
    int ABAND = 0;                            // the quiz where it was given up
    int OLDIPC = 0;                           // the share given up (IPC then)
    int RSET = 4;                             // the message row of generation; only its screen moves it
};

// The quiz being assembled: reset whole at each quiz.
struct QuizDraft {
    Arr<int, 0, SCMAX + 1> SECTOR = positionsHolding<Arr<int, 0, SCMAX + 1>>(NO_SECTOR);  // each position's sector
    BySector31<int> NUMBER{};  // each sector's question number last drawn in this quiz
    BySector31<int> QN = positionsHolding<BySector31<int>>(NO_SECTOR);  // each sector's latest regular position
    BySector31<int> RSECTOR{};                                          // each regular position's sector
    BySector31<int> RNUMBER{};  // each sector's regular question number last drawn
    BySector31<int> FLAG{};     // 1 while a sector has not given this quiz a question
    // Question number (within its sector and kind) of the question at each
    // position; 0 = none. NUMBER/RNUMBER hold one entry per sector, which two
    // positions drawing on one sector would overwrite, so the list file, the
    // give-back and the trading go by position.
    BySector<int> PNUMBER{};
    BySector<FixedText<LMAX>> ALL = positionsHolding<BySector<FixedText<LMAX>>>(" ");   // each position's first text
    BySector<FixedText<LMAX>> ALL2 = positionsHolding<BySector<FixedText<LMAX>>>(" ");  // its second (FTV, SIT)
    BySector<char> RLBK{};          // each position's book letter; 0 until a question is placed
    BySector<FixedText<7>> BKNAME;  // each position's book name
    BySector<int> RLCH{};           // each position's chapter within its book; 0: the bank's as stored
    int C1 = 0;                     // the position being filled
    int ITOT = 0;                   // interrogatives among the regular positions
    int INUM = 0;                   // interrogatives the quiz should hold (IPC of its regular positions)
    char PRIORITY1 = ' ';           // the specialty kind served first
    char PRIORITY2 = ' ';           // the specialty kind served second
    int SECOND = 0;                 // positions a specialty pass has filled
    int LAST = 0;                   // the sector the CV reference pass drew last
    int LASTO = 0;                  // the sector the other specialty passes drew last
};

// The files a run writes, open from the packet's creation to the run's end.
struct RunFiles {
    TextWriter packetFile;  // NAME4.qui
    TextWriter listFile;    // NAME4.inf
    TextWriter runLog;      // temp.txt
    // What the packet and list files are written in: the bank's own encoding
    // (material/BankFile.h, runTextEncoding).
    TextEncoding textEncoding = TextEncoding::Ascii;
};

// The run state: the style copy a run works on and the parts above. Owned by
// the program context for the life of the program.
struct RunState : StyleSettings,
                  RunSetup,
                  BookCounts,
                  SectorTable,
                  Availability,
                  LoadedBanks,
                  Cycles,
                  QuizDraft,
                  RunFiles {
    Arr<FixedText<30>, 1, QQZ> PAT;  // the specialty pattern of each quiz

    // One part, to reset it whole.
    template <class Part>
    Part& part() {
        return *this;
    }
};

// The configuration unit's own copy of the style settings and its own
// pattern table.
struct Specc9 : StyleSettings {
    FixedText<14> NAME;
    Arr<FixedText<30>, 1, QQZ> PAT;
    int SPECS = 0;  // specialties of the quiz being drawn

    // --- additions of the pattern generator
    int QZ = 0;                                // quizzes of this run, as the review screens show them
    Arr<int, 1, MATERIAL_CHAPTERS_MAX> EVS{};  // the form's verse table, refilled by EVSET
    // configuration form: the style name being edited and the book codes of
    // the two ends of the range (always " L")
    FixedText<14> NAME1;
    FixedText<2> BBK{" L"}, EBK{" L"};
};

}  // namespace tess
