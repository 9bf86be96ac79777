#include "run/Driver.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/Kinds.h"
#include "core/Messages.h"
#include "core/StyleFile.h"
#include "material/BankFile.h"
#include "material/ChapterSectoring.h"
#include "material/Counts.h"
#include "material/Interrogative.h"
#include "material/Resector.h"
#include "material/SectorTable.h"
#include "material/SectorWalk.h"
#include "material/VerseSectoring.h"
#include "output/PacketWriter.h"
#include "output/Screens.h"
#include "selection/FtvTypes.h"
#include "selection/QuizAssembly.h"
#include "selection/RepeatControl.h"
#include "selection/Season.h"
#include "specc9/Config.h"
#include "specc9/Patterns.h"

namespace tess {

namespace {

void closeRunFiles(RunState& r) {
    r.packetFile.abandon();
    r.runLog.abandon();
    r.listFile.abandon();
}

void createOrRestart(Program& p, TextWriter& w, const std::string& name, const char* what, bool staged = false) {
    const std::string path = p.file(name);
    if (!(staged ? w.createStaged(path) : w.create(path)))
        failRestart(p, std::string("Cannot create the ") + what + " " + name + " in " + folderOf(path) + " (" +
                           std::generic_category().message(errno) + ").");
}

// The packet and list files are written under temporary names and renamed
// into place when the run completes, so a run that goes back to the title
// (Esc at the approval menu, an out-of-date count file, a failed write) leaves
// the last run's files whole; what it had written is removed.
class RunOutputs {
public:
    explicit RunOutputs(Program& p) : p_(p) {}
    RunOutputs(const RunOutputs&) = delete;
    RunOutputs& operator=(const RunOutputs&) = delete;
    ~RunOutputs() {
        if (!done_) closeRunFiles(p_.run);
    }
    void create(TextWriter& w, const std::string& name, const char* what) {
        files_.push_back(&w);
        createOrRestart(p_, w, name, what, true);
    }
    // Every file checked and closed, then each to its name.
    void commit() {
        for (TextWriter* w : files_) w->close();
        p_.run.runLog.close();
        done_ = true;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            try {
                files_[i]->commit();
            } catch (const FileError& e) {
                std::string msg = e.what();
                for (std::size_t j = 0; j < files_.size(); ++j) {
                    const std::string name = std::filesystem::path(files_[j]->path()).filename().string();
                    if (j < i) msg += " The new " + name + " is in place.";
                    if (j > i) files_[j]->abandon();
                    if (j >= i) msg += " The new " + name + " was removed; the last run's " + name + " is kept.";
                }
                p_.run.runLog.abandon();
                failRestart(p_, msg);
            }
        }
        // The run log is read back from its staged file (appendRunLog) and put
        // in place only with the run's files, so a run that fails keeps the last log.
        p_.run.runLog.commit();
    }

private:
    Program& p_;
    std::vector<TextWriter*> files_;
    bool done_ = false;
};

}  // namespace

