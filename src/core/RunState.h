#pragma once
// The run state: the one body of data every stage of a run works on, in parts
// by lifetime. Items keep the names the whole team uses for them; see
// docs/ARCHITECTURE.md.
#include <array>
#include <string>
#include <vector>

#include "console/Array.h"
#include "console/Text.h"
#include "console/TextFile.h"
#include "core/Limits.h"
#include "core/RangeLines.h"
#include "core/Settings.h"

namespace tess {

using Counts = Arr2<int, 1, CHMAX, 1, VMAX>;  // by chapter and verse slot
template <class T>
using BySector = Arr<T, 1, SCMAX>;
template <class T>
using BySector31 = Arr<T, 1, SCMAX + 1>;

// Per-sector question flags. A sector's table is sized to its question count
// (never below the classic size), so every question keeps its own flag even
// in a sector larger than the classic table.
using Flags = BySector<std::vector<char>>;

// The parts of the run state, by how long they last. Each is a base of
// RunState, so a stage names an item as `p.run.QCOUNT` whichever part holds it.

// What the run settles before counting: the style's name, the number of
// quizzes and sectors, and the bank files the style names.
struct RunSetup {
    FixedText<14> NAME;  // style name from "temp2.txt"
    int QZ = 0;          // quizzes in this run
    int SECTORS = 0;     // sectors = positions per quiz
    // built from LG, PRIMPCT, REGLST
    std::string FTVFILE, COUNTFILE, REGFILE, CVFILE, COFILE, SITFILE;
    std::string countFound;  // where the count file was found (path), empty if not
};

// The book and the question counts: loaded from the count file, totalled
// over the range, and kept for the rest of the run.
struct BookCounts {
    Arr<int, 1, CHMAX> EVS{};
    Counts QCOUNT{}, FCOUNT{}, RCOUNT{}, OCOUNT{}, SCOUNT{};
    int BEFORE = 0, FBEFORE = 0, RBEFORE = 0, OBEFORE = 0, SBEFORE = 0;  // before the range
    int TQUEST = 0, FQUEST = 0, RQUEST = 0, OQUEST = 0, SQUEST = 0;      // inside the range
    int TEMPF = 0;
};

// The sector table: cleared before counting, filled by sectoring, read by
// every quiz. Sectoring counts each sector's questions of a kind into the *PS
// tables; availability copies them into the T*PS totals, and the pickers then
// draw the *PS tables down within a cycle and restore them from the totals.
struct SectorTable {
    BySector<int> BC{}, BV{}, EC{}, EV{};
    Arr<int, 1, CHMAX> CS{};  // questions per chapter chosen for chapter sectoring
    BySector<int> TQPS{}, TFPS{}, TRPS{}, TOPS{}, TSPS{};
    BySector<int> QPS{}, FPS{}, RPS{}, OPS{}, SPS{};
    int MINQZ = 0;
    bool RES = false;
};

// Which questions may still be drawn (question number within sector,
// 1-based: index 0 unused). Set up after sectoring; a cycle refreshes a kind.
struct Availability {
    Flags REGQUESTION, INT, REFERENCE, ONLY, FINISH, SITUATION;
    BySector<std::vector<char>> FTYPE;  // FTV type letter of each FTV question
};

// The kinds of question (KINDS, core/Kinds.h, holds one entry for each).
inline constexpr std::size_t KIND_COUNT = 5;

// Each kind's bank file's lines of the range (by its place in KINDS), read
// once per run on first use after sectoring, so no reader walks a file per quiz.
struct LoadedBanks {
    std::array<RangeLines, KIND_COUNT> banks;
};

// How the user takes each quiz's specialty combination (the approval menu).
enum class Approval { EachQuiz, Automatic };

// The cycles of repeats across the quizzes of a run, the approval mode, and
// the message row of generation.
struct Cycles {
    Approval approval = Approval::Automatic;
    int MINQZ1 = 0, FQUIZ = 0, FQUIZ1 = 0, RQUIZ = 0, RQUIZ1 = 0, OQUIZ = 0, OQUIZ1 = 0, SQUIZ = 0, SQUIZ1 = 0;
    int FIX = 0, FIXLAST = 0;
    char FTCC = 'a', FTC2 = 'b', FTC3 = 'c', FTC4 = 'd';
    bool ABAND3 = false;
    int ABAND = 0, OLDIPC = 0;
    int RSET = 4;  // the message row
};

// The quiz being assembled: begun afresh for each quiz (Q2).
struct QuizDraft {
    int Q2 = 0;
    Arr<int, 0, SCMAX + 1> SECTOR{};
    BySector31<int> NUMBER{}, QN{}, RSECTOR{}, RNUMBER{}, FLAG{};
    // Question number (within its sector and kind) of the question at each
    // position; 0 = none. NUMBER/RNUMBER hold one entry per sector, which two
    // positions drawing on one sector would overwrite, so the list file, the
    // give-back and the trading go by position.
    BySector<int> PNUMBER{};
    BySector<FixedText<LMAX>> ALL, ALL2;
    BySector<char> RLBK{};
    BySector<FixedText<7>> BKNAME;
    int C1 = 0;
    int ITOT = 0, INUM = 0;
    char PRIORITY1 = ' ', PRIORITY2 = ' ';
    int SECOND = 0, LAST = 0, LASTO = 0;
};

// The packet writer's cursor: the page position, and the slot being written
// (line buffer, one character to a position: first string in 1..254, second
// string in 255..508, a blank at 509), where its continuation resumes and
// how deep it is.
struct PacketCursor {
    int LINES = 0, PAGE = 0;
    Arr<Glyph, 1, 2 * LMAX + 1> A2{};
    int MARK1 = 0, X5 = 0;
    bool ST1 = false;  // c layout: the first line of a regular question ended at "?"
    char TB = '\t';
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
                  PacketCursor,
                  RunFiles {
    Arr<FixedText<30>, 1, QQZ> PAT;  // the specialty pattern of each quiz
};

// The configuration unit's own copy of the style settings and its own
// pattern table.
struct Specc9 : StyleSettings {
    FixedText<14> NAME;
    Arr<FixedText<30>, 1, QQZ> PAT;
    int SPECS = 0;  // specialties of the quiz being drawn

    // --- additions of the pattern generator
    int QZ = 0;             // quizzes of this run, as the review screens show them
    Arr<int, 1, 28> EVS{};  // the form's verse table, refilled by EVSET
    // configuration form: the style name being edited and the book codes of
    // the two ends of the range (always " L")
    FixedText<14> NAME1;
    FixedText<2> BBK{" L"}, EBK{" L"};
};

}  // namespace tess
