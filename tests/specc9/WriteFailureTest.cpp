// Files of the configuration side that cannot be written (a full disk, a
// read-only folder): the old file stays whole, no temporary file is left, and
// the user is told the file, the folder and the reason.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "console/TextFile.h"
#include "specc9/Config.h"
#include "specc9/ConfigRig.h"

using namespace tess;
using tess::testing::ConfigBench;

namespace {

bool anyTemporaryLeft(const std::filesystem::path& dir) {
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".part") return true;
    return false;
}

// The form's two message rows as one text, whether the message was broken
// between words or inside one.
bool toldOnTheForm(const ConfigBench& b, const std::string& text) {
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

TEST(ConfigWriteFailure, EachFileKeepsItsOldContentsAndTheUserIsTold) {
    struct Case {
        const char* file;
        FileOp op;
        int err;
        const char* keys;  // a: save Alpha; d: save Alpha as Delta; x: delete Beta
        const char* told;
    };
    const Case cases[] = {
        {"Alpha.spe", FileOp::Write, ENOSPC, "a", "Cannot write the style file Alpha.spe (No space left on device)"},
        {"Alpha.spe", FileOp::Create, EACCES, "a", "Cannot write the style file Alpha.spe (Permission denied)"},
        {"Specs.lst", FileOp::Rename, EROFS, "d", "Delta.spe is saved, but Specs.lst cannot be written (Read-only"},
        {"temp2.txt", FileOp::Close, EIO, "a", "Alpha.spe is saved, but temp2.txt cannot be written (Input/output"},
        {"Specs.lst", FileOp::Write, ENOSPC, "x", "Cannot write Specs.lst (No space left on device)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.keys);
        ConfigBench b;
        b.dir.raw("temp2.txt", "Beta\r\n");
        const std::string before = b.dir.read(c.file);
        if (c.keys[0] == 'x') {
            b.con.arrows("D");
            b.con.keys("D");  // Shift-D on Beta
            b.con.enter();    // the message
        } else {
            b.con.enter();  // Alpha
            if (c.keys[0] == 'd') b.con.enter().enter().line("Delta");
            b.con.esc().enter();  // the ready line, accepted
            b.con.enter();        // the message
            b.con.esc().esc();    // back to the menu
        }
        b.con.arrows("U");
        b.con.enter();                                          // Exit
        if (std::string(c.file) == "temp2.txt") b.con.enter();  // Exit could not be written either
        InjectedWriteFailure fault(c.op, c.file, c.err);
        try {
            SPECS2(b.p);
        } catch (const ExitProgram&) {  // temp2.txt itself failing: Exit still ends
        } catch (const ScriptExhausted&) {
            ADD_FAILURE() << b.con.screenText();
        }
        EXPECT_EQ(b.dir.read(c.file), before);
        EXPECT_TRUE(toldOnTheForm(b, c.told));
        EXPECT_TRUE(toldOnTheForm(b, " in " + b.dir.path().string()));
        EXPECT_FALSE(anyTemporaryLeft(b.dir.path()));
    }
}

TEST(ConfigWriteFailure, ExitEndsTheProgramEvenWhenTemp2CannotBeWritten) {
    ConfigBench b;
    b.dir.raw("temp2.txt", "Alpha\r\n");
    b.con.arrows("U");
    b.con.enter();  // Exit
    b.con.enter();  // the message
    InjectedWriteFailure fault(FileOp::Create, "temp2.txt", EROFS);
    try {
        SPECS2(b.p);
        FAIL() << "Exit did not end the program";
    } catch (const ExitProgram& e) {
        EXPECT_EQ(e.code, 0);
    }
    EXPECT_EQ(b.con.keysLeft(), 0u);
    EXPECT_TRUE(toldOnTheForm(b, "Exit could not be written in temp2.txt (Read-only file system) in " +
                                     b.dir.path().string() + "; the program ends anyway."));
    EXPECT_EQ(b.dir.read("temp2.txt"), "Alpha\r\n");
}
