#include "specc9/Form.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Messages.h"
#include "core/StyleFields.h"
#include "core/StyleFile.h"
#include "specc9/StyleLibrary.h"
#include "specc9/Validation.h"

namespace tess {

namespace {

const char* const TITLE = "Quiz Configuration -- Press Return Here When Ready";

// A field of the form: a spot of a style setting (a Place line is three:
// book, chapter and verse), or the name the style is saved under, which is
// no line of its file.
enum class Part { Value, Verse, Book, StyleName };
struct FormField {
    std::string_view item;  // the style setting (a Place by its chapter); none for the style's name
    Part part = Part::Value;
    FormSpot spot{};
};

constexpr FormSpot STYLE_NAME = {
    27, 10, 10, 0, 0, 5, "Name of Quiz Style  :", {"ECHAP", "NAME4", "", "REPEATPCT", "NAME4"}, "NAME1"};

constexpr int countFields() {
    int n = 1;  // the style's name
    for (const StyleField& s : STYLE_FIELDS) n += (s.form.width > 0) + (s.formVerse.width > 0) + (s.formBook.width > 0);
    return n;
}
constexpr int FIELDS = countFields();

// The fields in screen order (by row, then column), made from STYLE_FIELDS.
constexpr std::array<FormField, FIELDS> FORM = [] {
    std::array<FormField, FIELDS> all{};
    std::size_t n = 0;
    for (const StyleField& s : STYLE_FIELDS) {
        if (s.formBook.width > 0) all[n++] = {s.item, Part::Book, s.formBook};
        if (s.form.width > 0) all[n++] = {s.item, Part::Value, s.form};
        if (s.formVerse.width > 0) all[n++] = {s.item, Part::Verse, s.formVerse};
    }
    all[n] = {"", Part::StyleName, STYLE_NAME};
    auto before = [](const FormField& a, const FormField& b) {
        return a.spot.row != b.spot.row ? a.spot.row < b.spot.row : a.spot.col < b.spot.col;
    };
    for (std::size_t i = 1; i < all.size(); ++i)
        for (std::size_t k = i; k > 0 && before(all[k], all[k - 1]); --k) std::swap(all[k], all[k - 1]);
    return all;
}();

constexpr std::string_view nameOf(const FormField& f) { return f.spot.name.empty() ? f.item : f.spot.name; }

// A field by its name; an unknown name does not compile.
constexpr int fieldNamed(std::string_view name) {
    for (int f = 0; f < FIELDS; ++f)
        if (nameOf(FORM[static_cast<std::size_t>(f)]) == name) return f;
    throw std::logic_error("no such field of the form");
}

constexpr int BBK = fieldNamed("BBK"), BCHAP = fieldNamed("BCHAP"), BVER = fieldNamed("BVER"),
              ECHAP = fieldNamed("ECHAP"), EVER = fieldNamed("EVER"), NAME1 = fieldNamed("NAME1"),
              NAME4 = fieldNamed("NAME4"), OUT = fieldNamed("OUT"), PRIMPCT = fieldNamed("PRIMPCT");
// READY is the title line, NONE a key that does not navigate on that field.
constexpr int READY = -1, NONE = -2, ACCEPT = -3, ABANDON = -4;

// Where Up, Down, Left, Right and Return lead from each field.
constexpr std::array<std::array<int, 5>, FIELDS> MOVES = [] {
    std::array<std::array<int, 5>, FIELDS> all{};
    for (std::size_t f = 0; f < all.size(); ++f)
        for (std::size_t k = 0; k < 5; ++k) {
            const std::string_view to = FORM[f].spot.moves[k];
            all[f][k] = to.empty() ? NONE : to == "READY" ? READY : fieldNamed(to);
        }
    return all;
}();

// The form's own words beside the settings' labels: a heading, and the
// blank row under it that the form has always cleared.
struct Label {
    int row, col;
    std::string_view text;
};
constexpr Label HEADINGS[] = {{12, 42, "Specialty Ranges"}, {13, 1, ""}};
constexpr std::size_t LABEL_ROW = 71;  // a row of labels is written whole, this wide

constexpr bool labelsFit() {
    for (const FormField& f : FORM)
        if (f.spot.labelCol < 1 || f.spot.labelCol - 1 + f.spot.label.size() > LABEL_ROW) return false;
    return true;
}
static_assert(labelsFit(), "each field of the form has its label inside the row");

enum class Kind { Book, Chapter, Number, Name, Letter };

struct Place {
    int col, row, width, digits, first;  // first: lowest digit that starts an entry
    Kind kind;
};

constexpr const StyleField& settingOf(int f) { return styleField(FORM[static_cast<std::size_t>(f)].item); }

constexpr Place placeOf(int f) {
    const FormField& at = FORM[static_cast<std::size_t>(f)];
    const FormSpot& o = at.spot;
    auto as = [&o](Kind k) { return Place{o.col, o.row, o.width, o.digits, o.first, k}; };
    switch (at.part) {
        case Part::StyleName:
            return as(Kind::Name);
        case Part::Book:
            return as(Kind::Book);
        case Part::Verse:
            return as(Kind::Number);
        default:
            break;
    }
    switch (settingOf(f).kind) {
        case FieldKind::Place:
            return as(Kind::Chapter);
        case FieldKind::Text:
            return as(Kind::Name);
        case FieldKind::Letter:
        case FieldKind::ListLetter:
            return as(Kind::Letter);
        default:
            return as(Kind::Number);
    }
}

constexpr std::array<Place, FIELDS> PLACES = [] {
    std::array<Place, FIELDS> all{};
    for (int f = 0; f < FIELDS; ++f) all[static_cast<std::size_t>(f)] = placeOf(f);
    return all;
}();

// The move a key selects (the capitals H, P, K, M are the arrows'
// second codes), or -1.
int moveColumn(int k) {
    switch (k) {
        case key::Up:
            return 0;
        case key::Down:
            return 1;
        case key::Left:
            return 2;
        case key::Right:
            return 3;
        case key::Return:
            return 4;
        default:
            return -1;
    }
}

int moveFrom(int f, int k) {
    const int c = moveColumn(k);
    return c < 0 ? NONE : MOVES[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)];
}

const Place& place(int f) { return PLACES[static_cast<std::size_t>(f)]; }

// The field that edits a style setting.
int fieldOf(std::string_view item) {
    for (int f = 0; f < FIELDS; ++f)
        if (FORM[static_cast<std::size_t>(f)].item == item && FORM[static_cast<std::size_t>(f)].part == Part::Value)
            return f;
    return BCHAP;
}

int& number(Program& p, int f) {
    const StyleField& s = settingOf(f);
    if (FORM[static_cast<std::size_t>(f)].part == Part::Verse) return p.cfg.*s.verse;
    return s.number.in(p.cfg, p.shared);
}

char& letter(Program& p, int f) { return settingOf(f).letter.in(p.cfg, p.shared); }

std::string nameText(Program& p, int f) { return f == NAME1 ? p.cfg.NAME1.str() : (p.shared.*settingOf(f).text).str(); }

// A material of several books shows and takes each range end as its book's
// letter and own chapter; one book's chapters are the stored ones.
bool ownChapters(const Program& p) { return !p.material.asStored(); }
char bookLetterAt(const Program& p, int chapter) {
    const auto at = p.material.place(chapter);
    return at ? at->book->letter : p.material.first().letter;
}
int shownNumber(Program& p, int f) {
    const int v = number(p, f);
    if ((f != BCHAP && f != ECHAP) || !ownChapters(p)) return v;
    const auto at = p.material.place(v);
    return at ? at->chapter : v;
}

void valueColours(Console& c) {
    c.textColor(colour::LightRed);
    c.textBackground(colour::Black);
}

void drawField(Program& p, int f) {
    Console& c = screenOf(p);
    const Place& s = place(f);
    valueColours(c);
    switch (s.kind) {
        case Kind::Book:
            if (ownChapters(p))
                (f == BBK ? p.cfg.BBK : p.cfg.EBK) =
                    std::string{' ', bookLetterAt(p, f == BBK ? p.cfg.BCHAP : p.cfg.ECHAP)};
            c.gotoXY(s.col, s.row);
            c.write(f == BBK ? p.cfg.BBK.str() : p.cfg.EBK.str());
            break;
        case Kind::Name: {
            // A stored name may be longer than the ten typed ones (up to 14).
            const std::string name = nameText(p, f);
            c.gotoXY(s.col, s.row);
            c.write(std::string(std::max<std::size_t>(10, charCount(name)), ' '));
            c.gotoXY(s.col, s.row);
            c.write(name);
            break;
        }
        case Kind::Letter:
            c.gotoXY(s.col - 1, s.row);
            c.write(std::string{' ', letter(p, f)});
            break;
        default:
            c.gotoXY(s.col, s.row);
            c.write(shownNumber(p, f), s.width);
    }
}

int atMost(int v, int hi) { return v > hi ? hi : v; }
int atLeast(int v, int lo) { return v < lo ? lo : v; }

// The field's limits, in their order, after an entry; a verse that depends
// on a chapter is drawn again with it. Returns what the form replaced, in
// words for the message rows; empty when the entry stands.
std::string applyLimits(Program& p, int f, int typed) {
    Specc9& c = p.cfg;
    const std::string was = std::to_string(typed);
    auto chapters = [&](int now) {
        const Material& m = p.material;
        const std::string whole = m.books.size() == 1 ? m.first().name : std::string("The material");
        return whole + " has " + std::to_string(m.chapters()) + " chapters: " + was + " became " + std::to_string(now) +
               ".";
    };
    auto verseKept = [&](int chapter, int verse) {
        return p.material.chapterName(chapter) + " has " + std::to_string(c.EVS[chapter]) + " verses: verse " +
               std::to_string(verse) + " became " + std::to_string(c.EVS[chapter]) + ".";
    };
    switch (f) {
        case BCHAP: {
            SETBBK2(p);
            std::string why = c.BCHAP == typed ? "" : chapters(c.BCHAP);
            if (c.BVER > c.EVS[c.BCHAP]) {
                if (why.empty()) why = verseKept(c.BCHAP, c.BVER);
                c.BVER = c.EVS[c.BCHAP];
                drawField(p, BVER);
            }
            return why;
        }
        case ECHAP:
            c.ECHAP = atMost(c.ECHAP, p.material.chapters());
            c.EVER = c.EVS[c.ECHAP];
            drawField(p, EVER);
            return c.ECHAP == typed ? "" : chapters(c.ECHAP);
        case BVER:
        case EVER: {
            const int chapter = f == BVER ? c.BCHAP : c.ECHAP;
            int& verse = number(p, f);
            if (verse <= c.EVS[chapter]) return {};
            const std::string why = verseKept(chapter, verse);
            verse = c.EVS[chapter];
            return why;
        }
        case PRIMPCT:
            PRIM(p);
            if (p.shared.PRIMPCT == typed) return {};
            return "The bank has no FTV file for " + was + " percent primary: " + std::to_string(p.shared.PRIMPCT) +
                   " is used.";
        default: {
            // The file's range, then the other end of a minimum and maximum.
            const StyleField& s = settingOf(f);
            int& v = number(p, f);
            v = atMost(atLeast(v, s.min), s.formMax ? s.formMax : s.max);
            if (s.formAtMost) v = atMost(v, c.*s.formAtMost);
            if (s.atLeast) v = atLeast(v, c.*s.atLeast);
            if (s.formAtLeast) v = atLeast(v, c.*s.formAtLeast);
            if (v == typed) return {};
            return std::string(s.valueName) + " " + was + " is out of its range here: it became " + std::to_string(v) +
                   ".";
        }
    }
}

bool isDigit(int k) { return k >= '0' && k <= '9'; }

int editNumber(Program& p, int f) {
    Console& c = screenOf(p);
    const Place& s = place(f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        int k = c.readKey();
        if (k == key::Esc) return READY;
        if (const int to = moveFrom(f, k); to != NONE) return to;
        if (!isDigit(k) || k - '0' < s.first) continue;

        valueColours(c);
        c.gotoXY(s.col, s.row);
        c.write(std::string(static_cast<std::size_t>(s.width), ' '));
        c.gotoXY(s.col, s.row);
        c.write(std::string(1, static_cast<char>(k)));
        int typed = k - '0';
        int held = 1;
        int ender = 0;
        const int digits = (s.kind == Kind::Chapter && typed >= 3) ? 1 : s.digits;
        while (held < digits && ender == 0) {
            k = c.readKey();
            if (k == key::Esc) {
                drawField(p, f);
                return READY;
            }
            if (isDigit(k)) {
                c.write(std::string(1, static_cast<char>(k)));
                typed = typed * 10 + (k - '0');
                ++held;
            } else if (moveColumn(k) >= 0) {
                ender = k;
            }
        }
        std::string replaced;
        if ((f == BCHAP || f == ECHAP) && ownChapters(p)) {
            // The typed chapter is the shown book's own.
            const char letter = (f == BCHAP ? p.cfg.BBK : p.cfg.EBK).str().back();
            const Book* book = p.material.book(letter);
            if (!book) book = &p.material.first();
            const int own = std::clamp(typed, 1, book->chapters());
            number(p, f) = p.material.through(book->letter, own);
            replaced = applyLimits(p, f, number(p, f));
            if (own != typed)
                replaced = book->name + " has " + std::to_string(book->chapters()) +
                           " chapters: " + std::to_string(typed) + " became " + std::to_string(own) + ".";
        } else {
            number(p, f) = typed;
            replaced = applyLimits(p, f, typed);
        }
        drawField(p, f);
        if (!replaced.empty()) showNote(p, replaced);
        if (ender != 0)
            if (const int to = moveFrom(f, ender); to != NONE) return to;
    }
}

char mapLetter(int f, int k) {
    if (k < 0 || k > 127) return 0;
    const char up = (k >= 'a' && k <= 'z') ? static_cast<char>(k - 'a' + 'A') : static_cast<char>(k);
    const StyleField& s = settingOf(f);
    if (s.kind == FieldKind::ListLetter) return (up >= s.min && up <= s.max) ? up : 0;
    return s.letters.find(up) != std::string_view::npos ? up : 0;
}

// The key loop of a field one key sets: Esc goes to the title line, a move
// leaves the field, and any other key is the field's to take.
template <class Take>
int oneKeyField(Program& p, int f, Take take) {
    Console& c = screenOf(p);
    const Place& s = place(f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        const int k = c.readKey();
        if (k == key::Esc) return READY;
        if (const int to = moveFrom(f, k); to != NONE) return to;
        take(c, k);
    }
}

int editLetter(Program& p, int f) {
    return oneKeyField(p, f, [&p, f](Console& c, int k) {
        if (const char ch = mapLetter(f, k)) {
            letter(p, f) = ch;
            valueColours(c);
            c.write(std::string(1, ch));
        }
    });
}

bool nameChar(int k) { return (k >= '1' && k <= '9') || (k >= 'A' && k <= 'Z') || (k >= 'a' && k <= 'z'); }

int editName(Program& p, int f) {
    Console& c = screenOf(p);
    const Place& s = place(f);
    drawField(p, f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        int k = c.readKey();
        // Left is no arrow here: its code is the letter K.
        if (k == key::Esc) return READY;
        if (k != key::Left)
            if (const int to = moveFrom(f, k); to != NONE) return to;
        if (!nameChar(k)) continue;

        std::string name(1, static_cast<char>(k >= 'a' && k <= 'z' ? k - 'a' + 'A' : k));
        const std::size_t clearWidth = std::max<std::size_t>(10, charCount(nameText(p, f)));
        valueColours(c);
        c.gotoXY(s.col, s.row);
        c.write(std::string(clearWidth, ' '));
        c.gotoXY(s.col, s.row);
        c.write(name);
        int ender = 0;
        for (;;) {
            k = c.readKey();
            if (name.size() >= 10) break;
            if (k == key::Up || k == key::Down || k == key::Right || k == key::Return) {
                ender = k;
                break;
            }
            if (nameChar(k)) {
                name.push_back(static_cast<char>(k));
                c.write(std::string(1, static_cast<char>(k)));
            }
        }
        if (f == NAME1)
            p.cfg.NAME1 = name;
        else
            p.shared.NAME4 = name;
        if (ender == 0) return f == NAME1 ? NAME4 : OUT;
        return moveFrom(f, ender);
    }
}

int editBook(Program& p, int f) {
    return oneKeyField(p, f, [&p, f](Console& c, int k) {
        if (ownChapters(p)) {
            // Another book keeps the chapter where that book has it.
            if (k <= ' ' || k >= 127) return;
            const char up = k >= 'a' && k <= 'z' ? static_cast<char>(k - 'a' + 'A') : static_cast<char>(k);
            const Book* book = p.material.book(static_cast<char>(k));
            if (!book) book = p.material.book(up);
            if (!book) return;
            const int chapterField = f == BBK ? BCHAP : ECHAP;
            const auto at = p.material.place(number(p, chapterField));
            const int own = std::min(at ? at->chapter : 1, book->chapters());
            number(p, chapterField) = p.material.through(book->letter, own);
            applyLimits(p, chapterField, number(p, chapterField));
            for (const int g : {f, chapterField, f == BBK ? BVER : EVER}) drawField(p, g);
            return;
        }
        if (k != '1' && k != '2' && k != 'R' && k != 'r' && k != 'J' && k != 'j') return;
        valueColours(c);
        if (f == BBK)
            SETBBK(p);
        else
            SETEBK(p);
    });
}

int editField(Program& p, int f) {
    switch (place(f).kind) {
        case Kind::Book:
            return editBook(p, f);
        case Kind::Name:
            return editName(p, f);
        case Kind::Letter:
            return editLetter(p, f);
        default:
            return editNumber(p, f);
    }
}

void drawTitle(Program& p, int fg, int bg) {
    Console& c = screenOf(p);
    c.textColor(fg);
    c.textBackground(bg);
    c.write(TITLE);
    valueColours(c);
}

// The ready line: the compatibility check, then accept, abandon or go back
// to editing.
int readyLine(Program& p) {
    Console& c = screenOf(p);
    if (const CompatibilityRule* rule = ERRMESS(p)) {
        // Said on the message rows while the cursor waits in the field that mends it.
        std::string why = rule->explain(p.cfg);
        if (!why.empty() && why[0] >= 'a' && why[0] <= 'z') why[0] = static_cast<char>(why[0] - 'a' + 'A');
        showNote(p, why + ".");
        return fieldOf(rule->field);
    }
    c.gotoXY(15, 3);
    QCON(p);
    for (;;) {
        c.gotoXY(15, 3);
        const int k = c.readKey();
        if (k == key::Return) {
            // Checked before anything is saved: the run would refuse the
            // name only after the style had been written with it.
            if (const std::string why = outputNameProblem(p.shared.NAME4.str()); !why.empty()) {
                tellProblem(p, why);
                QCON2(p);
                return NAME4;
            }
            const std::string refused = OUTFILE(p);
            if (refused.empty()) return ACCEPT;
            // The specialty numbers screen may have been shown: draw it all.
            c.textBackground(colour::Blue);
            c.textColor(colour::Yellow);
            CLR(p);
            OVRLAY(p);
            tellProblem(p, refused);
            return NAME1;
        }
        if (k == key::Esc) return ABANDON;
        if (k == key::Down) {
            QCON2(p);
            return BCHAP;
        }
    }
}

}  // namespace

