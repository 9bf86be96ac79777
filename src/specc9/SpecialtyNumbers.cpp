#include "specc9/SpecialtyNumbers.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

#include "core/Kinds.h"
#include "core/Messages.h"

namespace tess {

namespace {

// A count for each specialty, in the order of SPECIALTIES.
using PerSpecialty = std::array<int, SPECIALTY_COUNT>;

// The place among SPECIALTIES of a specialty's letter; -1 for any other.
int specialtyOf(int letter) {
    const Kind* k = letter >= 0 && letter < 128 ? kindOf(static_cast<char>(letter)) : nullptr;
    return k && k->specialty ? static_cast<int>(k - SPECIALTIES.data()) : -1;
}

// The title, the kinds' maxima, the question numbers of the window
// early..late and the letters now under them; leaves the cursor at the first
// letter's row in white on red. Returns the left margin of the numbers.
int drawSpecialtyNumbers(Program& p, const std::string& typ, int early, int late) {
    Console& c = screenOf(p);
    const Specc9& s = p.cfg;
    CLR(p);
    c.gotoXY(1, 3);
    c.write("                                Set Specialty Types");
    c.gotoXY(1, 4);
    c.write("    " + std::string(70, '_'));
    c.clearEol();
    c.gotoXY(1, 6);
    std::string choose = "    Choose:  ";
    for (const Kind& k : SPECIALTIES) {
        const bool last = &k == &SPECIALTIES.back();
        choose += std::string(last ? "and " : "") + std::to_string(s.*k.max) + " " + k.shortName + " (" + k.letter +
                  (last ? ")." : ")   ");
    }
    c.write(choose);
    c.clearEol();
    c.gotoXY(1, 8);
    c.write("    Press Enter when Finished");
    c.clearEol();

    const int m = (80 - 2 * (late - early)) / 2 - 1;
    const std::string margin(static_cast<std::size_t>(m), ' ');
    std::string tens = margin, units = margin;
    for (int x = early; x <= late; ++x) {
        tens += x > 9 ? " " + std::to_string(x / 10) : "  ";
        units += " " + std::to_string(x % 10);
    }
    c.gotoXY(1, 10);
    c.write(tens);
    c.clearEol();
    c.gotoXY(1, 11);
    c.write(units);
    c.clearEol();
    c.gotoXY(1, 12);
    c.write(margin);
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    for (int x = early; x <= late; ++x) {
        const char t = typ[static_cast<std::size_t>(x - 1)];
        c.write(t == 'n' ? std::string("  ") : std::string{' ', t});
    }
    return m;
}

// The stored pattern line cleaned up: each kind keeps its first letters up
// to its maximum; "A" (any) means nothing once numbers are set by hand.
// Counts what each kind keeps.
std::string cleanTypes(const Specc9& s, const PerSpecialty& maxOf, PerSpecialty& count) {
    count = {};
    std::string typ = s.TYP.str();
    typ.resize(30, 'n');
    for (char& t : typ) {
        const int k = specialtyOf(t);
        if (k >= 0 && count[static_cast<std::size_t>(k)] < maxOf[static_cast<std::size_t>(k)])
            ++count[static_cast<std::size_t>(k)];
        else
            t = 'n';
    }
    return typ;
}

int sum(const PerSpecialty& n) { return std::accumulate(n.begin(), n.end(), 0); }

// What the screen starts from: the window of question numbers it may change,
// each kind's maximum, the cleaned pattern and its counts, and whether the
// total Return asks for can be reached at all. Sets SPECS.
struct Start {
    int early = 1, late = 30;
    PerSpecialty maxOf{}, count{};
    std::string typ;
    bool reachable = true;
};

Start startOf(Specc9& s) {
    Start w;
    // The form keeps 1 <= SPEARLY <= SPLATE <= 30; the window never leaves the line.
    w.early = std::clamp(s.SPEARLY, 1, 30);
    w.late = std::clamp(s.SPLATE, w.early, 30);
    for (std::size_t k = 0; k < SPECIALTY_COUNT; ++k) w.maxOf[k] = s.*SPECIALTIES[k].max;
    s.SPECS = sum(w.maxOf);
    w.typ = cleanTypes(s, w.maxOf, w.count);
    // Letters outside the window cannot be changed here. Should they alone
    // exceed SPMAX, or the window be too small, Return could never be taken:
    // the screen is then left whatever the total.
    int outside = 0;
    for (int x = 1; x <= 30; ++x)
        if ((x < w.early || x > w.late) && w.typ[static_cast<std::size_t>(x - 1)] != 'n') ++outside;
    const int reachableMax = std::min(outside + (w.late - w.early + 1), sum(w.maxOf));
    w.reachable = outside <= s.SPMAX && s.SPMAX <= reachableMax;
    return w;
}

}  // namespace

std::string acceptStoredNumbers(Program& p) {
    Specc9& s = p.cfg;
    const Start w = startOf(s);
    if (sum(w.count) != s.SPMAX && w.reachable)
        return "The specialty numbers set by hand in the style hold " + std::to_string(sum(w.count)) +
               " letters, not Total Max " + std::to_string(s.SPMAX) +
               "; set them on the form's specialty numbers screen.";
    s.TYP = w.typ;
    return {};
}

void SETSPEC(Program& p) {
    Console& c = screenOf(p);
    Specc9& s = p.cfg;
    Start w = startOf(s);
    const int early = w.early, late = w.late;
    const PerSpecialty& maxOf = w.maxOf;
    PerSpecialty& count = w.count;
    std::string& typ = w.typ;
    const bool reachable = w.reachable;
    const int m = drawSpecialtyNumbers(p, typ, early, late);
    auto at = [&](int x) -> char& { return typ[static_cast<std::size_t>(x - 1)]; };
    auto total = [&] { return sum(count); };

    // The key loop. A cursor key arrives as 0 and its code; the 0 does nothing.
    int n = early;
    int col = m + 2;
    for (;;) {
        c.gotoXY(col, 12);
        int k = c.readKey();
        if (k == key::Left) {
            --n;
            col -= 2;
            if (n < early) {
                n = late;
                col = m + 2 + 2 * (late - early);
            }
        }
        if (k == key::Right) {
            ++n;
            col += 2;
            if (n > late) {
                n = early;
                col = m + 2;
            }
        }
        if (k >= 'a' && k <= 'z' && specialtyOf(k - 'a' + 'A') >= 0) k = k - 'a' + 'A';
        bool applied = false;
        const int kind = specialtyOf(k);
        if (kind >= 0 && count[static_cast<std::size_t>(kind)] < maxOf[static_cast<std::size_t>(kind)] &&
            at(n) != SPECIALTIES[static_cast<std::size_t>(kind)].letter) {
            if (const int held = specialtyOf(at(n)); held >= 0) --count[static_cast<std::size_t>(held)];
            ++count[static_cast<std::size_t>(kind)];
            at(n) = SPECIALTIES[static_cast<std::size_t>(kind)].letter;
            c.write(std::string(1, at(n)));
            applied = true;
        }
        if (k == key::Space || (k == 'S' && !applied)) {
            if (const int held = specialtyOf(at(n)); held >= 0) --count[static_cast<std::size_t>(held)];
            at(n) = 'n';
            c.write(" ");
        }
        if (k == key::Return && (total() == s.SPMAX || !reachable)) break;
    }
    s.TYP = typ;
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
}

}  // namespace tess
