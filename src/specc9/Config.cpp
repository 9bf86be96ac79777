#include "specc9/Config.h"

#include <vector>

#include "run/StyleFile.h"

namespace tess {

// Until the configuration form exists: "temp2.txt" is left as it is, and the
// style it names is loaded into this unit's own settings copy (pattern
// generation works on that copy). Faults are left for the run driver, which
// reads the same files and reports them.
void SPECS2(Program& p) {
    auto name = readRunSettings(p.file(RUN_SETTINGS_FILE));
    if (!name || isExitRequest(*name) || !isPlainFileName(*name)) return;
    p.cfg.NAME = *name;
    std::vector<std::string> notes;
    readStyleFile(p.file(*name + ".spe"), p.cfg, p.shared, notes);
}

}  // namespace tess
