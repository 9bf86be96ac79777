#include "check/BankLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <vector>

#include "check/LineScan.h"
#include "console/FileLines.h"
#include "console/TextFile.h"
#include "console/Utf8.h"
#include "material/BankFile.h"

namespace tess::check {

namespace {

// Lines are read up to this length: far beyond what any kind keeps, and a
// file without line ends cannot fill memory.
constexpr std::size_t READ_BOUND = 4096;
constexpr int VERSE_KIND_MAX = 255;  // the count tables hold one byte per verse and kind
// The question part begins after the TAB of column 6.
constexpr std::size_t QUESTION_AT = 6;
constexpr const char* NO_ANSWER = "no answer: put it after a TAB that follows the question";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
// A right-aligned number of two columns (a blank or a digit, then a digit).
int twoColumns(std::string_view l, std::size_t at) {
    return (l[at + 1] - '0') + (l[at] == ' ' ? 0 : 10 * (l[at] - '0'));
}
std::string quoted(std::string_view s) { return "\"" + shown(s) + "\""; }
std::string ref(int c, int v) { return std::to_string(c) + ":" + std::to_string(v); }
std::string lineRef(std::size_t line, int key) {
    return "line " + std::to_string(line) + " (" + ref(key / 100, key % 100) + ")";
}

// The column of the byte at `i`: characters are counted, not bytes.
std::size_t column(std::string_view l, std::size_t i) { return charCount(l.substr(0, i)) + 1; }

// What a C1 control character (U+0080-U+009F) in a line as read stands for.
enum class C1 {
    Control,        // itself: the file is UTF-8
    UndefinedByte,  // a byte Windows-1252 has no character for
    OfUtf8,         // part of a UTF-8 line in a file read as Windows-1252 (named as mixing)
};

// Characters that do not print: control characters (a TAB is fine), their C1
// forms and the byte order mark; in a file read as Windows-1252, the bytes
// that code page has no character for. The first one is named.
void checkCharacters(std::string_view l, std::size_t no, C1 c1As, FileReport& out) {
    std::string first;
    std::size_t col = 0, more = 0;
    bool undefinedByte = false;
    for (std::size_t i = 0; i < l.size();) {
        const std::size_t n = charBytesAt(l, i);
        const char32_t cp = decodeUtf8At(l, i, utf8SequenceAt(l, i));
        i += n;
        const bool c1 = cp >= 0x80 && cp <= 0x9F && c1As != C1::OfUtf8;
        if (!((cp < 0x20 && cp != '\t') || cp == 0x7F || c1 || cp == 0xFEFF)) continue;
        if (!first.empty()) {
            ++more;
            continue;
        }
        char code[32];
        col = column(l, i - n);
        undefinedByte = c1 && c1As == C1::UndefinedByte;
        if (undefinedByte)
            std::snprintf(code, sizeof code, "the byte 0x%02X", static_cast<unsigned>(cp));
        else if (cp == 0xFEFF)
            std::snprintf(code, sizeof code, "a byte order mark (U+FEFF)");
        else
            std::snprintf(code, sizeof code, "the control character %s%02X", cp < 0x80 ? "0x" : "U+00",
                          static_cast<unsigned>(cp));
        first = code;
    }
    if (first.empty()) return;
    const std::string where =
        " in column " + std::to_string(col) + (more ? " (and " + std::to_string(more) + " more on the line)" : "");
    if (undefinedByte)
        out.error(no, first + where +
                          " is neither UTF-8 nor a Windows-1252 character: the file is not valid UTF-8, so it is "
                          "read as Windows-1252, which has no character there; delete it, or save the file as UTF-8");
    else
        out.error(no, first + where + " does not print: the screen shows it as \"?\"; delete it");
}

// A file is read in one encoding: one that is not valid UTF-8 is read as
// Windows-1252, so lines that are UTF-8 in it would print wrong.
void checkMixed(const std::vector<std::size_t>& utf8Lines, const std::vector<std::size_t>& otherLines,
                FileReport& out) {
    if (utf8Lines.empty() || otherLines.empty()) return;
    const auto some = [](const std::vector<std::size_t>& v) {
        std::string s;
        for (std::size_t i = 0; i < v.size() && i < 3; ++i) s += (i ? ", " : "") + std::to_string(v[i]);
        return (v.size() == 1 ? "line " : "lines ") + s + (v.size() > 3 ? ", ..." : "");
    };
    out.error(0, "mixes UTF-8 (" + some(utf8Lines) + ") and Windows-1252 (" + some(otherLines) +
                     "): a file is read in one encoding, here Windows-1252 as it is not valid UTF-8, so the UTF-8 "
                     "lines print wrong (\u00e9 as \u00c3\u00a9); save the whole file as UTF-8");
}

// Chapter 0: the columns do not let the question part be checked. Not a
// std::optional, which the compiler keeps in memory and reads back in a
// width it did not write, a stall on every line of the file.
constexpr BankRef NO_REF{};

// Columns 1-6 as every reader and the packet writer take them. Returns the
// chapter and verse when the question part can be checked.
BankRef checkColumns(std::string_view l, std::size_t no, const LineMarks& marks, const VerseTable& evs,
                     FileReport& out) {
    if (l.size() < 2 || !(l[0] == ' ' || isDigit(l[0])) || !isDigit(l[1])) {
        out.error(no, "no chapter in columns 1-2 (they hold " + quoted(l.substr(0, 2)) +
                          "): write the chapter right-aligned, such as \" 7\" or \"07\"");
        return NO_REF;
    }
    const int c = twoColumns(l, 0);
    if (c < 1 || c > evs.chapters) {
        out.error(no, "chapter " + std::to_string(c) + " is not in the book (the material has " +
                          std::to_string(evs.chapters) + " chapters): correct the chapter");
        return NO_REF;
    }
    if (l.size() >= 3 && l[2] != ':')
        out.warning(
            no, "column 3 holds " + quoted(l.substr(2, 1)) + " where the \":\" belongs; the packet prints it as it is");
    if (l.size() < 5 || !(l[3] == ' ' || isDigit(l[3])) || !isDigit(l[4])) {
        out.error(no, "no verse in columns 4-5 (they hold " + quoted(l.size() > 3 ? l.substr(3, 2) : "") +
                          "): write the verse right-aligned, such as \" 5\" or \"42\"");
        return NO_REF;
    }
    const int v = twoColumns(l, 3);
    if (v < 1 || v > VMAX) {
        out.error(no, "verse " + std::to_string(v) + " is outside 1-85: correct the verse");
        return NO_REF;
    }
    if (evs[c] > 0 && v > evs[c]) {
        out.error(no, "verse " + std::to_string(v) + " is not in chapter " + std::to_string(c) + ", which has " +
                          std::to_string(evs[c]) + " verses: correct the chapter or the verse");
        return NO_REF;
    }
    if (l.size() < 6) {
        out.error(no, "the line ends after the verse: a TAB and the question belong after it");
        return NO_REF;
    }
    if (l[5] != '\t') {
        out.error(no, std::string(l[5] == ' ' ? "a blank" : "the character " + quoted(l.substr(5, 1))) +
                          " in column 6 where the TAB belongs: the packet would print the question out of place; "
                          "put a TAB between the verse and the question");
        return NO_REF;
    }
    if (marks.blankFrom(QUESTION_AT)) {
        out.error(no, "nothing after the TAB: the question is missing");
        return NO_REF;
    }
    return BankRef{c, v};
}

// The columns as nearly every line holds them, with no finding to make:
// the chapter and verse when they are, so that checkColumns (which words
// each fault) runs only on the others.
BankRef plainColumns(std::string_view l, const LineMarks& marks, const VerseTable& evs) {
    if (l.size() <= QUESTION_AT || !(l[0] == ' ' || isDigit(l[0])) || !isDigit(l[1]) || l[2] != ':' ||
        !(l[3] == ' ' || isDigit(l[3])) || !isDigit(l[4]) || l[5] != '\t' || marks.blankFrom(QUESTION_AT))
        return NO_REF;
    const int c = twoColumns(l, 0);
    const int v = twoColumns(l, 3);
    if (c < 1 || c > evs.chapters || v < 1 || v > VMAX || (evs[c] > 0 && v > evs[c])) return NO_REF;
    return BankRef{c, v};
}

// Where the first three blanks in a row begin from `from` on, or npos. Three
// blanks in a row hold a byte at every third place, so only those places are
// looked at, and a run is measured only around a blank found there.
std::size_t threeBlanks(std::string_view l, std::size_t from) {
    for (std::size_t i = from + 2; i < l.size(); i += 3) {
        if (l[i] != ' ') continue;
        std::size_t begin = i, end = i + 1;
        while (begin > from && l[begin - 1] == ' ') --begin;
        while (end < l.size() && l[end] == ' ') ++end;
        if (end - begin >= 3) return begin;
    }
    return std::string_view::npos;
}

// Whether `text` has fewer than `n` blanks, looking no further than the nth,
// eight bytes at a time: each blank becomes a zero byte, and the high bit of
// a zero byte is set without a borrow from any other byte.
bool fewerBlanks(std::string_view text, std::size_t n) {
    constexpr std::uint64_t LOW7 = 0x7F7F7F7F7F7F7F7FULL, BLANKS = 0x2020202020202020ULL;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        w ^= BLANKS;
        for (std::uint64_t zero = ~(((w & LOW7) + LOW7) | w | LOW7); zero != 0; zero &= zero - 1)
            if (--n == 0) return false;
    }
    for (; i < text.size(); ++i)
        if (text[i] == ' ' && --n == 0) return false;
    return true;
}

// What the packet writer relies on in the question part of each kind.
void checkKind(std::string_view l, std::size_t no, const Kind& kind, const LineMarks& marks, FileReport& out) {
    const std::size_t tab = marks.tab[0];
    if (const std::size_t run = marks.blankRun ? threeBlanks(l, QUESTION_AT) : std::string_view::npos;
        run != std::string_view::npos)
        out.error(no, "three blanks in a row at column " + std::to_string(column(l, run)) +
                          ": the tab layout ends the text there; leave one blank");
    switch (kind.letter) {
        case 'n': {
            std::string_view q = l.substr(6, tab == std::string_view::npos ? std::string_view::npos : tab - 6);
            while (!q.empty() && q.back() == ' ') q.remove_suffix(1);
            if (q.empty() || q.back() != '?')
                out.error(no,
                          "the question does not end with a question mark: the packet ends the question's "
                          "first line and sets the answer apart there; put \"?\" at the end of the question");
            else if (tab == NONE || marks.blankFrom(tab + 1))
                out.error(no, NO_ANSWER);
            break;
        }
        case 'R':
        case 'O': {
            if (l.size() < 10 || l[6] == ' ' || l[6] == '\t' || l[7] == ' ' || l[7] == '\t' || l[8] != '\t') {
                out.error(no,
                          "columns 7-8 should hold the two-letter type code (such as WH or WT) and column 9 a "
                          "TAB: the packet prints the question from column 10");
                break;
            }
            const std::size_t answer = marks.tab[1];  // the TAB in column 9 is the first
            if (answer == NONE || marks.blankFrom(answer + 1)) out.error(no, NO_ANSWER);
            break;
        }
        case 'F': {
            if (tab == std::string_view::npos) {
                out.error(
                    no, "the type field (such as FSN) is not ended by a TAB: the packet cannot tell it from the verse");
                break;
            }
            // In printable ASCII a character is a byte.
            const std::size_t len = marks.printable ? tab - 6 : charCount(l.substr(6, tab - 6));
            if (len > 6)
                out.error(no, "the type field " + quoted(l.substr(6, len)) + " has " + std::to_string(len) +
                                  " characters; the packet's type column holds 6: shorten it");
            if (len < 3 || !(l[8] >= 'A' && l[8] <= 'Z'))
                out.error(no,
                          "no type letter in column 9 (N, S, L, G, or VR for the words of Jesus): the run "
                          "reads it to vary the FTV questions; put it there");
            else if (l[6] == 'Q' && len != 4)
                out.error(no, "a quotation's type field (" + quoted(l.substr(6, len)) +
                                  ") has 4 characters: the packet prints the verse from column 12");
            if (l[6] != 'Q' && fewerBlanks(l.substr(tab + 1), 5))
                out.error(no,
                          "the verse has fewer than six words: the packet asks its first five and gives the rest "
                          "as the answer; give the whole verse");
            break;
        }
        case 'S': {
            const std::string_view first = firstChars(l, LMAX);
            const std::size_t quote = first.find_first_of("\"'", 6);
            if (quote == std::string_view::npos) {
                out.error(no,
                          "no quotation in the first 254 characters: a situation holds one, opened by a double "
                          "quote (or an apostrophe), where the packet breaks its first line; add the quotation");
                break;
            }
            if (const std::size_t dq = first.find('"', quote); l[quote] == '\'' && dq != std::string_view::npos)
                out.warning(no, "the apostrophe in column " + std::to_string(column(l, quote)) +
                                    " comes before the quotation's double quote (column " +
                                    std::to_string(column(l, dq)) +
                                    "): the packet breaks the first line at whichever comes first");
            if (const std::size_t star = l.find('*', quote); star == std::string_view::npos)
                out.error(no,
                          "no \"*\" before the answer after the quotation: the tab layout puts the answer in its "
                          "own column from the \"*\"");
            else if (marks.blankFrom(star + 1))
                out.error(no, "no answer after the \"*\": write who said it (and to whom)");
            break;
        }
    }
}

// The line each text was first seen on in a file, in one array (open
// addressing): a file can have a hundred thousand lines, and a node of its
// own for each cost the checker as much as hashing them.
class FirstLines {
public:
    // The line `text` (of hash `hash`, from LineScan) was first seen on; `no` when it is new.
    std::size_t firstOf(std::string_view text, std::uint64_t hash, std::size_t no) {
        if ((used_ + 1) * 2 > slots_.size()) grow();
        for (std::size_t i = static_cast<std::size_t>(hash) & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& s = slots_[i];
            if (s.no == 0) {
                s = {text, hash, no};
                ++used_;
                return no;
            }
            if (s.hash == hash && s.text == text) return s.no;
        }
    }

private:
    struct Slot {
        std::string_view text;
        std::uint64_t hash = 0;
        std::size_t no = 0;  // 0: free (lines count from 1)
    };
    void grow() {
        std::vector<Slot> old(std::max<std::size_t>(1024, slots_.size() * 2));
        old.swap(slots_);
        for (const Slot& s : old) {
            if (s.no == 0) continue;
            std::size_t i = static_cast<std::size_t>(s.hash) & (slots_.size() - 1);
            while (slots_[i].no != 0) i = (i + 1) & (slots_.size() - 1);
            slots_[i] = s;
        }
    }
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

// Lines out of book order: the fewest lines whose removal leaves the rest in
// order (the longest ordered run is kept), each named with the line it
// should follow.
void checkOrder(const std::vector<std::pair<int, std::size_t>>& refs, FileReport& out) {
    const std::size_t n = refs.size();
    std::vector<std::size_t> tails, parent(n, n);  // tails: index of the last element of each run length
    for (std::size_t i = 0; i < n; ++i) {
        // A bank is mostly in order, and a line in order with the last extends the longest run.
        const auto at = !tails.empty() && refs[i].first >= refs[tails.back()].first
                            ? tails.end()
                            : std::upper_bound(tails.begin(), tails.end(), refs[i].first,
                                               [&](int key, std::size_t t) { return key < refs[t].first; });
        if (at != tails.begin()) parent[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<char> kept(n, 0);
    for (std::size_t i = tails.empty() ? n : tails.back(); i != n; i = parent[i]) kept[i] = 1;
    if (std::count(kept.begin(), kept.end(), 1) == static_cast<std::ptrdiff_t>(n)) return;
    std::vector<std::size_t> ordered;
    for (std::size_t i = 0; i < n; ++i)
        if (kept[i]) ordered.push_back(i);
    for (std::size_t i = 0; i < n; ++i) {
        if (kept[i]) continue;
        const int key = refs[i].first;
        const auto after = std::upper_bound(ordered.begin(), ordered.end(), key,
                                            [&](int k, std::size_t t) { return k < refs[t].first; });
        const std::string where =
            after == ordered.begin()
                ? "it belongs before " + lineRef(refs[ordered.front()].second, refs[ordered.front()].first)
                : "it belongs after " + lineRef(refs[*(after - 1)].second, refs[*(after - 1)].first);
        out.error(refs[i].second, ref(key / 100, key % 100) + " is out of book order: " + where + "; move it there");
    }
}

}  // namespace

BankCounts checkBankFile(const std::string& path, const Kind& kind, const LeftOut& leftOut, const VerseTable& evs,
                         FileReport& out) {
    BankCounts counts;
    FileLines in;
    if (!in.open(path)) {
        out.error(0, unreadable(path));
        return counts;
    }
    counts.present = out.read = true;
    std::vector<std::pair<int, std::size_t>> refs;  // chapter * 100 + verse, line of every counted line
    FirstLines seen;                                // lines of the file's bytes or of `converted`
    std::deque<std::string> converted;              // Windows-1252 lines in UTF-8
    const std::size_t kept = kind.twoTexts ? BANK_LINE_MAX : LMAX;  // the longest line the program keeps

    // The encoding matters only to a line beyond ASCII, so the file is
    // scanned for it only when the first such line comes.
    std::optional<TextEncoding> encoding;
    const auto readAsWindows1252 = [&] {
        if (!encoding) {
            EncodingScan scan;
            scan.feed(in.bytes());
            encoding = scan.result();
        }
        return *encoding == TextEncoding::Windows1252;
    };
    std::vector<std::size_t> utf8Lines, otherLines;  // in a file read as Windows-1252
    LineScanner lines(in.bytes(), QUESTION_AT, READ_BOUND);
    ScannedLine line;
    LineMarks convertedMarks;
    while (lines.next(line)) {
        const std::size_t no = lines.lineNumber();
        const bool longer = line.longer;
        C1 c1As = C1::Control;
        std::string_view l = line.text;
        // The scanner's marks are read where it wrote them, field by field: a
        // copy of the whole would load what it stored in other widths, and
        // the processor waits on every such load.
        const LineMarks* marksOf = &line.marks;
        std::uint64_t hash = line.hash;
        if (!line.marks.printable && !isAscii(l) && readAsWindows1252()) {
            c1As = isValidUtf8(l) ? C1::OfUtf8 : C1::UndefinedByte;
            (c1As == C1::OfUtf8 ? utf8Lines : otherLines).push_back(no);
            l = converted.emplace_back(windows1252ToUtf8(l));  // as the program reads it
            convertedMarks = scanLine(l, QUESTION_AT);
            marksOf = &convertedMarks;
            hash = hashLine(l);
        }
        const LineMarks& marks = *marksOf;
        if (marks.lastSolid == NONE) {
            out.warning(no, "blank line: the program passes over it; delete it");
            continue;
        }
        // A character is a byte or more, so a line of `kept` bytes needs no count.
        if (const std::size_t chars = longer || l.size() > kept ? charCount(l) : l.size(); longer || chars > kept)
            out.error(no, (longer ? "more than " + std::to_string(READ_BOUND) : std::to_string(chars)) +
                              " characters, but the program keeps " + std::to_string(kept) + " of a " + kind.name +
                              " line: the rest is never printed; shorten it");
        if (!marks.printable) checkCharacters(l, no, c1As, out);
        BankRef strict = plainColumns(l, marks, evs);
        if (strict.chapter == 0) strict = checkColumns(l, no, marks, evs, out);
        if (strict.chapter != 0) {
            if (leftOut.has(strict.chapter))
                out.error(no, "chapter " + std::to_string(strict.chapter) +
                                  " is left out of the L material, so the program never uses this line: remove it");
            checkKind(l, no, kind, marks, out);
        }
        if (const std::size_t first = seen.firstOf(l, hash, no); first != no) out.repeated(no, first);
        // Columns that pass the strict check are read by the program as the
        // same chapter and verse, both in the book, so only a left-out
        // chapter keeps such a line from being counted.
        BankRef judged;
        if (strict.chapter != 0 ? leftOut.has(strict.chapter)
                                : judgeBankLine(l, evs.verses, evs.chapters, leftOut, judged) != LineVerdict::Counted)
            continue;  // not counted: the checks above said why
        const BankRef r = strict.chapter != 0 ? strict : judged;
        if (++counts.n(r.chapter, r.verse) == VERSE_KIND_MAX + 1)
            out.error(no, "more than 255 " + std::string(kind.name) + " questions in " + ref(r.chapter, r.verse) +
                              ": the count file holds at most 255 per verse; move some to another verse or file");
        refs.push_back({r.chapter * 100 + r.verse, no});
    }
    out.lines = lines.lineNumber();
    checkMixed(utf8Lines, otherLines, out);
    checkOrder(refs, out);
    out.sortByLine();
    return counts;
}

BankCounts countBankFile(const std::string& path, const LeftOut& leftOut, const VerseTable& evs) {
    BankCounts counts;
    FileLines in;
    if (!in.open(path)) return counts;
    counts.present = true;
    BankRef r;
    while (auto line = in.readLine(BANK_LINE_MAX))
        if (judgeBankLine(*line, evs.verses, evs.chapters, leftOut, r) == LineVerdict::Counted)
            ++counts.n(r.chapter, r.verse);
    return counts;
}

}  // namespace tess::check
