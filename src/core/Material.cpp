#include "core/Material.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "console/TextFile.h"
#include "core/Limits.h"
#include "core/StyleFile.h"

namespace tess {

namespace {

// Constant, not a vector: a Material may be made before this file's statics are.
constexpr std::array<int, 24> LUKE_CHAPTER_VERSES = {80, 52, 38, 44, 39, 49, 50, 56, 62, 42, 54, 59,
                                                     35, 35, 32, 31, 37, 43, 48, 47, 38, 71, 56, 53};

constexpr std::size_t BOOK_NAME_MAX = 7;

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool printable(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c > ' ' && c < 127; });
}

// A whole number 1..max, as a word of its own.
std::optional<int> wholeNumber(std::string_view w, int max) {
    if (w.empty() || w.size() > 3 || !std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(std::string(w));
    if (n < 1 || n > max) return std::nullopt;
    return n;
}

}  // namespace

std::string Book::shortName() const {
    if (name.size() <= 4) return name;
    // "1Peter" -> "1Pe", "James" -> "Jas" would need a table; three letters read well enough.
    return name.substr(0, 3);
}

Material::Material() {
    books.push_back(Book{'L', "Luke", {LUKE_CHAPTER_VERSES.begin(), LUKE_CHAPTER_VERSES.end()}, 1});
}

const Material& Material::luke() {
    static const Material m;
    return m;
}

int Material::verses(int chapter) const {
    const auto at = place(chapter);
    return at ? at->book->verses[static_cast<std::size_t>(at->chapter - 1)] : 0;
}

std::optional<BookChapter> Material::place(int chapter) const {
    for (const Book& b : books)
        if (chapter >= b.first && chapter <= b.last()) return BookChapter{&b, chapter - b.first + 1};
    return std::nullopt;
}

int Material::through(char letter, int chapter) const {
    const Book* b = book(letter);
    return b && chapter >= 1 && chapter <= b->chapters() ? b->first + chapter - 1 : 0;
}

const Book* Material::book(char letter) const {
    for (const Book& b : books)
        if (b.letter == letter) return &b;
    return nullptr;
}

std::string Material::chapterName(int chapter) const {
    const auto at = place(chapter);
    return at ? at->book->name + " " + std::to_string(at->chapter) : "chapter " + std::to_string(chapter);
}

std::string Material::letters() const {
    std::string s;
    for (const Book& b : books) s += b.letter;
    return s;
}

bool readMaterial(const std::string& path, Material& out, std::string& error) {
    const auto fault = readMaterialFile(path, out);
    if (!fault) return true;
    const std::string file = std::filesystem::path(path).filename().string();
    error = "The book file " + file + (fault->line ? ", line " + std::to_string(fault->line) : std::string()) + ": " +
            fault->what + ".";
    return false;
}

std::optional<MaterialFault> readMaterialFile(const std::string& path, Material& out) {
    if (!fileExists(path)) {
        out = Material();
        return std::nullopt;
    }
    auto lines = readAllLines(path, 64 * 1024);
    if (!lines) return MaterialFault{0, "cannot be read: " + whyUnreadable(path)};
    Material m;
    m.books.clear();
    std::optional<LeftOut> skip;
    std::size_t skipLine = 0;
    std::vector<int> skipped;
    std::size_t n = 0;
    auto fail = [&](const std::string& why) { return MaterialFault{n, why}; };
    for (const std::string& line : *lines) {
        ++n;
        const auto w = words(line);
        if (w.empty() || w[0][0] == '#') continue;
        if (w[0] == "skip") {
            if (skip) return fail("a second skip line; one names all the chapters the L set leaves out");
            if (w.size() < 2 || w[1] != "L")
                return fail("write skip L and the chapters the L set leaves out, such as skip L 7 9-11");
            skip = LeftOut{};
            skipLine = n;
            for (std::size_t i = 2; i < w.size(); ++i) {
                const std::size_t dash = w[i].find('-');
                const auto from = wholeNumber(w[i].substr(0, dash), MATERIAL_CHAPTERS_MAX);
                const auto to =
                    dash == std::string_view::npos ? from : wholeNumber(w[i].substr(dash + 1), MATERIAL_CHAPTERS_MAX);
                if (!from || !to || *to < *from)
                    return fail("\"" + shownName(w[i]) + "\" is not a chapter or a range of chapters such as 9-11");
                for (int ch = *from; ch <= *to; ++ch) {
                    skip->chapters.set(static_cast<std::size_t>(ch));
                    skipped.push_back(ch);
                }
            }
            continue;
        }
        if (w[0].size() != 1 || !printable(w[0]))
            return fail("\"" + shownName(w[0]) +
                        "\" is not a book letter: write LETTER NAME and the verses of each chapter, such as "
                        "J James 27 26 18 17 20");
        const char letter = w[0][0];
        if (m.book(letter)) return fail(std::string("the letter ") + letter + " names two books");
        if (w.size() < 2) return fail(std::string("book ") + letter + " has no name");
        const std::string_view name = w[1];
        if (name.size() > BOOK_NAME_MAX || !printable(name) || !isPlainFileName(name))
            return fail("the book name \"" + shownName(name) +
                        "\" must be 1 to 7 letters or digits without blanks (it names the regular files)");
        if (w.size() < 3) return fail("book " + std::string(name) + " gives no verse counts");
        Book b{letter, std::string(name), {}, m.chapters() + 1};
        for (std::size_t i = 2; i < w.size(); ++i) {
            const auto v = wholeNumber(w[i], VMAX);
            if (!v)
                return fail(std::string(name) + " " + std::to_string(i - 1) + ": \"" + shownName(w[i]) +
                            "\" is not a verse count 1-85");
            b.verses.push_back(*v);
        }
        if (b.last() > MATERIAL_CHAPTERS_MAX)
            return fail("the material has " + std::to_string(b.last()) + " chapters; at most " +
                        std::to_string(MATERIAL_CHAPTERS_MAX) + " are allowed");
        m.books.push_back(std::move(b));
    }
    n = skipLine;
    if (m.books.empty()) {
        n = lines->size();
        return fail("names no book: write LETTER NAME and the verses of each chapter");
    }
    for (int ch : skipped)
        if (ch > m.chapters())
            return fail("chapter " + std::to_string(ch) + " is beyond the material's " + std::to_string(m.chapters()));
    // Without a skip line only Luke keeps the L set it has always had: another
    // book's chapters 7, 9-11 and 14-16 are no set's business.
    const bool luke = m.books.size() == 1 && std::equal(m.books[0].verses.begin(), m.books[0].verses.end(),
                                                        LUKE_CHAPTER_VERSES.begin(), LUKE_CHAPTER_VERSES.end());
    m.leftOutL = skip ? *skip : luke ? lukeLeftOut() : LeftOut{};
    m.joinedInDealL = luke ? lukeJoinedInDeal() : LeftOut{};
    out = std::move(m);
    return std::nullopt;
}

}  // namespace tess
