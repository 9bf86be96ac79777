#include "app/Help.h"

#include <filesystem>
#include <string_view>

#include "core/Messages.h"
#include "core/StyleFields.h"
#include "core/StyleFile.h"
#include "specc9/Validation.h"

namespace tess {

namespace {

constexpr std::size_t WIDTH = 76;  // a help row, inside a two-column margin

// A screen's help: found by a line only that screen shows; `question` says
// whether ? asks for it there (it does not where ? is typed or answers).
struct ScreenHelp {
    std::string_view shows;
    bool question;
    std::string_view title;
    std::string_view keys;  // rows separated by '\n'
};

constexpr std::string_view FORM_KEYS =
    "Arrows   move between fields; Return moves on to the next field.\n"
    "Digits   type a number. It counts when its field is full, or at Return or\n"
    "         an arrow; a number out of range is brought into it and the rows\n"
    "         below say so.\n"
    "Letters  choose a letter field's value (the label shows which).\n"
    "Esc      goes to the title line. There Return checks the style, saves it\n"
    "         and starts the run (a rule it breaks is named below the form),\n"
    "         Down comes back to the fields and Esc leaves without saving.";

// In the order they are looked for: the form shows its labels under any
// title, and the sector table may stand below other lines.
constexpr ScreenHelp SCREENS[] = {
    {"Number of Quizzes in this Run", false, "The configuration form: one quiz style", FORM_KEYS},
    {"Press Return to Choose a Quiz Style", true, "The style menu: the quiz styles of this folder",
     "Up, Down  choose a style: \"Enter New Specs\" starts one, \"Exit\" leaves.\n"
     "Return    opens the chosen style on the form.\n"
     "Shift-D   deletes the chosen style from the menu (its file stays)."},
    {"Press Enter when Finished", true, "Specialty question numbers: which question holds which kind",
     "Left, Right  move along the question numbers.\n"
     "F R O S      put that kind of specialty on the number (up to its maximum).\n"
     "Space        makes the number a regular question again.\n"
     "Return       finishes when the total maximum is placed."},
    {"Reshuffle the Specialty pattern", true, "The specialty patterns: one line a quiz",
     "Up, Down     choose a quiz; Right and Left change the column of quizzes.\n"
     "Space        draws a new pattern for the chosen quiz.\n"
     "Return       accepts every pattern on the screen.\n"
     "A pattern has a letter for each question: n is a regular question, F a\n"
     "finish-the-verse, R a chapter-verse reference, O a chapter-only\n"
     "reference, S a situation question."},
    {"Choose questions per chapter", false, "Chapter shares: how many questions each chapter gives a quiz",
     "Up, Down  choose a chapter.\n"
     "Digits    type its share: two digits, or one digit and an arrow.\n"
     "          A share of 0 joins the chapter to the next one's sector.\n"
     "Return    accepts the shares when they add up to the questions per pack;\n"
     "          otherwise the row below says what is wrong."},
    {"Nm Verse   Verse Reg FTV", true, "The sector table: how the range is divided",
     "Sc Nm        the sector's number; From and To Verse: the verses it covers.\n"
     "Reg FTV Ref  its questions of each kind: regular, finish-the-verse,\n"
     "ChO Sit      chapter-verse reference, chapter-only reference, situation.\n"
     "Any key      goes on. Esc goes back: after chapter shares to the shares,\n"
     "             after sectoring by verses to the title."},
    {"Run specialty combinations automatically", true, "Specialty combinations: drawn, or approved by you",
     "Up, Down  choose: drawn automatically, or shown for each quiz to approve.\n"
     "Return    takes the choice. Esc goes back to the title."},
    {"Do you wish to accept this combination", true, "Approving a quiz's specialty questions",
     "Y        accepts these specialty questions for the quiz.\n"
     "N        puts them back and draws another combination.\n"
     "Esc      keeps them and leaves the quiz's regular questions blank."},
};

constexpr ScreenHelp MESSAGE = {"", false, "A message", "Read it, then press Return to go on."};
constexpr ScreenHelp ANYWHERE = {"", false, "Tessarin: quiz packets from a question bank",
                                 "Each screen says what it waits for; F1 shows its keys.\n"
                                 "Esc goes back a step on most screens."};

const ScreenHelp& screenShown(const Console& c) {
    const std::string text = c.screenText();
    for (const ScreenHelp& s : SCREENS)
        if (text.find(s.shows) != std::string::npos) return s;
    for (std::string_view ask : {"Press Return", "Press return", "Press Enter", "Press any key"})
        if (text.find(ask) != std::string::npos) return MESSAGE;
    return ANYWHERE;
}

void addRows(std::vector<std::string>& rows, std::string_view text, const std::string& indent = "  ") {
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        for (const std::string& row : wrapRows(text.substr(at, end - at), WIDTH - indent.size()))
            rows.push_back(indent + row);
        at = end + 1;
    }
}

std::string joined(const std::vector<std::string>& items) {
    std::string s;
    for (const std::string& i : items) s += (s.empty() ? "" : ", ") + i;
    return s.empty() ? "none" : s;
}

bool bankHas(const Program& p, const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(p.dir / ((p.cfg.LG == 'L' ? "LL" : "") + name), ec);
}

// What the values of a setting may be, and which of them this folder's bank
// holds files for.
std::string rangeOf(const Program& p, const StyleField& f) {
    switch (f.kind) {
        case FieldKind::Letter: {
            std::vector<std::string> letters;
            for (char l : f.letters) letters.emplace_back(1, l);
            return "Values: " + joined(letters) + ".";
        }
        case FieldKind::ListLetter: {
            std::vector<std::string> kept;
            for (char l = static_cast<char>(f.min); l <= static_cast<char>(f.max); ++l)
                if (bankHas(p, p.material.first().name + "." + l)) kept.emplace_back(1, l);
            return "Values: " + std::string(1, static_cast<char>(f.min)) + " to " +
                   std::string(1, static_cast<char>(f.max)) + "; this folder has the lists " + joined(kept) + ".";
        }
        case FieldKind::Place: {
            const int chapter = (p.cfg.*f.number.style);
            return "Values: chapters " + std::to_string(f.min) + " to " + std::to_string(p.material.chapters()) +
                   "; a verse up to its chapter's last (" + p.material.chapterName(chapter) + " has " +
                   std::to_string(p.cfg.EVS[chapter]) + ").";
        }
        case FieldKind::Text:
            return "Values: up to 10 letters and digits.";
        default:
            break;
    }
    if (f.item == "PRIMPCT") {
        std::vector<std::string> kept;
        for (int v = 1; v <= 100; ++v)
            if (primAllowed(v) == v && bankHas(p, "FTV." + primDigits(v))) kept.push_back(std::to_string(v));
        return "Values with an FTV file in this folder: " + joined(kept) +
               ". Another value is replaced by one of these.";
    }
    return "Values: " + std::to_string(f.min) + " to " + std::to_string(f.formMax ? f.formMax : f.max) + ".";
}

void fieldHelp(const Program& p, std::vector<std::string>& rows) {
    const std::string& topic = screenOf(p).helpTopic();
    rows.emplace_back();
    if (topic == "NAME1") {
        rows.emplace_back(" This field: the name of the quiz style");
        addRows(rows, "The style's name in the menu and its file <name>.spe. Values: up to 10 letters and digits.");
        return;
    }
    for (const StyleField& f : STYLE_FIELDS) {
        if (f.item != topic) continue;
        rows.push_back(std::string(" This field: ") + f.what);
        addRows(rows, std::string(f.help) + " " + rangeOf(p, f));
        return;
    }
    rows.emplace_back(" The title line: Return checks, saves and runs; Down goes to the fields.");
}

}  // namespace

std::vector<std::string> helpPage(const Program& p, bool question) {
    const ScreenHelp& s = screenShown(screenOf(p));
    if (question && !s.question) return {};
    std::vector<std::string> rows = {" Help -- " + std::string(s.title), ""};
    addRows(rows, s.keys);
    if (&s == &SCREENS[0]) fieldHelp(p, rows);
    rows.resize(Console::Rows - 1);
    rows.emplace_back(" Press any key to go back to the screen.");
    return rows;
}

void installHelp(Program& p) {
    screenOf(p).setHelp([&p](bool question) { return helpPage(p, question); });
}

}  // namespace tess
