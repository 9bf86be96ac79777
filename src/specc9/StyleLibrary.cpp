#include "specc9/StyleLibrary.h"

#include <algorithm>
#include <cctype>

#include "console/TextFile.h"
#include "core/StyleFile.h"

namespace tess {

namespace {

constexpr std::size_t LIST_LINE_BOUND = 256;

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// A minimum above its maximum (a hand-edited file) is lowered to it, as the
// form itself would; the specialty screen relies on it.
void keepMinBelowMax(int& mn, int mx, const char* what, const std::string& file, std::vector<std::string>& notes) {
    if (mn <= mx) return;
    notes.push_back(file + ": " + what + " minimum " + std::to_string(mn) + " is above its maximum " +
                    std::to_string(mx) + "; " + std::to_string(mx) + " is used.");
    mn = mx;
}

}  // namespace

StyleList readStyleList(const Program& p) {
    StyleList list;
    const std::string path = p.file(STYLE_LIST_FILE);
    list.exists = fileExists(path);
    auto lines = readAllLines(path, LIST_LINE_BOUND);
    if (!lines) return list;
    list.readable = true;
    for (auto& l : *lines)
        if (!l.empty() && l != NEW_SPECS_ENTRY) list.names.push_back(std::move(l));
    return list;
}

WriteOutcome writeStyleList(const Program& p, const std::vector<std::string>& names) {
    std::vector<std::string> lines = names;
    lines.push_back(NEW_SPECS_ENTRY);
    return writeFileAtomic(p.file(STYLE_LIST_FILE), lines);
}

std::string styleNameProblem(const std::string& name) {
    if (name.empty()) return "A style needs a name.";
    if (std::string why = styleFileNameProblem(name); !why.empty()) return why;
    if (charCount(name) > static_cast<std::size_t>(STYLE_NAME_MAX))
        return "The style name \"" + name + "\" is longer than " + std::to_string(STYLE_NAME_MAX) + " characters.";
    if (isExitRequest(name)) return "\"Exit\" ends the program; a style cannot have that name.";
    return {};
}

std::string CHECKNEW(const std::string& entry) { return entry == NEW_SPECS_ENTRY ? NEW_STYLE : entry; }

bool READIN(Program& p, const std::string& name, std::vector<std::string>& notes) {
    const std::string file = name + ".spe";
    if (!fileExists(p.file(file))) {
        if (const std::string why = whyUnreadable(p.file(file)); why != "it is missing")
            notes.push_back("Cannot read the style file " + file + ": " + why + ".");
        else
            notes.push_back(name == NEW_STYLE ? "There is no style file New.spe; new styles start from its values."
                                              : "There is no style file " + file + ".");
        return false;
    }
    Specc9 c = p.cfg;
    SharedSettings sh = p.shared;
    std::vector<std::string> told;
    if (!readStyleFile(p.file(file), c, sh, told, p.material)) {
        notes.push_back(told.empty() ? "Cannot read the style file " + file + "." : told.back());
        return false;
    }
    c.OUT = upper(c.OUT);
    c.INDX = upper(c.INDX);
    sh.SEC1 = upper(sh.SEC1);
    sh.SETSPC = upper(sh.SETSPC);
    keepMinBelowMax(c.SPMIN, c.SPMAX, "total", file, told);
    keepMinBelowMax(c.FMIN, c.FMAX, "FTV", file, told);
    keepMinBelowMax(c.RMIN, c.RMAX, "CV Ref", file, told);
    keepMinBelowMax(c.OMIN, c.OMAX, "CO Ref", file, told);
    keepMinBelowMax(c.SMIN, c.SMAX, "Situation", file, told);
    c.BBK = " L";
    c.EBK = " L";
    c.NAME1 = name;
    p.cfg = c;
    p.shared = sh;
    notes.insert(notes.end(), told.begin(), told.end());
    return true;
}

std::vector<std::string> styleLines(const Program& p) { return styleFileLines(p.cfg, p.shared); }

std::string OUTFILE(Program& p) {
    Specc9& c = p.cfg;
    const std::string name = c.NAME1;
    if (auto why = styleNameProblem(name); !why.empty()) return why;

    // Everything that could refuse the name is settled before the user is
    // asked for the specialty numbers.
    StyleList list = readStyleList(p);
    const bool listed = std::find(list.names.begin(), list.names.end(), name) != list.names.end();
    const bool add = !listed && name != NEW_STYLE;
    if (add && !list.writable())
        return std::string("Cannot read ") + STYLE_LIST_FILE + ", so " + name + " cannot be added to it.";
    if (add && static_cast<int>(list.names.size()) >= LIST_NAMES_MAX)
        return "The style list is full (" + std::to_string(LIST_NAMES_MAX) + " styles); delete one to add " + name +
               ".";

    p.ask().show(p, Screen::FormColours);
    if (p.shared.SETSPC == 'Y') {
        p.ask().specialtyNumbers(p);
    } else {
        std::string typ(30, 'n');
        for (int i = c.SPEARLY; i <= c.SPLATE && i <= 30; ++i) typ[static_cast<std::size_t>(i - 1)] = 'A';
        c.TYP = typ;
    }

    const std::string file = name + ".spe";
    if (auto w = writeFileAtomic(p.file(file), styleLines(p)); !w)
        return "Cannot write the style file " + file + w.where() + "; the old one is kept.";
    if (add) {
        list.names.push_back(name);
        if (auto w = writeStyleList(p, list.names); !w)
            return file + " is saved, but " + STYLE_LIST_FILE + " cannot be written" + w.where() + ".";
    }
    if (auto w = writeFileAtomic(p.file(RUN_SETTINGS_FILE), {name}); !w)
        return file + " is saved, but " + RUN_SETTINGS_FILE + " cannot be written" + w.where() + ".";
    c.NAME = name;
    return {};
}

WriteOutcome writeExitRequest(const Program& p) { return writeFileAtomic(p.file(RUN_SETTINGS_FILE), {"Exit"}, false); }

}  // namespace tess