void QCON(Program& p) { drawTitle(p, colour::White, colour::Green); }

void QCON2(Program& p) {
    screenOf(p).gotoXY(15, 3);
    drawTitle(p, colour::Yellow, colour::Blue);
}

int CAPS(int k) { return (k >= 'a' && k <= 'e') ? k - 'a' + 'A' : k; }

void OVRLAY(Program& p) {
    Console& c = screenOf(p);
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
    c.gotoXY(15, 3);
    c.write(TITLE);
    c.gotoXY(1, 4);
    c.write("    " + std::string(70, '_'));
    std::map<int, std::string> rows;
    auto put = [&rows](int row, int col, std::string_view text) {
        rows.try_emplace(row, LABEL_ROW, ' ').first->second.replace(static_cast<std::size_t>(col - 1), text.size(), text);
    };
    for (const FormField& f : FORM) put(f.spot.row, f.spot.labelCol, f.spot.label);
    for (const Label& h : HEADINGS) put(h.row, h.col, h.text);
    for (const auto& [row, text] : rows) {
        c.gotoXY(1, row);
        c.write(text);
    }
    for (int f = 0; f < FIELDS; ++f) drawField(p, f);
}

FormEnd editForm(Program& p) {
    int at = BCHAP;
    for (;;) {
        if (at == READY) at = readyLine(p);
        if (at == ACCEPT) return FormEnd::Accepted;
        if (at == ABANDON) return FormEnd::Abandoned;
        if (at < 0) continue;
        // A note on the message rows stays until the user leaves the field
        // after the one it was told in (an entry that ends with Return moves on).
        const std::string noteBefore = noteText(p);
        screenOf(p).setHelpTopic(at == NAME1 ? "NAME1" : std::string(FORM[static_cast<std::size_t>(at)].item));
        at = editField(p, at);
        screenOf(p).setHelpTopic("");
        if (!noteBefore.empty() && noteText(p) == noteBefore) clearNote(p);
    }
}

}  // namespace tess
