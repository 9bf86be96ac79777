#pragma once
// The one description of a style file: each of its lines, the setting it
// holds, how it is read, the range its value is kept in and where the form
// shows it (its place, label and moves). The style reader, the style writer,
// the checker and the form walk this table and the tests find lines in it, so
// a new setting is one entry here and its member in Settings.h.
#include <array>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "core/Limits.h"
#include "core/Material.h"
#include "core/Settings.h"

namespace tess {

inline constexpr int QMAX_STORED_MAX = 75;  // the largest pattern review screen

enum class FieldKind {
    Letter,      // the first character; a blank line reads as a blank
    ListLetter,  // a letter in min..max, taken in capitals: it becomes part of bank file names
    Number,      // kept in min..max
    Place,       // chapter and verse: the chapter kept in min..max, the verse inside its chapter
    Text,        // the line as it stands, cut to the setting's width
    Pattern,     // the position letters; made from the specialty range when the line is missing
};

// Where a setting lives: the style's own copy or the settings both sides share.
template <class T>
struct FieldSlot {
    T StyleSettings::*style = nullptr;
    T SharedSettings::*shared = nullptr;

    constexpr FieldSlot() = default;
    constexpr FieldSlot(T StyleSettings::*m) : style(m) {}    // NOLINT: either kind of member names a slot
    constexpr FieldSlot(T SharedSettings::*m) : shared(m) {}  // NOLINT

    T& in(StyleSettings& s, SharedSettings& sh) const { return style ? s.*style : sh.*shared; }
    const T& in(const StyleSettings& s, const SharedSettings& sh) const { return style ? s.*style : sh.*shared; }
};

// Where Up, Down, Left, Right and Return lead from a field of the form: the
// name of a field, "READY" for the title line, "" where the key stays.
using FormMoves = std::array<std::string_view, 5>;

// Where the form shows a value: the column and row of its first character,
// the width it is drawn in, the digits an entry takes and the lowest digit
// that starts one (no width: not on the form); the label before it, at
// labelCol of its row; where the keys lead from it; and the field's own name
// when it is a part of a line (a Place's book and verse): a value goes by its
// setting's item.
struct FormSpot {
    int col = 0, row = 0, width = 0, digits = 0, first = 0;
    int labelCol = 0;
    std::string_view label{};
    FormMoves moves{};
    std::string_view name{};
};

struct StyleField {
    int line = 0;             // 1-based line of the style file
    std::string_view item{};  // the setting's name (a Place goes by its chapter)
    FieldKind kind = FieldKind::Letter;
    const char* what = "";       // names the line in notes: "lines per page"
    const char* valueName = "";  // names a value brought into range; a Place's "Begin" gives "Begin chapter"
    int min = 0, max = 0;        // Number, Place (the chapter), ListLetter: the range kept
    std::string_view letters{};  // Letter: the letters it may be; any, when empty
    FieldSlot<char> letter{};
    FieldSlot<int> number{};                // a Place's chapter
    int StyleSettings::*verse = nullptr;    // a Place's verse
    int StyleSettings::*atLeast = nullptr;  // Number: an earlier line's setting that raises min
    FixedText<14> SharedSettings::*text = nullptr;
    FixedText<30> StyleSettings::*pattern = nullptr;
    const char* help = "";  // on the form: what the setting means, for its F1 help
    FormSpot form{};        // the value (a Place's chapter)
    FormSpot formVerse{};   // a Place's verse and book
    FormSpot formBook{};
    // The form keeps an entry tighter than a file: at most formMax (when set)
    // and inside the other end of its minimum and maximum.
    int formMax = 0;
    int StyleSettings::*formAtMost = nullptr;
    int StyleSettings::*formAtLeast = nullptr;
    // A line added after styles were first stored (a Letter or a Number): a
    // file that ends before it reads the setting's starting value, and the
    // writer leaves it off the end while it holds that value, so a stored
    // style is read as before and written back with the lines it had.
    bool addedLater = false;

