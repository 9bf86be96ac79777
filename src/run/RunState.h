#pragma once
// The run state: the one body of data every stage of a run works on. It is
// owned by the program context for the life of the program. Items keep the
// names the whole team uses for them; see docs/ARCHITECTURE.md.
#include <array>
#include <string>
#include <vector>

#include "console/Array.h"
#include "console/Text.h"
#include "console/TextFile.h"
#include "core/RangeLines.h"
#include "run/Limits.h"
#include "run/Settings.h"

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

struct RunState : StyleSettings {
    // --- derived once per run by the driver
    FixedText<14> NAME;  // style name from "temp2.txt"
    int QZ = 0;          // quizzes in this run
    int SECTORS = 0;     // sectors = positions per quiz

    // --- bank file names for this run (built from LG, PRIMPCT, REGLST)
    std::string FTVFILE, COUNTFILE, REGFILE, CVFILE, COFILE, SITFILE;
    std::string countFound;  // where the count file was found (path), empty if not

    // --- book and counts
    Arr<int, 1, CHMAX> EVS{};
    Counts QCOUNT{}, FCOUNT{}, RCOUNT{}, OCOUNT{}, SCOUNT{};
    int BEFORE = 0, FBEFORE = 0, RBEFORE = 0, OBEFORE = 0, SBEFORE = 0;
    int TQUEST = 0, FQUEST = 0, RQUEST = 0, OQUEST = 0, SQUEST = 0;
    int TEMPF = 0;
    int CH = 0, V = 0;  // slot for BCOUNT/TCOUNT; after sectoring V is the approval mode

    // --- sector table
    BySector<int> BC{}, BV{}, EC{}, EV{};
    Arr<int, 1, CHMAX> CS{};  // questions per chapter chosen for chapter sectoring
    BySector<int> TQPS{}, TFPS{}, TRPS{}, TOPS{}, TSPS{};
    BySector<int> QPS{}, FPS{}, RPS{}, OPS{}, SPS{};
    int MINQZ = 0;
    bool RES = false;

    // --- availability (question number within sector, 1-based: index 0 unused)
    Flags REGQUESTION, INT, REFERENCE, ONLY, FINISH, SITUATION;
    BySector<std::vector<char>> FTYPE;  // FTV type letter of each FTV question

    // --- patterns
    Arr<FixedText<30>, 1, QQZ> PAT;

    // --- the quiz being assembled
    int Q2 = 0;
    Arr<int, 0, SCMAX + 1> SECTOR{};
    BySector31<int> NUMBER{}, QN{}, RSECTOR{}, RNUMBER{}, FLAG{};
    BySector<FixedText<LMAX>> ALL, ALL2;
    BySector<char> RLBK{};
    BySector<FixedText<7>> BKNAME;
    int C1 = 0, S = 0, NUM = 0;
    int ITOT = 0, INUM = 0;
    char PRIORITY1 = ' ', PRIORITY2 = ' ';
    int SECOND = 0, LAST = 0, LASTO = 0;
    bool EN = false;

    // --- cycle and repeat bookkeeping
    int MINQZ1 = 0, FQUIZ = 0, FQUIZ1 = 0, RQUIZ = 0, RQUIZ1 = 0, OQUIZ = 0, OQUIZ1 = 0, SQUIZ = 0, SQUIZ1 = 0;
    int FIX = 0, FIXLAST = 0;
    char FTCC = 'a', FTC2 = 'b', FTC3 = 'c', FTC4 = 'd', FTC5 = 'e';
    bool ABAND3 = false;
    int ABAND = 0, OLDIPC = 0;
    int RSET = 4;

    // --- output files of the run
    TextWriter packetFile;  // NAME4.qui
    TextWriter listFile;    // NAME4.inf
    TextWriter runLog;      // temp.txt
    int LINES = 0, PAGE = 0;  // packet writer's page position

    // --- additions of the material subsystem
    // Each bank file's lines of the range, read once per run (BankSlot order).
    std::array<RangeLines, BANK_SLOTS> banks;

    // --- additions of the selection subsystem
    // Question number (within its sector and kind) of the question at each
    // position; 0 = none. NUMBER/RNUMBER hold one entry per sector, which two
    // positions drawing on one sector would overwrite, so the list file, the
    // give-back and the trading go by position.
    BySector<int> PNUMBER{};

    // --- additions of the output subsystem
    // The slot being written: line buffer (first string in 1..254, second
    // string in 255..508, a blank at 509), break marks and continuation depth.
    Arr<char, 1, 2 * LMAX + 1> A2{};
    int MARK1 = 0, MARK2 = 0, X5 = 0;
    bool ST1 = false;  // c layout: the first line of a regular question ended at "?"
    char TB = '\t';
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
