#pragma once
// The full-screen program's answers: the screens a user meets at the
// keyboard, drawn on and read from its console, which only this front end
// (and the configuration unit it runs, through screenOf) holds. Events need
// no telling here: what the run says is written on the screens (say).
#include "console/Console.h"
#include "core/Ask.h"
#include "core/Program.h"

namespace tess {

class ScreenAsk : public Ask {
public:
    explicit ScreenAsk(Console& c) : con_(c) {}
    Console* screen() override { return &con_; }
    void tell(const Event&) override {}
    void show(Program& p, Screen s) override;
    void say(Program& p, const Event& e, bool lineEnd) override;
    void notes(Program& p, const std::vector<std::string>& lines) override;
    void pressReturn(Program& p, std::string_view prompt = {}) override;
    void specialtyNumbers(Program& p) override;
    void patternsReviewed(Program& p) override;
    void chapterShares(Program& p, int chapters) override;
    bool sectorTable(Program& p, char method) override;
    void closeTable(Program& p) override;
    bool resector(Program& p) override;
    void resectoredTable(Program& p) override;
    Approval approvalMode(Program& p) override;
    Combination combination(Program& p) override;

private:
    Console& con_;
};

// The approval menu. Returns the choice taken with Return (1: run
// automatically, 2: approve each quiz); Esc restarts the run.
int approvalMenu(Program& p);

}  // namespace tess