    // Its place on the form and what it means there, added to an entry
    // where the table lists it.
    constexpr StyleField on(FormSpot at, const char* means) const {
        StyleField f = *this;
        f.form = at;
        f.help = means;
        return f;
    }
    constexpr StyleField withVerseOn(FormSpot verseAt, FormSpot bookAt) const {
        StyleField f = *this;
        f.formVerse = verseAt;
        f.formBook = bookAt;
        return f;
    }
    constexpr StyleField formUpTo(int hi) const {
        StyleField f = *this;
        f.formMax = hi;
        return f;
    }
    constexpr StyleField atMostOf(int StyleSettings::*m) const {
        StyleField f = *this;
        f.formAtMost = m;
        return f;
    }
    constexpr StyleField atLeastOf(int StyleSettings::*m) const {
        StyleField f = *this;
        f.formAtLeast = m;
        return f;
    }
    constexpr StyleField lineAddedLater() const {
        StyleField f = *this;
        f.addedLater = true;
        return f;
    }
};

namespace field {
constexpr StyleField letter(int line, std::string_view item, const char* what, FieldSlot<char> m,
                            std::string_view letters = {}) {
    return {.line = line, .item = item, .kind = FieldKind::Letter, .what = what, .letters = letters, .letter = m};
}
constexpr StyleField listLetter(int line, std::string_view item, const char* what, FieldSlot<char> m, char lo,
                                char hi) {
    return {.line = line, .item = item, .kind = FieldKind::ListLetter, .what = what, .min = lo, .max = hi, .letter = m};
}
constexpr StyleField number(int line, std::string_view item, const char* what, const char* valueName, int lo, int hi,
                            FieldSlot<int> m, int StyleSettings::*atLeast = nullptr) {
    return {.line = line,
            .item = item,
            .kind = FieldKind::Number,
            .what = what,
            .valueName = valueName,
            .min = lo,
            .max = hi,
            .number = m,
            .atLeast = atLeast};
}
// A specialty limit: the same words name its line and its value.
constexpr StyleField limit(int line, std::string_view item, const char* what, int hi, int StyleSettings::*m) {
    return number(line, item, what, what, 0, hi, m);
}
constexpr StyleField place(int line, std::string_view item, const char* what, const char* valueName,
                           int StyleSettings::*chapter, int StyleSettings::*verse) {
    return {.line = line,
            .item = item,
            .kind = FieldKind::Place,
            .what = what,
            .valueName = valueName,
            .min = 1,
            .max = MATERIAL_CHAPTERS_MAX,  // the reader keeps it inside the material
            .number = chapter,
            .verse = verse};
}
}  // namespace field

// In file order, one entry a line.
inline constexpr StyleField STYLE_FIELDS[] = {
    field::letter(1, "LG", "material set", &StyleSettings::LG),
    field::place(2, "BCHAP", "begin chapter and verse", "Begin", &StyleSettings::BCHAP, &StyleSettings::BVER)
        .on({27, 6, 2, 2, 1, 18, "Chapter:", {"READY", "ECHAP", "BBK", "BVER", "ECHAP"}},
            "The first verse the questions may come from: book, chapter and verse.")
        .withVerseOn({35, 6, 2, 2, 1, 30, "Ver:", {"READY", "EVER", "BCHAP", "QNUM", "EVER"}, "BVER"},
                     {14, 6, 2, 0, 0, 5, "Begin:", {"READY", "EBK", "", "BCHAP", "EBK"}, "BBK"}),
    field::place(3, "ECHAP", "end chapter and verse", "End", &StyleSettings::ECHAP, &StyleSettings::EVER)
        .on({27, 8, 2, 2, 1, 18, "Chapter:", {"BCHAP", "NAME1", "EBK", "EVER", "NAME1"}},
            "The last verse the questions may come from; a chapter typed here takes its last verse.")
        .withVerseOn({35, 8, 2, 2, 1, 30, "Ver:", {"BVER", "NAME1", "ECHAP", "SEC1", "NAME1"}, "EVER"},
                     {14, 8, 2, 0, 0, 5, "End:", {"BBK", "NAME1", "", "ECHAP", "NAME1"}, "EBK"}),
    StyleField{
        .line = 4, .item = "NAME4", .kind = FieldKind::Text, .what = "output file name", .text = &SharedSettings::NAME4}
        .on({27, 12, 10, 0, 0, 5, "Name of Output File :", {"NAME1", "OUT", "", "SPMIN", "OUT"}},
            "The packet file <name>.qui and the list file <name>.inf."),
    field::number(5, "LPP", "lines per page", "Lines per page", 18, 500, &StyleSettings::LPP)
        .on({15, 14, 3, 3, 0, 5, "Lines/Pg:", {"NAME4", "QMAX", "LPP", "OUT", "OUT"}}, "The page length of the p layout."),
    field::letter(6, "OUT", "output layout", &StyleSettings::OUT, "CPT")
        .on({36, 14, 1, 0, 0, 19, "Output (p/c/t):", {"NAME4", "QMAX", "LPP", "SPMIN", "QMAX"}},
            "The packet layout: C cards, P pages for a printer, T tab-separated lines (docs/styles.md)."),
    // A stored style may hold more than the form lets a user type.
    field::number(7, "QMAX", "questions per pack", "Questions per pack", 1, QMAX_STORED_MAX, &StyleSettings::QMAX)
        .on({35, 16, 2, 2, 1, 5, "Number of Questions per pack:", {"OUT", "AB", "", "RMIN", "AB"}},
            "Questions in each quiz; also the number of sectors the range is divided into.")
        .formUpTo(SCMAX),
    field::listLetter(8, "REGLST", "regular list letter", &SharedSettings::REGLST, 'A', 'D')
        .on({74, 20, 1, 0, 0, 60, "Reg (a/b/c):", {"SMAX", "SETSPC", "PRIMPCT", "", "SETSPC"}},
            "Which list of regular questions the run draws from: the bank's file Luke.<letter>."),
    field::number(9, "AB", "A and B questions begin", "A and B questions begin on", 1, 99, &StyleSettings::AB)
        .on({35, 18, 2, 2, 1, 5, "A and B Questions begin on  :", {"QMAX", "SPLATE", "", "SMIN", "SPLATE"}},
            "The last numbered question: those after it are printed without a number, as the spare A and B questions."),
    field::number(10, "IPC", "percent interrogatives", "Percent interrogatives", 0, 100, &StyleSettings::IPC)
        .on({15, 22, 3, 3, 0, 5, "Pct Int :", {"SPEARLY", "QNUM", "IPC", "INDX", "INDX"}},
            "The share of regular questions that are interrogatives (who, what, where ...); 50 leaves the mix as the "
            "bank gives it."),
    field::letter(11, "INDX", "reindex", &StyleSettings::INDX, "YN")
        .on({36, 22, 1, 0, 0, 20, "Reindex (y/n):", {"SPLATE", "QNUM", "IPC", "SETSPC", "QNUM"}},
            "Y rebuilds the question count file every run; N reuses it (use Y after changing the bank)."),
    field::number(12, "QNUM", "number of quizzes", "Number of quizzes", 1, QQZ, &StyleSettings::QNUM)
        .on({72, 6, 3, 3, 1, 42, "Number of Quizzes in this Run:", {"READY", "SEC1", "BVER", "", "SEC1"}},
            "How many quizzes the run makes."),
    field::letter(13, "SEC1", "sectoring", &SharedSettings::SEC1, "CVQ")
        .on({74, 8, 1, 0, 0, 42, "Sector by Chp/Vrs/Que (c/v/q):", {"QNUM", "REPEATPCT", "EVER", "", "REPEATPCT"}},
            "How the range is divided into sectors: by chapters (C), verses (V) or single questions (Q)."),
    field::number(14, "REPEATPCT", "percent eligible for repeats", "Percent eligible for repeats", 0, 100,
                  &StyleSettings::REPEATPCT)
        .on({72, 10, 3, 3, 0, 42, "Percent Eligible for Repeats :", {"SEC1", "SPMAX", "NAME1", "", "FMAX"}},
            "The chance that a question already used may be drawn again in a later quiz."),
    field::limit(15, "SPMAX", "total maximum", 20, &StyleSettings::SPMAX)
        .on({73, 14, 2, 2, 0, 68, "Max:", {"REPEATPCT", "FMAX", "SPMIN", "", "FMAX"}}, "The most specialty questions a quiz has, of all kinds.")
        .atLeastOf(&StyleSettings::SPMIN),
    field::limit(16, "SPMIN", "total minimum", 20, &StyleSettings::SPMIN)
        .on({64, 14, 2, 2, 0, 46, "Total        Min:", {"REPEATPCT", "FMIN", "OUT", "SPMAX", "FMIN"}},
            "The fewest specialty questions a quiz has, of all kinds; at most the total maximum.")
        .atMostOf(&StyleSettings::SPMAX),
    field::limit(17, "FMAX", "FTV maximum", 10, &StyleSettings::FMAX)
        .on({73, 15, 2, 2, 0, 68, "Max:", {"SPMAX", "RMAX", "FMIN", "", "RMAX"}}, "The most finish-the-verse questions a quiz has.")
        .atLeastOf(&StyleSettings::FMIN),
    field::limit(18, "FMIN", "FTV minimum", 10, &StyleSettings::FMIN)
        .on({64, 15, 2, 2, 0, 46, "FTV Type     Min:", {"SPMIN", "RMIN", "OUT", "FMAX", "RMIN"}},
            "The fewest finish-the-verse questions a quiz has; at most their maximum.")
        .atMostOf(&StyleSettings::FMAX),
    field::limit(19, "RMAX", "CV Ref maximum", 10, &StyleSettings::RMAX)
        .on({73, 16, 2, 2, 0, 68, "Max:", {"FMAX", "OMAX", "RMIN", "", "OMAX"}}, "The most chapter-verse reference questions a quiz has.")
        .atLeastOf(&StyleSettings::RMIN),
    field::limit(20, "RMIN", "CV Ref minimum", 10, &StyleSettings::RMIN)
        .on({64, 16, 2, 2, 0, 46, "CV Ref       Min:", {"FMIN", "OMIN", "QMAX", "RMAX", "OMIN"}},
            "The fewest chapter-verse reference questions a quiz has; at most their maximum.")
        .atMostOf(&StyleSettings::RMAX),
    field::limit(21, "OMAX", "CO Ref maximum", 10, &StyleSettings::OMAX)
        .on({73, 17, 2, 2, 0, 68, "Max:", {"RMAX", "SMAX", "OMIN", "", "SMAX"}}, "The most chapter-only reference questions a quiz has.")
        .atLeastOf(&StyleSettings::OMIN),
    field::limit(22, "OMIN", "CO Ref minimum", 10, &StyleSettings::OMIN)
        .on({64, 17, 2, 2, 0, 46, "CO Ref       Min:", {"RMIN", "SMIN", "QMAX", "OMAX", "SMIN"}},
            "The fewest chapter-only reference questions a quiz has; at most their maximum.")
        .atMostOf(&StyleSettings::OMAX),
    field::limit(23, "SMAX", "Situation maximum", 10, &StyleSettings::SMAX)
        .on({73, 18, 2, 2, 0, 68, "Max:", {"OMAX", "REGLST", "SMIN", "", "REGLST"}}, "The most situation questions a quiz has.")
        .atLeastOf(&StyleSettings::SMIN),
    field::limit(24, "SMIN", "Situation minimum", 10, &StyleSettings::SMIN)
        .on({64, 18, 2, 2, 0, 46, "Situation    Min:", {"OMIN", "PRIMPCT", "AB", "SMAX", "PRIMPCT"}},
            "The fewest situation questions a quiz has; at most their maximum.")
        .atMostOf(&StyleSettings::SMAX),
    field::number(25, "PRIMPCT", "percent primary FTV", "Percent primary FTV", 0, 100, &SharedSettings::PRIMPCT)
        .on({56, 20, 3, 3, 0, 42, "Pct Prim FTV:", {"SMIN", "SETSPC", "SPLATE", "REGLST", "SETSPC"}},
            "The share of finish-the-verse questions drawn from the primary verses."),
    field::number(26, "SPEARLY", "first specialty question", "First specialty question", 1, 10, &StyleSettings::SPEARLY)
        .on({28, 20, 2, 2, 1, 5, "Specialties may appear", {"AB", "IPC", "AB", "SPLATE", "IPC"}},
            "The first question number where a specialty question may stand; at most the last.")
        .atMostOf(&StyleSettings::SPLATE),
    // The last specialty position is never before the first.
    field::number(27, "SPLATE", "last specialty question", "Last specialty question", 1, SCMAX, &StyleSettings::SPLATE,
                  &StyleSettings::SPEARLY)
        .on({35, 20, 2, 2, 1, 31, "to", {"AB", "INDX", "SPEARLY", "PRIMPCT", "INDX"}},
            "The last question number where a specialty question may stand; at least the first."),
    field::letter(28, "SETSPC", "set specialty numbers", &SharedSettings::SETSPC, "YN")
        .on({74, 22, 1, 0, 0, 42, "Set Specialty Quest nos (y/n):", {"REGLST", "BCHAP", "INDX", "", "BCHAP"}},
            "Y: you set by hand which question numbers hold which kind of specialty, on a screen after the form."),
    {.line = 29, .item = "TYP", .kind = FieldKind::Pattern, .what = "pattern line", .pattern = &StyleSettings::TYP},
};

inline constexpr int STYLE_LINES = static_cast<int>(std::size(STYLE_FIELDS));

// The line that holds a setting; an unknown name does not compile where a
// constant is needed.
constexpr const StyleField& styleField(std::string_view item) {
    for (const StyleField& f : STYLE_FIELDS)
        if (f.item == item) return f;
    throw std::logic_error("no such style setting");
}
constexpr int styleLine(std::string_view item) { return styleField(item).line; }

namespace field {
constexpr bool inFileOrder() {
    for (int i = 0; i < STYLE_LINES; ++i)
        if (STYLE_FIELDS[i].line != i + 1) return false;
    return true;
}
static_assert(inFileOrder(), "one entry for each line of a style file, in order");
constexpr bool laterLinesLast() {
    bool later = false;
    for (const StyleField& f : STYLE_FIELDS) {
        if (later && !f.addedLater) return false;
        later = later || f.addedLater;
        if (f.addedLater && f.kind != FieldKind::Letter && f.kind != FieldKind::ListLetter &&
            f.kind != FieldKind::Number)
            return false;
    }
    return true;
}
static_assert(laterLinesLast(), "lines added later are letters or numbers, after every line of the first files");
}  // namespace field

}  // namespace tess
