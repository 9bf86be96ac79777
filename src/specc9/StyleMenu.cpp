#include "specc9/StyleMenu.h"

#include <algorithm>

#include "core/Messages.h"
#include "specc9/Form.h"

namespace tess {

namespace {

constexpr int ENTRY_COL = 33;
constexpr int ENTRY_WIDTH = 15;

void drawEntry(Program& p, const StyleMenu& m, int y) {
    screenOf(p).gotoXY(ENTRY_COL, y + 5);
    std::string text(firstChars(m.FIL[static_cast<std::size_t>(y - 1)], 16));
    if (const std::size_t n = charCount(text); n < static_cast<std::size_t>(ENTRY_WIDTH))
        text.append(ENTRY_WIDTH - n, ' ');
    screenOf(p).write(text);
}

void note(Program& p, int row, const std::string& text) {
    Console& c = screenOf(p);
    c.gotoXY(3, row);
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    c.write(text.substr(0, 77));
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
}

}  // namespace

void TOPMENU(Program& p, StyleMenu& m) {
    Console& c = screenOf(p);
    c.gotoXY(1, 3);
    c.write("            Press Return to Choose a Quiz Style or Shift-D to Delete");
    c.gotoXY(1, 4);
    c.write("     " + std::string(69, '_'));

    m.list = readStyleList(p);
    // The table has room for LIST_NAMES_MAX names; the rest stay in the list
    // file and come up as shown ones are deleted.
    const std::size_t shown = std::min(m.list.names.size(), static_cast<std::size_t>(LIST_NAMES_MAX));
    m.FIL.assign(m.list.names.begin(), m.list.names.begin() + static_cast<std::ptrdiff_t>(shown));
    m.FIL.push_back(NEW_SPECS_ENTRY);
    m.FIL.push_back("Exit");
    m.FLS = static_cast<int>(shown);
    m.X = m.FLS + 1;
    for (int y = 1; y <= m.X + 1; ++y) drawEntry(p, m, y);

    if (!m.list.exists)
        note(p, 22, std::string(STYLE_LIST_FILE) + " is missing: a new style will start it.");
    else if (!m.list.readable)
        note(p, 22, std::string("Cannot read ") + STYLE_LIST_FILE + ": its styles cannot be shown.");
    else if (m.list.names.size() > shown) {
        const std::size_t more = m.list.names.size() - shown;
        note(p, 22,
             std::to_string(more) + (more == 1 ? " more style" : " more styles") + " in " + STYLE_LIST_FILE +
                 " than fit here; delete one to see the next.");
    }
}

std::optional<std::string> chooseStyle(Program& p) {
    Console& c = screenOf(p);
    for (;;) {
        c.textBackground(colour::Blue);
        c.textColor(colour::Yellow);
        CLR(p);
        StyleMenu m;
        TOPMENU(p, m);
        int y = 1, shown = 1;
        bool redraw = false;
        while (!redraw) {
            drawEntry(p, m, shown);
            c.textColor(colour::White);
            c.textBackground(colour::Red);
            drawEntry(p, m, y);
            c.textBackground(colour::Blue);
            c.textColor(colour::Yellow);
            shown = y;
            const int k = c.readKey();
            if (k == 'D' && y < m.X) {
                std::vector<std::string> names = m.list.names;
                names.erase(names.begin() + (y - 1));
                if (auto w = writeStyleList(p, names); !w)
                    tellProblem(p,
                                std::string("Cannot write ") + STYLE_LIST_FILE + w.where() + "; nothing was deleted.");
                redraw = true;
            } else if (k == '8' || k == key::Up) {
                if (--y == 0) y = m.X + 1;
            } else if (k == '2' || k == key::Down) {
                if (++y == m.X + 2) y = 1;
            } else if (k == key::Return) {
                if (y == m.X + 1) return std::nullopt;
                return m.FIL[static_cast<std::size_t>(y - 1)];
            }
        }
    }
}

}  // namespace tess
