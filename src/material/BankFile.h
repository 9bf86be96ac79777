#pragma once
// Reading bank files line by line. A question is found by counting lines, so
// every reader (index build, interrogative index, quiz assembly, pickers, FTV
// type table) must skip exactly the same lines: those whose reference is not
// a verse of the book (or, in the "L" material set, lies in a chapter that
// set leaves out). This is the one place that decides.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/FileLines.h"
#include "console/TextFile.h"
#include "core/Material.h"
#include "core/RunState.h"

namespace tess {

constexpr std::size_t BANK_LINE_MAX = 2 * LMAX;  // 508 characters: a line is read as two texts at most

struct BankRef {
    int chapter = 0;
    int verse = 0;
};

// The chapter and verse of a bank line: chapter from columns 1-2 (column 1
// blank or a digit), verse in free format from column 4 (blanks, then up to
// four digits, then the line's end, a blank or a TAB). Nothing when the line
// cannot hold a reference. Inline, as every reader calls it for every line.
inline std::optional<BankRef> parseBankRef(std::string_view line) {
    const auto digit = [](char c) { return static_cast<unsigned>(static_cast<unsigned char>(c) - '0'); };
    const std::size_t n = line.size();
    if (n < 4) return std::nullopt;
    const char* l = line.data();
    if (digit(l[1]) > 9 || !(l[0] == ' ' || digit(l[0]) <= 9)) return std::nullopt;
    BankRef r;
    r.chapter = static_cast<int>(digit(l[1]) + (l[0] == ' ' ? 0 : 10 * digit(l[0])));
    std::size_t i = 3;
    while (i < n && l[i] == ' ') ++i;
    const std::size_t end = std::min(n, i + 4);
    std::size_t j = i;
    for (; j < end && digit(l[j]) <= 9; ++j) r.verse = r.verse * 10 + static_cast<int>(digit(l[j]));
    if (j == i) return std::nullopt;
    if (j < n && l[j] != ' ' && l[j] != '\t') return std::nullopt;
    return r;
}

// Whether a line is counted, and if not why: the readers and the bank
// checker share this decision. `evs` holds the verses of each chapter (0: not
// known, any slot of the tables) of the material's `chapters`; `leftOut` the
// chapters of the material set read that it has no questions in. The line is
// parsed once and nothing is worded: a reader passes over every line.
enum class LineVerdict { Counted, Blank, NoReference, ChapterNotInBook, VerseNotInChapter, ChapterLeftOut };
inline LineVerdict judgeBankLine(std::string_view line, const Arr<int, 1, MATERIAL_CHAPTERS_MAX>& evs, int chapters,
                                 const LeftOut& leftOut, BankRef& ref) {
    const auto parsed = parseBankRef(line);
    if (!parsed)  // a line with a reference holds a digit, so only these can be blank
        return line.find_first_not_of(" \t") == std::string_view::npos ? LineVerdict::Blank : LineVerdict::NoReference;
    ref = *parsed;
    if (ref.chapter < 1 || ref.chapter > chapters) return LineVerdict::ChapterNotInBook;
    const int verses = evs[ref.chapter] > 0 ? std::min(evs[ref.chapter], VMAX) : VMAX;
    if (ref.verse < 1 || ref.verse > verses) return LineVerdict::VerseNotInChapter;
    if (leftOut.has(ref.chapter)) return LineVerdict::ChapterLeftOut;
    return LineVerdict::Counted;
}

// Why a line is not counted, in words, or nothing when it is.
std::optional<std::string> rejectReason(std::string_view line, const Arr<int, 1, MATERIAL_CHAPTERS_MAX>& evs,
                                        int chapters, const LeftOut& leftOut);

inline std::optional<std::string> copied(std::optional<std::string_view> line) {
    if (!line) return std::nullopt;
    return std::string(*line);
}

// A bank file's lines in the program's UTF-8: the file is decided once, as
// a whole (console/Utf8.h: valid UTF-8 is UTF-8, anything else
// Windows-1252), and each line is cut after its 508th character.
class BankLineReader {
public:
    explicit BankLineReader(const std::string& path);
    // The bytes a run read (nothing: the file could not be read).
    explicit BankLineReader(const BankBytes* file);
    bool isOpen() const { return in_.isOpen(); }
    TextEncoding encoding() const { return encoding_; }
    // The next line, valid until the next call (the file is read whole, once).
    std::optional<std::string_view> nextView();
    std::optional<std::string> next() { return copied(nextView()); }
    std::size_t fileLine() const { return in_.lineNumber(); }
    // Whether the last line was Windows-1252 made UTF-8, which lives only
    // until the next call, rather than a view of the file's bytes.
    bool lastConverted() const { return lastConverted_; }

private:
    FileLines in_;
    TextEncoding encoding_ = TextEncoding::Ascii;
    std::string converted_;  // a Windows-1252 line in UTF-8
    bool lastConverted_ = false;
};

class BankReader {
public:
    BankReader(const std::string& path, const RunState& run, const LeftOut& leftOut);
    BankReader(const BankBytes* file, const RunState& run, const LeftOut& leftOut);
    bool isOpen() const { return in_.isOpen(); }
    TextEncoding encoding() const { return in_.encoding(); }

    // The next counted line (at most 508 characters), with its reference.
    // Lines that are not counted are passed over.
    std::optional<std::string_view> nextView(BankRef* ref = nullptr);
    std::optional<std::string> next(BankRef* ref = nullptr) { return copied(nextView(ref)); }
    std::size_t fileLine() const { return in_.fileLine(); }  // line number in the file of the last read
    bool lastConverted() const { return in_.lastConverted(); }

private:
    BankLineReader in_;
    const RunState& run_;
    const LeftOut& leftOut_;
};

// A bank file as this run read it (RunState::bankFiles), reading it and
// deciding its encoding when the run has not read it yet; nothing, with errno
// set, when it cannot be read.
const BankBytes* readBankFile(RunState& run, const std::string& path);
// Its encoding (a file that cannot be read has no characters: ASCII).
TextEncoding bankFileEncoding(RunState& run, const std::string& path);

// The encoding a run writes its packet and list files in: Windows-1252 when
// the bank files it reads are in it, otherwise UTF-8 (so a bank whose files
// differ loses no character).
TextEncoding runTextEncoding(const std::vector<TextEncoding>& files);

}  // namespace tess
