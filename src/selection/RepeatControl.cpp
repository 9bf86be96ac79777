#include "selection/RepeatControl.h"

#include "console/TextFile.h"

namespace tess {

namespace {
constexpr int FIRST_ROW = 5;
constexpr int WRAP_ROW = 24;

void wrapIfFull(Program& p) {
    if (p.run.RSET >= WRAP_ROW) {
        CLR(p);
        p.run.RSET = FIRST_ROW;
    }
}

void toMessageRow(Program& p) {
    p.con.gotoXY(3, p.run.RSET);
    p.con.clearEol();
}
}  // namespace

void nextMessageRow(Program& p) {
    ++p.run.RSET;
    wrapIfFull(p);
    toMessageRow(p);
}

void warn(Program& p, const std::string& text, bool lineEnd) {
    p.report().warning(text);
    nextMessageRow(p);
    if (lineEnd)
        p.con.writeln(text);
    else
        p.con.write(text);
}

void logLine(Program& p, const std::string& text) { p.run.runLog.writeln(text); }

void REPEATSECTOR(Program& p) {
    auto& r = p.run;
    // The calling picker has already advanced the row; only the wrap applies.
    wrapIfFull(p);
    toMessageRow(p);
    const std::string text = "  Sectors or questions will be repeated in quiz " + std::to_string(r.Q2);
    p.report().warning(text);
    p.con.write(text);
    logLine(p, "Sectors or Questions repeated in quiz " + std::to_string(r.Q2));
    for (int s = 1; s <= r.SECTORS; ++s) r.FLAG[s] = 1;
}

void appendRunLog(Program& p) {
    auto& r = p.run;
    r.runLog.close();
    auto lines = readAllLines(p.file("temp.txt"));
    if (!lines || lines->empty()) {
        r.listFile.writeln();
        return;
    }
    for (const auto& l : *lines) r.listFile.writeln(l);
}

}  // namespace tess
