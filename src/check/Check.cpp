#include "check/Check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "check/BankLines.h"
#include "check/CountChecks.h"
#include "check/StyleChecks.h"
#include "console/TextFile.h"
#include "core/Material.h"
#include "core/StyleFile.h"
#include "specc9/StyleLibrary.h"

namespace tess::check {

namespace {

namespace fs = std::filesystem;

enum class FileKind { Books, Bank, Count, Verses, StyleList, Style };

struct KnownFile {
    FileKind kind = FileKind::Bank;
    const Kind* bank = &REGULAR;
    bool lSet = false;
    BankNames from;  // a count file: the bank files it is made from
};

KnownFile fileOf(FileKind kind, const Kind& bank = REGULAR, bool lSet = false, BankNames from = {}) {
    KnownFile f;
    f.kind = kind;
    f.bank = &bank;
    f.lSet = lSet;
    f.from = std::move(from);
    return f;
}

// Every bank and count file name a style can select, built by the program's
// own naming for each material set, primary percentage and list letter; the
// regular files are named after the material's first book.
std::map<std::string, KnownFile> knownNames(const std::string& book) {
    std::map<std::string, KnownFile> m;
    for (const char lg : {' ', 'L'})
        for (int prim = 0; prim <= 100; ++prim)
            for (const char x : {'A', 'B', 'C', 'D'}) {
                const BankNames n = bankNamesFor(lg, prim, x, book);
                const bool l = lg == 'L';
                for (const Kind& k : KINDS) m.emplace(n.bank[slotOf(k)], fileOf(FileKind::Bank, k, l));
                m.emplace(n.count, fileOf(FileKind::Count, REGULAR, l, n));
            }
    return m;
}

struct Target {
    std::string shownAs;  // as named by the user, or the name in the folder
    fs::path path;
    KnownFile kind;
};

class Checker {
public:
    Checker(fs::path dir, bool keepWords) : dir_(std::move(dir)), keepWords_(keepWords) {}

    Report run(const std::vector<std::string>& files) {
        // The book file decides the chapters and the regular files' names, so it comes first.
        const fs::path books = dir_ / BOOK_FILE;
        const bool booksAsked = files.empty() ? fileExists(books.string())
                                              : std::any_of(files.begin(), files.end(), [](const std::string& f) {
                                                    return fs::path(f).filename() == BOOK_FILE;
                                                });
        const auto fault = readMaterialFile(books.string(), material_);
        if (booksAsked || fault) {
            FileReport& out = open({BOOK_FILE, books, fileOf(FileKind::Books)});
            out.read = !fault || fault->line > 0;
            if (fault)
                out.error(fault->line, fault->what +
                                           ": every run is refused until it is mended; the rest is "
                                           "checked as Luke");
        }
        known_ = knownNames(material_.first().name);
        std::vector<Target> targets;
        std::vector<FileReport> unknown;
        if (files.empty()) targets = folderTargets();
        for (const auto& f : files) {
            const fs::path path = dir_ / f;
            if (path.filename() == BOOK_FILE) continue;
            if (auto k = kindOf(path.filename().string())) {
                targets.push_back({f, path, *k});
            } else {
                FileReport r;
                r.file = f;
                r.error(0, "not a file of the bank by its name, so not checked: bank files are " +
                               material_.first().name +
                               ".A-D, FTV.nn, cv.b, cv.c, co.b, co.c, SIT.TXT (with the LL prefix, llsit.txt), "
                               "count.nnx, Verses.txt, Books.txt, Specs.lst and styles *.spe");
                unknown.push_back(std::move(r));
            }
        }
        auto of = [&](FileKind k) {
            std::vector<const Target*> v;
            for (const auto& t : targets)
                if (t.kind.kind == k) v.push_back(&t);
            return v;
        };

        const auto verses = of(FileKind::Verses);
        if (verses.empty()) evs_ = readVerses((dir_ / VERSE_FILE).string(), material_);
        for (const auto* t : verses) evs_ = checkVerses(t->path.string(), material_, open(*t));
        for (const auto* t : of(FileKind::Bank))
            counts_[t->path.filename().string()] =
                checkBankFile(t->path.string(), *t->kind.bank, leftOut(t->kind), evs_, open(*t));
        std::vector<std::string> listed;
        for (const auto* t : of(FileKind::StyleList))
            listed = checkStyleList(t->path.string(), dir_.string(), open(*t));
        std::vector<Target> styles;
        for (const auto* t : of(FileKind::Style)) styles.push_back(*t);
        if (files.empty()) {
            // Styles missing from the folder are already named by the style list.
            auto add = [&](const std::string& file) {
                if (std::none_of(styles.begin(), styles.end(), [&](const Target& t) { return t.shownAs == file; }))
                    styles.push_back({file, dir_ / file, fileOf(FileKind::Style)});
            };
            // A name too long for the file system is no file there, as the style list's check says.
            std::error_code ec;
            for (const auto& name : listed)
                if (isPlainFileName(name) && fs::is_regular_file(dir_ / (name + ".spe"), ec)) add(name + ".spe");
            add(std::string(NEW_STYLE) + ".spe");
        }
        std::map<std::string, std::vector<std::string>> users;  // count file -> styles that use it
        for (const auto& t : styles) {
            const std::string name = t.path.stem().string();
            const CheckedStyle s = checkStyle(
                t.path.string(), name, [&](const std::string& f) -> const BankCounts& { return countsOf(f); },
                material_, open(t));
            if (s.readable) users[s.files.count].push_back(name);
        }
        for (const auto* t : of(FileKind::Count)) {
            const BankNames& n = t->kind.from;
            std::array<CountSource, KIND_COUNT> sources;
            for (std::size_t k = 0; k < KIND_COUNT; ++k) sources[k] = {n.bank[k], &countsOf(n.bank[k])};
            checkCountFile(t->path.string(), sources, users[n.count], material_.chapters(), open(*t));
        }
        for (auto& u : unknown) report_.files.push_back(std::move(u));
        return std::move(report_);
    }

private:
    const LeftOut& leftOut(const KnownFile& f) const { return material_.leftOut(f.lSet ? 'L' : ' '); }

