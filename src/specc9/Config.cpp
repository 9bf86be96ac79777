#include "specc9/Config.h"

#include <vector>

#include "run/StyleFile.h"

namespace tess {

// "temp2.txt" is left as it is, and the style it names is loaded into this
// unit's own settings copy (pattern generation works on that copy). Faults are
// left for the run driver, which reads the same files and reports them.
void useStoredStyle(Program& p) {
    auto name = readRunSettings(p.file(RUN_SETTINGS_FILE));
    if (!name || isExitRequest(*name) || !isPlainFileName(*name)) return;
    p.cfg.NAME = *name;
    std::vector<std::string> notes;
    readStyleFile(p.file(*name + ".spe"), p.cfg, p.shared, notes);
}

// Placeholder until the configuration form lands.
void SPECS2(Program& p) { useStoredStyle(p); }

}  // namespace tess
