#include "selection/RepeatControl.h"

#include "console/TextFile.h"
#include "core/Messages.h"

namespace tess {

void REPEATSECTOR(Program& p) {
    auto& r = p.run;
    // The calling picker has already advanced the row; only the wrap applies.
    p.ask().show(p, Screen::CurrentMessageRow);
    const std::string text = "  Sectors or questions will be repeated in quiz " + std::to_string(r.Q2);
    say(p, Event::Kind::Warning, text);
    logLine(p, "Sectors or Questions repeated in quiz " + std::to_string(r.Q2));
    for (int s = 1; s <= r.SECTORS; ++s) r.FLAG[s] = 1;
}

void appendRunLog(Program& p) {
    auto& r = p.run;
    r.runLog.close();
    auto lines = readAllLines(r.runLog.writtenAt());
    if (!lines || lines->empty()) {
        r.listFile.writeln();
        return;
    }
    for (const auto& l : *lines) r.listFile.writeln(l);
}

}  // namespace tess
