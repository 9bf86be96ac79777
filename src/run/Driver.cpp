#include "run/Driver.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "material/ChapterSectoring.h"
#include "material/Counts.h"
#include "material/Interrogative.h"
#include "material/Resector.h"
#include "material/SectorTable.h"
#include "material/VerseSectoring.h"
#include "output/PacketWriter.h"
#include "output/Screens.h"
#include "run/StyleFile.h"
#include "selection/FtvTypes.h"
#include "selection/QuizAssembly.h"
#include "selection/RepeatControl.h"
#include "specc9/Config.h"
#include "specc9/Patterns.h"

namespace tess {

namespace {

constexpr int KEY_191 = 191;  // arrives after a verse sector table on some keyboards; passed over

void closeRunFiles(RunState& r) {
    r.packetFile.close();
    r.runLog.close();
    r.listFile.close();
}

void createOrRestart(Program& p, TextWriter& w, const std::string& name, const char* what) {
    if (!w.create(p.file(name))) failRestart(p, std::string("Cannot create the ") + what + " " + name + ".");
}

// The packet and list files are written beside their names and renamed into
// place when the run completes, so a run that goes back to the title (Esc at
// the approval menu, an out-of-date count file) leaves the last run's files
// whole; what it had written is removed.
class RunOutputs {
public:
    explicit RunOutputs(Program& p) : p_(p) {}
    RunOutputs(const RunOutputs&) = delete;
    RunOutputs& operator=(const RunOutputs&) = delete;
    ~RunOutputs() {
        if (done_) return;
        closeRunFiles(p_.run);
        std::error_code ec;
        for (const auto& name : names_) std::filesystem::remove(p_.file(name + PART), ec);
    }
    void create(TextWriter& w, const std::string& name, const char* what) {
        names_.push_back(name);
        createOrRestart(p_, w, name + PART, what);
    }
    // After the files are closed: every file to its name.
    void commit() {
        done_ = true;
        for (const auto& name : names_) {
            std::error_code ec;
            std::filesystem::rename(p_.file(name + PART), p_.file(name), ec);
            if (ec)
                failRestart(p_, "The finished " + name + " could not be put in place (" + ec.message() + "); it is in " +
                                    name + PART + ".");
        }
    }

private:
    static constexpr const char* PART = ".part";
    Program& p_;
    std::vector<std::string> names_;
    bool done_ = false;
};

}  // namespace

void sectorRange(Program& p) {
    RunState& r = p.run;
    Console& c = p.con;
    const char sec = p.shared.SEC1;
    bool tableKeyWaiting = false;

    if (sec == 'C') {
        CHAPSEC(p);
    } else if (sec == 'Q') {
        RESECTOR(p);
        r.RES = true;
        DISPLAY(p);
        c.waitKey();  // the key stays for the next read
        tableKeyWaiting = true;
    } else {
        if (VERSESEC(p)) {
            r.RES = false;
        } else {
            RESECTOR(p);
            r.RES = true;
        }
        DISPLAY(p);
    }

    if (sec == 'V') {
        int k;
        do k = c.readKey();
        while (k == KEY_191);
        if (k == key::Esc) throw RestartRun{};
    }

    if (r.MINQZ == 0) {
        p.report().stopped("Your smallest sector has 0 regular questions.");
        // Chapter sectoring reports its smallest sector itself; the others
        // would restart without a word after the table was dismissed. A
        // chapter sectoring that built no sector at all has said nothing either.
        if (sec != 'C' || r.BC[1] == 0) {
            CLR(p);
            c.gotoXY(3, 3);
            c.write("Your smallest sector has 0 regular questions.");
            if (tableKeyWaiting && c.readKey() == 0) c.readKey();
            c.gotoXY(3, 5);
            c.write("Press Return to continue. ");
            c.readLine();
        }
        throw RestartRun{};
    }

    if (r.MINQZ < r.QNUM && r.MINQZ < 12) {
        p.report().warning("Regular question repeats will begin after quiz " + std::to_string(r.MINQZ));
        CLR(p);
        c.gotoXY(3, 3);
        c.write("Regular question repeats will begin after quiz ");
        c.write(r.MINQZ);
        if (r.RES) {
            // Kept on screen until Return; the key that closed the table of a
            // sectoring by questions is taken first, so it cannot dismiss it.
            if (tableKeyWaiting && c.readKey() == 0) c.readKey();
            c.gotoXY(3, 5);
            c.write("Press Return to continue. ");
            c.readLine();
        } else {
            c.gotoXY(3, 4);
            c.write("Do you wish to resector? ");
            int k = c.readKey();
            if (k == 0) k = c.readKey();  // a cursor key is no answer, and its code no letter
            else if (k >= 32 && k < 127) c.write(std::string(1, static_cast<char>(k)));
            if (k == 'Y' || k == 'y') {
                RESECTOR(p);
                DISPLAY(p);
                while (c.readKey() == '8') {
                }
            } else {
                c.readLine();
            }
        }
    }
}

void tellNotes(Program& p, const std::vector<std::string>& notes) {
    if (notes.empty()) return;
    for (const auto& n : notes) p.report().warning(n);
    Console& c = p.con;
    CLR(p);
    c.gotoXY(1, 3);
    int row = 3;
    for (const auto& n : notes) {
        if (row > 21) break;  // more than fit: the first ones say enough
        c.gotoXY(3, row);
        writeWrapped(c, 3, n);
        row = c.whereY() + (c.whereX() > 1 ? 1 : 0);
    }
    c.gotoXY(3, 23);
    c.write("Press Return to continue. ");
    c.readLine();
    CLR(p);
}

void readRunFiles(Program& p) {
    RunState& r = p.run;
    Console& c = p.con;

    // "Exit" first: leaving must never depend on the other files.
    auto name = readRunSettings(p.file(RUN_SETTINGS_FILE));
    if (!name) failRestart(p, std::string("Cannot read the run settings file ") + RUN_SETTINGS_FILE + ".");
    if (isExitRequest(*name)) {
        c.textColor(colour::White);
        c.textBackground(colour::Black);
        c.clearScreen();
        throw ExitProgram{0};
    }
    r.NAME = *name;

    std::string error;
    if (!readVerseTable(p.file(VERSE_FILE), r.EVS, error)) failRestart(p, error);

    if (name->empty()) failRestart(p, std::string(RUN_SETTINGS_FILE) + " names no quiz style.");
    if (!isPlainFileName(*name))
        failRestart(p, "The style name \"" + *name + "\" in " + RUN_SETTINGS_FILE +
                           " holds a path separator or \"..\"; styles are kept in this folder.");
    const std::string styleFile = *name + ".spe";
    std::vector<std::string> notes;
    if (!readStyleFile(p.file(styleFile), r, p.shared, notes)) failRestart(p, notes.back());
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
    const std::string out = p.shared.NAME4;
    if (!isPlainFileName(out))
        failRestart(p, "The output file name \"" + out + "\" in " + styleFile +
                           " is empty or holds a path separator or \"..\"; output is written in this folder.");

    buildBankNames(r, p.shared);
}

int approvalMenu(Program& p) {
    Console& c = p.con;
    static const char* const choices[] = {"Run specialty combinations automatically    ",
                                          "Approve specialty combinations for each quiz"};
    int choice = 1;
    for (;;) {
        APPROVESPEC(p);
        c.gotoXY(16, choice + 2);
        c.write(choices[choice - 1]);
        c.textColor(colour::Yellow);
        c.textBackground(colour::Blue);
        const int k = c.readKey();
        if (k == key::Up)
            choice = choice == 1 ? 2 : 1;
        else if (k == key::Down)
            choice = choice == 2 ? 1 : 2;
        else if (k == key::Esc)
            throw RestartRun{};
        else if (k == key::Return)
            return choice;
    }
}

void runOnce(Program& p) {
    RunState& r = p.run;
    Console& c = p.con;

    // 1: title
    closeRunFiles(r);
    r.ABAND3 = false;
    c.clearScreen();
    r.RSET = 4;
    WRITEHDG(p);
    c.gotoXY(1, 3);
    CLR(p);

    // 2: configuration; 3 to 6: the files it left for the run
    if (p.configure)
        p.configure(p);
    else
        SPECS2(p);
    readRunFiles(p);

    // 7: specialty patterns
    r.QZ = r.QNUM;
    p.shared.BACK = false;
    SPEC2(p);
    readPatterns(p.file(PATTERN_FILE), r.PAT, r.QZ);
    if (p.shared.BACK) throw RestartRun{};

    // 8: a fresh sector table; only sectoring fills it
    r.SECTORS = r.QMAX;
    r.BEFORE = r.RBEFORE = r.OBEFORE = r.FBEFORE = r.SBEFORE = 0;
    r.TQUEST = 0;
    r.MINQZ = 0;
    r.RES = false;
    r.BC.fill(0);
    r.BV.fill(0);
    r.EC.fill(0);
    r.EV.fill(0);
    CLR(p);

    // 9 to 14: counts and range totals
    p.report().stage("counting questions");
    prepareCounts(p);
    countRange(p);

    // 15, 16
    CLR(p);
    if (r.TQUEST < r.SECTORS) {
        QUESTWARN(p);
        throw RestartRun{};
    }
    // 16, 17: the summary and each specialty's coverage
    rangeSummary(p);

    // 18 to 21
    sectorRange(p);
    p.report().stage("sectoring: " + std::to_string(r.SECTORS) + " sectors by " +
                     (r.RES ? "question" : p.shared.SEC1 == 'C' ? "chapter" : "verse") + ", smallest " +
                     std::to_string(r.MINQZ) + (r.MINQZ == 1 ? " regular question" : " regular questions"));

    // 22, 23
    CLR(p);
    markAllAvailable(p);
    const std::string out = p.shared.NAME4;
    RunOutputs outputs(p);
    outputs.create(r.packetFile, out + ".qui", "packet file");

    // 24
    if ((r.FQUEST == 0 && r.FMAX > 0) || (r.OQUEST == 0 && r.OMAX > 0) || (r.RQUEST == 0 && r.RMAX > 0) ||
        (r.SQUEST == 0 && r.SMAX > 0)) {
        SPECWARN(p);
        throw RestartRun{};
    }

    // 25 to 27
    CLR(p);
    r.V = approvalMenu(p) == 1 ? 2 : 1;
    CLR(p);

    // 28, 29
    if (r.IPC != 50) COUNTINT(p);
    createOrRestart(p, r.runLog, RUN_LOG_FILE, "run log");
    outputs.create(r.listFile, out + ".inf", "list file");
    r.MINQZ1 = r.MINQZ;
    r.RQUIZ1 = r.RQUIZ;
    r.FQUIZ1 = r.FQUIZ;
    r.SQUIZ1 = r.SQUIZ;
    r.OQUIZ1 = r.OQUIZ;
    r.FTCC = 'a';
    r.FTC2 = 'b';
    r.FTC3 = 'c';
    r.FTC4 = 'd';
    r.FTC5 = 'e';
    FINTYPES(p);

    // 30: the quizzes
    for (r.Q2 = 1; r.Q2 <= r.QZ; ++r.Q2) {
        r.EN = false;
        p.report().stage("quiz " + std::to_string(r.Q2) + " of " + std::to_string(r.QZ));
        CHOOSESPEC(p);
        OPUT(p);
    }

    // 31 to 33
    appendRunLog(p);
    if (r.ABAND3) {
        if (++r.RSET >= 24) {
            CLR(p);
            r.RSET = 5;
        }
        c.gotoXY(5, r.RSET);
        c.clearEol();
        c.textColor(colour::White);
        c.textBackground(colour::Red);
        const std::string given = std::to_string(r.OLDIPC) + " Percent interrogatives abandoned on quiz " +
                                  std::to_string(r.ABAND);
        p.report().warning(given);
        c.write(given);
        c.textColor(colour::Yellow);
        c.textBackground(colour::Blue);
        c.readLine();
    }
    if (r.RSET > 4) {
        c.gotoXY(20, 3);
        c.write(" Quizzes Complete -- Press Return to Continue");
        c.readLine();
    }

    // 34
    closeRunFiles(r);
    outputs.commit();
    THANK(p);
    c.write("  Press Enter to continue. ");
    c.readLine();
}

int runProgram(Program& p) {
    for (;;) {
        try {
            runOnce(p);
        } catch (const RestartRun&) {
        } catch (const ExitProgram& e) {
            return e.code;
        }
    }
}

}  // namespace tess
