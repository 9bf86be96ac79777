#pragma once
// A configuration session: in-memory screen that also records where the
// cursor stood at each key read, and a working directory seeded with a style
// list (Alpha, Beta) and the styles New, Alpha and Beta.
#include <string>
#include <utility>
#include <vector>

#include "console/ScreenConsole.h"
#include "console/TextFile.h"
#include "core/Program.h"
#include "run/TempDir.h"

namespace tess::testing {

class CursorConsole : public ScreenConsole {
public:
    std::vector<std::pair<int, int>> cursor;  // (column, row) at each key read

protected:
    void onKeyRead() override {
        ScreenConsole::onKeyRead();
        cursor.emplace_back(whereX(), whereY());
    }
};

// The sample bank's starting style: 1:1-24:53, 20 questions, specialties
// 0..3 from 5 to 17, each kind 0..1.
inline std::vector<std::string> newStyle() {
    return {"A", "1 1", "24 53", "quiz", "60", "P", "20", "A", "20", "50", "Y", "10", "V", "0", "3",
            "0", "1", "0", "1",  "0",    "1",  "0", "1", "0", "69", "5", "17", "N",
            "nnnnAAAAAAAAAAAAAnnnnnnnnnnnnn"};
}

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

struct ConfigBench {
    ConfigBench() {
        dir.lines("Specs.lst", {"Alpha", "Beta", "Enter New Specs"});
        dir.lines("New.spe", newStyle());
        auto alpha = newStyle();
        alpha[3] = "alpha";
        dir.lines("Alpha.spe", alpha);
        auto beta = newStyle();
        beta[3] = "beta";
        beta[1] = "3 1";
        beta[2] = "5 39";
        dir.lines("Beta.spe", beta);
    }

    // The lines of a file of the working directory (none when it is missing).
    std::vector<std::string> written(const std::string& name) const {
        return readAllLines(dir.file(name)).value_or(std::vector<std::string>{});
    }

    // Sends cursor keys: 'U', 'D', 'L', 'R' for Up, Down, Left, Right.
    void arrows(const std::string& moves) {
        for (char m : moves) {
            if (m == 'U') con.up();
            if (m == 'D') con.down();
            if (m == 'L') con.left();
            if (m == 'R') con.right();
        }
    }

    // The text at (col, row) of the screen as it stood at key read `n`.
    std::string seen(std::size_t n, int col, int row, std::size_t len) const {
        const std::string& s = con.snapshots().at(n);
        return s.substr(static_cast<std::size_t>((row - 1) * 81 + (col - 1)), len);
    }

    TempDir dir;
    CursorConsole con;
    Random rnd{7};
    Program p{con, rnd, dir.path()};
};

}  // namespace tess::testing
