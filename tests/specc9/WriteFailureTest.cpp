// Files of the configuration side that cannot be written (a full disk, a
// read-only folder): the old file stays whole, no temporary file is left, and
// the user is told the file, the folder and the reason.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "console/TextFile.h"
#include "specc9/Config.h"
#include "specc9/ConfigRig.h"
#include "support/FailedInTurn.h"

using namespace tess;
using namespace tess::testing;

namespace {

// The form's two message rows as one text, whether the message was broken
// between words or inside one.
bool toldOnTheForm(const ConfigRig& b, const std::string& text) {
    for (const auto& snap : b.con.snapshots()) {
        const std::string rows = snap.substr(22 * 81, 80) + snap.substr(23 * 81, 80);
        std::string joined;
        for (char c : rows)
            if (c != ' ' || joined.empty() || joined.back() != ' ') joined += c;
        if (joined.find(text) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

// Each file operation of saving a style, saving it under a new name,
// deleting one and Exit (the style, the style list and temp2.txt each made,
// written, closed and put in place) failed in turn: the form tells the file,
// the reason and the folder, no good file is lost, and Exit still ends.
TEST(ConfigWriteFailure, EachFileOperationOfAnActionFailedInTurnCostsNoGoodFile) {
    for (const char action : {'a', 'd', 'x', 'e'}) {  // save Alpha; save it as Delta; delete Beta; Exit
        SCOPED_TRACE(action);
        const std::size_t failed = failEachFileOperationInTurn([action](long n, int err) {
            ConfigRig b;
            b.dir.raw("temp2.txt", "Beta\r\n");
            FailedTry t{b.dir.files(), {}, {}};
            if (action == 'x') {
                b.con.arrows("D");
                b.con.keys("D");  // Shift-D on Beta
            } else if (action == 'e') {
                b.con.arrows("U");
                b.con.enter();  // Exit
            } else {
                b.con.enter();  // Alpha
                if (action == 'd') b.con.enter().enter().line("Delta");
                b.con.esc().enter();  // the ready line, accepted
            }
            b.con.enter();  // the message
            InjectedWriteFailure fault(n, err);
            try {
                SPECS2(b.p);
            } catch (const ExitProgram& e) {  // Exit ends the program even when temp2.txt cannot say so
                EXPECT_TRUE(action == 'e' && e.code == 0);
            } catch (const ScriptExhausted&) {
                EXPECT_NE(action, 'e');
            }
            t.after = b.dir.files();
            t.failed = fault.failed();
            if (!t.failed.empty()) {
                SCOPED_TRACE("operation " + std::to_string(n) + " on " + t.failed);
                EXPECT_TRUE(toldOnTheForm(b, t.failed));
                EXPECT_TRUE(toldOnTheForm(b, "(" + std::generic_category().message(err)));
                EXPECT_TRUE(toldOnTheForm(b, " in " + b.dir.path().string()));
            }
            return t;
        });
        EXPECT_GE(failed, action == 'a' || action == 'd' ? 8u : 4u);  // each file made, written, closed, put in place
    }
}