namespace {

// Sectors the range by the style's method and shows the table (Esc at a
// verse table goes back to the title). Returns whether the key that will
// close a table of a sectoring by questions is still waiting.
bool sectorByStyle(Program& p) {
    RunState& r = p.run;
    const char sec = p.shared.SEC1;
    bool tableKeyWaiting = false;

    if (sec == 'C') {
        CHAPSEC(p);
    } else if (sec == 'Q') {
        RESECTOR(p);
        r.RES = true;
        finishSectorTable(p.run);
        p.ask().show(p, Screen::SectorTable);
        tableKeyWaiting = true;
        p.ask().sectorTable(p, sec);
    } else {
        if (VERSESEC(p)) {
            r.RES = false;
        } else {
            RESECTOR(p);
            r.RES = true;
        }
        finishSectorTable(p.run);
        p.ask().show(p, Screen::SectorTable);
    }

    if (sec == 'V' && !p.ask().sectorTable(p, sec)) throw RestartRun{};

    return tableKeyWaiting;
}

// The smallest sector holds no regular question: said, then back to the title.
[[noreturn]] void noRegularInEverySector(Program& p, bool tableKeyWaiting) {
    const RunState& r = p.run;
    const std::string why = "Your smallest sector has 0 regular questions.";
    // Chapter sectoring reports its smallest sector itself; the others
    // would restart without a word after the table was dismissed. A
    // chapter sectoring that built no sector at all has said nothing either.
    if (p.shared.SEC1 != 'C' || r.BC[1] == 0) {
        p.ask().show(p, Screen::Notice);
        say(p, Event::Kind::Stopped, why);
        if (tableKeyWaiting) p.ask().closeTable(p);
        p.ask().show(p, Screen::ReturnRow);
        p.ask().pressReturn(p, PRESS_RETURN);
    } else {
        p.tell(Event::Kind::Stopped, why);
    }
    throw RestartRun{};
}

// Regular questions would repeat before the last quiz: said, and resectoring
// offered unless the table already is by questions.
void offerResector(Program& p, bool tableKeyWaiting) {
    RunState& r = p.run;
    p.ask().show(p, Screen::Notice);
    say(p, Event::Kind::Warning, "Regular question repeats will begin after quiz " + std::to_string(r.MINQZ));
    if (r.RES) {
        // Kept on screen until Return; the key that closed the table of a
        // sectoring by questions is taken first, so it cannot dismiss it.
        if (tableKeyWaiting) p.ask().closeTable(p);
        p.ask().show(p, Screen::ReturnRow);
        p.ask().pressReturn(p, PRESS_RETURN);
    } else if (p.ask().resector(p)) {
        RESECTOR(p);
        finishSectorTable(p.run);
        p.ask().show(p, Screen::SectorTable);
        p.ask().resectoredTable(p);
    }
}

}  // namespace

void sectorRange(Program& p) {
    const bool tableKeyWaiting = sectorByStyle(p);
    const RunState& r = p.run;
    if (r.MINQZ == 0) noRegularInEverySector(p, tableKeyWaiting);
    if (r.MINQZ < r.QNUM && r.MINQZ < 12) offerResector(p, tableKeyWaiting);
    p.tell(Event::Kind::Stage,
           "sectoring: " + std::to_string(r.SECTORS) + (r.SECTORS == 1 ? " sector by " : " sectors by ") +
               (r.RES                  ? "question"
                : p.shared.SEC1 == 'C' ? "chapter"
                                       : "verse") +
               ", smallest " + std::to_string(r.MINQZ) + (r.MINQZ == 1 ? " regular question" : " regular questions"));
}

void readRunFiles(Program& p) {
    RunState& r = p.run;

    // "Exit" first: leaving must never depend on the other files.
    auto name = readRunSettings(p.file(RUN_SETTINGS_FILE));
    if (!name)
        failRestart(p, std::string("Cannot read the run settings file ") + RUN_SETTINGS_FILE + ": " +
                           whyUnreadable(p.file(RUN_SETTINGS_FILE)) + ".");
    if (isExitRequest(*name)) {
        p.ask().show(p, Screen::Leaving);
        throw ExitProgram{0};
    }
    r.NAME = *name;

    std::string error;
    if (!readVerseTable(p.file(VERSE_FILE), p.material, r.EVS, error)) failRestart(p, error);
    r.MATERIAL = p.material;

    if (name->empty()) failRestart(p, std::string(RUN_SETTINGS_FILE) + " names no quiz style.");
    if (const std::string why = styleFileNameProblem(*name, RUN_SETTINGS_FILE); !why.empty()) failRestart(p, why);
    const std::string styleFile = *name + ".spe";
    std::vector<std::string> notes;
    if (!readStyleFile(p.file(styleFile), r, p.shared, notes, p.material)) failRestart(p, notes.back());
    if (r.QMAX > SCMAX) {
        notes.push_back(styleFile + ": " + std::to_string(r.QMAX) + " questions per pack; a run has at most " +
                        std::to_string(SCMAX) + ", so " + std::to_string(SCMAX) + " are used.");
        r.QMAX = SCMAX;
    }
    tellNotes(p, notes);
    if (r.BCHAP > r.ECHAP || (r.BCHAP == r.ECHAP && r.BVER > r.EVER))
        failRestart(p, "The range of " + styleFile + " runs backwards (" + std::to_string(r.BCHAP) + ":" +
                           std::to_string(r.BVER) + " to " + std::to_string(r.ECHAP) + ":" + std::to_string(r.EVER) +
                           ").");
    if (const std::string why = outputNameProblem(p.shared.NAME4.str(), styleFile); !why.empty()) failRestart(p, why);

    buildBankNames(r, p.shared, p.material.first().name);
}

