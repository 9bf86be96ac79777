#include "core/Messages.h"

#include "console/TextFile.h"

namespace tess {

void CLR(Console& c) {
    for (int row = 2; row <= 24; ++row) {
        c.gotoXY(1, row);
        c.clearEol();
    }
    c.gotoXY(1, 3);
}

void CLR(Program& p) { CLR(screenOf(p)); }

void writeWrapped(Console& c, int indent, std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(' ', at);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        const auto word = text.substr(at, end - at);
        const int width = static_cast<int>(charCount(word));
        if (c.whereX() < indent) c.gotoXY(indent, c.whereY());  // the grid wrapped the line
        const int room = Console::Cols + 1 - c.whereX();
        if (width > room && c.whereX() > indent && width <= Console::Cols + 1 - indent) {
            c.writeln();
            c.gotoXY(indent, c.whereY());
        }
        c.write(word);
        if (end < text.size() && c.whereX() > 1) c.write(" ");
        at = end + 1;
    }
}

void failRestart(Program&, const std::string& message) {
    throw RestartRun{message};
}

void showRestart(Program& p, const RestartRun& restart) {
    const std::string& message = restart.message;
    if (message.empty()) return;
    Console& c = screenOf(p);
    const int fg = c.textColorNow(), bg = c.textBackgroundNow();
    CLR(p);
    c.gotoXY(3, 3);
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    // Long messages go on below; the message area ends at row 21.
    writeWrapped(c, 3, message);
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
    c.gotoXY(3, 23);
    p.ask().pressReturn(p, PRESS_RETURN);
    c.textColor(fg);
    c.textBackground(bg);
}

void tellNotes(Program& p, const std::vector<std::string>& notes) {
    if (!notes.empty()) p.ask().notes(p, notes);
}

void showNotes(Program& p, const std::vector<std::string>& notes) {
    Console& c = screenOf(p);
    CLR(p);
    c.gotoXY(1, 3);
    int row = 3;
    for (const auto& n : notes) {
        if (row > 21) break;  // more than fit: the first ones say enough
        c.gotoXY(3, row);
        writeWrapped(c, 3, n);
        row = c.whereY() + (c.whereX() > 1 ? 1 : 0);
    }
    c.gotoXY(3, 23);
    p.ask().pressReturn(p, PRESS_RETURN);
    CLR(p);
}

// The text broken between words into rows of at most `width` characters; a
// word longer than a row is cut where the row ends.
std::vector<std::string> wrapRows(std::string_view text, std::size_t width) {
    std::vector<std::string> rows;
    std::string row;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(at, end - at);
        if (!row.empty() && charCount(row) + 1 + charCount(word) > width) {
            rows.push_back(row);
            row.clear();
        } else if (at > 0) {
            row += ' ';
        }
        while (charCount(row) + charCount(word) > width) {
            const std::size_t room = width - charCount(row);
            rows.push_back(row + std::string(firstChars(word, room)));
            row.clear();
            word = afterChars(word, room);
        }
        row += word;
        at = end + 1;
    }
    if (!row.empty()) rows.push_back(row);
    return rows;
}

namespace {

constexpr int NOTE_ROW = 23;  // the form's message rows: 23 and 24; row 25 is the title band's

// Two rows at most, broken between words, ended by `tail`, in white on red:
// a row is kept short of column 80 so that the cursor stays on it, and a
// longer message loses words at its end.
void writeNote(Program& p, const std::string& message, const std::string& tail) {
    Console& c = screenOf(p);
    const int fg = c.textColorNow(), bg = c.textBackgroundNow();
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    constexpr std::size_t ROW = 79;
    auto rows = wrapRows(message + tail, ROW);
    for (std::string shorter = message; rows.size() > 2;) {
        const std::size_t cut = shorter.find_last_of(' ');
        if (cut == std::string::npos || cut == 0)
            popChar(shorter);
        else
            shorter.erase(cut);
        rows = wrapRows(shorter + "..." + tail, ROW);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        c.gotoXY(1, NOTE_ROW + static_cast<int>(i));
        c.write(rows[i]);
    }
    c.textColor(fg);
    c.textBackground(bg);
}

}  // namespace

void tellProblem(Program& p, const std::string& message) {
    writeNote(p, message, " -- Press Return");
    while (screenOf(p).readKey() != key::Return) {
    }
    clearNote(p);
}

void showNote(Program& p, const std::string& message) {
    if (!noteText(p).empty()) clearNote(p);
    writeNote(p, message, "");
}

std::string noteText(const Program& p) {
    const Console& c = screenOf(p);
    if (c.cell(1, NOTE_ROW).bg != colour::Red) return {};
    return c.rowText(NOTE_ROW) + c.rowText(NOTE_ROW + 1);
}

void clearNote(Program& p) {
    Console& c = screenOf(p);
    const int fg = c.textColorNow(), bg = c.textBackgroundNow();
    c.textColor(colour::White);
    c.textBackground(colour::Blue);
    for (int r : {NOTE_ROW, NOTE_ROW + 1}) {
        c.gotoXY(1, r);
        c.clearEol();
    }
    c.textColor(fg);
    c.textBackground(bg);
}

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
    screenOf(p).gotoXY(3, p.run.RSET);
    screenOf(p).clearEol();
}
}  // namespace

void nextMessageRow(Program& p) {
    ++p.run.RSET;
    wrapIfFull(p);
    toMessageRow(p);
}

void say(Program& p, Event::Kind kind, const std::string& text, bool lineEnd) {
    p.ask().say(p, {kind, text}, lineEnd);
}

void warn(Program& p, const std::string& text, bool lineEnd) {
    p.ask().show(p, Screen::NextMessageRow);
    say(p, Event::Kind::Warning, text, lineEnd);
}

void currentMessageRow(Program& p) {
    wrapIfFull(p);
    toMessageRow(p);
}

void logLine(Program& p, const std::string& text) { p.run.runLog.writeln(text); }

}  // namespace tess