    FileReport& open(const Target& t) {
        report_.files.push_back({});
        report_.files.back().file = t.shownAs;
        report_.files.back().keepWords = keepWords_;
        return report_.files.back();
    }

    // Bank files read once: checked ones keep their counts, others are counted
    // when a style or count file first needs them.
    const BankCounts& countsOf(const std::string& name) {
        auto it = counts_.find(name);
        if (it != counts_.end()) return it->second;
        const auto k = kindOf(name);
        return counts_[name] = countBankFile((dir_ / name).string(), leftOut(k.value_or(KnownFile{})), evs_);
    }

    std::optional<KnownFile> kindOf(const std::string& name) const {
        if (name == VERSE_FILE) return fileOf(FileKind::Verses);
        if (name == STYLE_LIST_FILE) return fileOf(FileKind::StyleList);
        if (name.size() > 4 && name.ends_with(".spe")) return fileOf(FileKind::Style);
        if (auto it = known_.find(name); it != known_.end()) return it->second;
        return std::nullopt;
    }

    std::vector<Target> folderTargets() const {
        std::vector<Target> t;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir_, ec)) {
            const std::string name = e.path().filename().string();
            if (!e.is_regular_file()) continue;
            const auto k = kindOf(name);
            if (!k || k->kind == FileKind::Style || k->kind == FileKind::Verses || k->kind == FileKind::StyleList)
                continue;
            t.push_back({name, e.path(), *k});
        }
        std::sort(t.begin(), t.end(), [](const Target& a, const Target& b) { return a.shownAs < b.shownAs; });
        // Always checked, and named missing when they are.
        t.insert(t.begin(), {VERSE_FILE, dir_ / VERSE_FILE, fileOf(FileKind::Verses)});
        t.push_back({STYLE_LIST_FILE, dir_ / STYLE_LIST_FILE, fileOf(FileKind::StyleList)});
        return t;
    }

    fs::path dir_;
    bool keepWords_;
    Report report_;
    std::map<std::string, KnownFile> known_;
    VerseTable evs_{};
    Material material_;  // the folder's books and the chapters each set leaves out
    std::map<std::string, BankCounts> counts_;
};

}  // namespace

Report checkBank(const fs::path& dir, const std::vector<std::string>& files, bool keepWords) {
    return Checker(dir, keepWords).run(files);
}

}  // namespace tess::check