namespace {

// The title screen, over whatever the last run left.
void showTitle(Program& p) {
    closeRunFiles(p.run);
    p.run.ABAND3 = false;
    p.ask().show(p, Screen::Title);
}

// The configuration, then the files it left for the run. The book file is
// read first: the form's books and limits follow it.
void configureRun(Program& p) {
    std::string error;
    if (!readMaterial(p.file(BOOK_FILE), p.material, error)) failRestart(p, error);
    if (p.configure)
        p.configure(p);
    else
        SPECS2(p);
    readRunFiles(p);
}

// The specialty patterns of the run's quizzes; the user may go back from them.
void loadPatterns(Program& p) {
    RunState& r = p.run;
    r.QZ = r.QNUM;
    p.shared.BACK = false;
    SPEC2(p);
    readPatterns(p.file(PATTERN_FILE), r.PAT, r.QZ);
    if (p.shared.BACK) throw RestartRun{};
}

// A fresh sector table; only sectoring fills it.
void clearSectorTable(Program& p) {
    RunState& r = p.run;
    r.part<SectorTable>() = {};
    r.SECTORS = r.QMAX;
    r.BEFORE = r.RBEFORE = r.OBEFORE = r.FBEFORE = r.SBEFORE = 0;
    r.TQUEST = 0;
    p.ask().show(p, Screen::Cleared);
}

// The count file and index, the range totals, and the summary; too few
// regular questions for one quiz go back to the title.
void countMaterial(Program& p) {
    RunState& r = p.run;
    p.tell(Event::Kind::Stage, "counting questions");
    forgetRangeLines(r);  // the bank files are read afresh for every run, once
    prepareCounts(p);
    countRange(p);
    p.ask().show(p, Screen::Cleared);
    if (r.TQUEST < r.SECTORS) {
        QUESTWARN(p);
        throw RestartRun{};
    }
    rangeSummary(p);
}

// The encoding of the bank files the run draws questions from.
TextEncoding bankEncoding(Program& p) {
    std::vector<TextEncoding> files;
    for (const Kind& k : KINDS)
        if (p.run.*k.quest > 0) files.push_back(bankFileEncoding(p.run, p.file(p.run.*k.file)));
    return runTextEncoding(files);
}

// Availability and the packet file; a specialty the style asks for that the
// range lacks goes back to the title.
void openPacket(Program& p, RunOutputs& outputs) {
    RunState& r = p.run;
    p.ask().show(p, Screen::Cleared);
    markAllAvailable(p);
    outputs.create(r.packetFile, std::string(p.shared.NAME4) + ".qui", "packet file");
    r.textEncoding = bankEncoding(p);
    r.packetFile.setEncoding(r.textEncoding);
    if (std::any_of(SPECIALTIES.begin(), SPECIALTIES.end(),
                    [&](const Kind& k) { return r.*k.quest == 0 && r.*k.max > 0; })) {
        SPECWARN(p);
        throw RestartRun{};
    }
}

// Whether the user approves each quiz's specialty combination.
void chooseApprovalMode(Program& p) {
    p.ask().show(p, Screen::Cleared);
    p.run.approval = p.ask().approvalMode(p);
    p.ask().show(p, Screen::Cleared);
}

// The interrogative index, the run log and list file, and the cycle counters
// every quiz starts from.
void prepareGeneration(Program& p, RunOutputs& outputs) {
    RunState& r = p.run;
    if (r.IPC != 50) COUNTINT(p);
    createOrRestart(p, r.runLog, RUN_LOG_FILE, "run log", true);
    outputs.create(r.listFile, std::string(p.shared.NAME4) + ".inf", "list file");
    r.listFile.setEncoding(r.textEncoding);
    r.MINQZ1 = r.MINQZ;
    r.RQUIZ1 = r.RQUIZ;
    r.FQUIZ1 = r.FQUIZ;
    r.SQUIZ1 = r.SQUIZ;
    r.OQUIZ1 = r.OQUIZ;
    r.FTCC = 'a';
    r.FTC2 = 'b';
    r.FTC3 = 'c';
    r.FTC4 = 'd';
    FINTYPES(p);
}

// Each quiz chosen and written to the packet.
void generateQuizzes(Program& p) {
    RunState& r = p.run;
    for (r.Q2 = 1; r.Q2 <= r.QZ; ++r.Q2) {
        p.tell(Event::Kind::Stage, "quiz " + std::to_string(r.Q2) + " of " + std::to_string(r.QZ));
        CHOOSESPEC(p);
        OPUT(p);
        noteSeasonQuiz(p);
    }
}

// The run log into the list file, and the end of generation on screen (with
// the interrogative share given up, if it was).
void reportGeneration(Program& p) {
    const RunState& r = p.run;
    appendRunLog(p);
    writeSeasonNote(p);
    if (r.ABAND3) {
        p.ask().show(p, Screen::AbandonedRow);
        const std::string given =
            std::to_string(r.OLDIPC) + " Percent interrogatives abandoned on quiz " + std::to_string(r.ABAND);
        say(p, Event::Kind::Warning, given);
        p.ask().show(p, Screen::MessageColours);
        p.ask().pressReturn(p);
    }
    p.ask().show(p, Screen::QuizzesComplete);
}

// The files checked and put in place, and the closing screens.
void finishRun(Program& p, RunOutputs& outputs) {
    // The season gains this meet only together with its packet and list files.
    TextWriter season;
    if (const auto lines = seasonAfterRun(p); !lines.empty()) {
        outputs.create(season, SEASON_FILE, "season file");
        for (const std::string& l : lines) season.writeln(l);
    }
    outputs.commit();
    THANK(p);
    p.ask().pressReturn(p, "  Press Enter to continue. ");
}

}  // namespace

void runOnce(Program& p) {
    showTitle(p);
    configureRun(p);
    loadPatterns(p);
    clearSectorTable(p);
    countMaterial(p);
    sectorRange(p);
    RunOutputs outputs(p);  // from here a run that goes back removes what it wrote
    openPacket(p, outputs);
    chooseApprovalMode(p);
    prepareGeneration(p, outputs);
    holdBackSeason(p);
    generateQuizzes(p);
    reportGeneration(p);
    finishRun(p, outputs);
}

int runProgram(Program& p) {
    for (;;) {
        try {
            runOnce(p);
        } catch (const RestartRun& e) {
            if (!e.message.empty()) p.tell(Event::Kind::Stopped, e.message);
            showRestart(p, e);
        } catch (const ExitProgram& e) {
            return e.code;
        } catch (const FileError& e) {
            // The run's files are gone by now; the last run's outputs stay.
            const std::string why =
                std::string(e.what()) + " The run stopped; the packet and list files of the last run are kept.";
            p.tell(Event::Kind::Stopped, why);
            showRestart(p, RestartRun{why});
        }
    }
}

}  // namespace tess
