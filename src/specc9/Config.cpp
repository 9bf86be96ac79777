#include "specc9/Config.h"

#include <vector>

#include "core/Messages.h"
#include "core/StyleFile.h"
#include "specc9/Form.h"
#include "specc9/StyleLibrary.h"
#include "specc9/StyleMenu.h"
#include "specc9/Validation.h"

namespace tess {

// "temp2.txt" is left as it is, and the style it names is loaded into this
// unit's own settings copy (pattern generation works on that copy). Faults are
// left for the run driver, which reads the same files and reports them.
void useStoredStyle(Program& p) {
    auto name = readRunSettings(p.file(RUN_SETTINGS_FILE));
    if (!name || isExitRequest(*name) || !isPlainFileName(*name)) return;
    p.cfg.NAME = *name;
    std::vector<std::string> notes;
    readStyleFile(p.file(*name + ".spe"), p.cfg, p.shared, notes, p.material);
}

void acceptStoredStyle(Program& p) {
    auto name = readRunSettings(p.file(RUN_SETTINGS_FILE));
    if (!name) failRestart(p, std::string("Cannot read the run settings file ") + RUN_SETTINGS_FILE + ".");
    if (auto why = styleNameProblem(*name); !why.empty()) failRestart(p, why);
    SETVS(p);
    std::vector<std::string> notes;
    if (!READIN(p, *name, notes)) failRestart(p, notes.back());
    tellNotes(p, notes);
    if (const CompatibilityRule* rule = firstFailingRule(p))
        failRestart(p, "Incompatible Specs in " + *name + ".spe: " + rule->text + ".");
    if (const std::string why = outputNameProblem(p.shared.NAME4.str()); !why.empty()) failRestart(p, why);
    if (const std::string refused = OUTFILE(p); !refused.empty()) failRestart(p, refused);
}

void SPECS2(Program& p) {
    Console& c = screenOf(p);
    SETVS(p);
    for (;;) {
        auto entry = chooseStyle(p);
        if (!entry) {
            p.cfg.NAME = "Exit";
            const auto written = writeExitRequest(p);
            if (written) return;
            // Leaving never depends on the folder being writable: say so and end.
            tellProblem(p, std::string("Exit could not be written in ") + RUN_SETTINGS_FILE + written.where() +
                               "; the program ends anyway.");
            c.textColor(colour::White);
            c.textBackground(colour::Black);
            c.clearScreen();
            throw ExitProgram{0};
        }
        const std::string name = CHECKNEW(*entry);
        if (auto why = styleNameProblem(name); !why.empty() && !isExitRequest(name)) {
            tellProblem(p, why);
            continue;
        }
        std::vector<std::string> notes;
        if (!READIN(p, name, notes)) {
            tellProblem(p, notes.back());
            continue;
        }
        tellNotes(p, notes);
        c.textBackground(colour::Blue);
        c.textColor(colour::Yellow);
        CLR(p);
        OVRLAY(p);
        if (editForm(p) == FormEnd::Accepted) return;
    }
}

}  // namespace tess
