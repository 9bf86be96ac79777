#include "material/BankFile.h"

namespace tess {

std::optional<std::string> rejectReason(std::string_view line, const Arr<int, 1, MATERIAL_CHAPTERS_MAX>& evs,
                                        int chapters, const LeftOut& leftOut) {
    BankRef ref;
    switch (judgeBankLine(line, evs, chapters, leftOut, ref)) {
        case LineVerdict::Counted:
            return std::nullopt;
        case LineVerdict::Blank:
            return std::string("blank line");
        case LineVerdict::NoReference:
            return std::string("no chapter and verse at its start");
        case LineVerdict::ChapterNotInBook:
            return "chapter " + std::to_string(ref.chapter) + " is not in the book";
        case LineVerdict::VerseNotInChapter:
            return "verse " + std::to_string(ref.verse) + " is not in chapter " + std::to_string(ref.chapter);
        case LineVerdict::ChapterLeftOut:
            return "chapter " + std::to_string(ref.chapter) + " is left out of the L material";
    }
    return std::nullopt;
}

BankLineReader::BankLineReader(const std::string& path) {
    if (!in_.open(path)) return;
    EncodingScan scan;
    scan.feed(in_.bytes());
    encoding_ = scan.result();
}

BankLineReader::BankLineReader(const BankBytes* file) {
    if (!file) return;
    in_.open(file->bytes);
    encoding_ = file->encoding;
}

std::optional<std::string_view> BankLineReader::nextView() {
    // Four bytes hold any character: the bound keeps 508 of them.
    auto line = in_.readLine(4 * BANK_LINE_MAX);
    lastConverted_ = false;
    if (!line) return line;
    if (encoding_ == TextEncoding::Windows1252 && !isAscii(*line)) {
        converted_ = windows1252ToUtf8(*line);
        line = converted_;
        lastConverted_ = true;
    }
    if (line->size() > BANK_LINE_MAX) line = line->substr(0, charOffset(*line, BANK_LINE_MAX));
    return line;
}

BankReader::BankReader(const std::string& path, const RunState& run, const LeftOut& leftOut)
    : in_(path), run_(run), leftOut_(leftOut) {}

BankReader::BankReader(const BankBytes* file, const RunState& run, const LeftOut& leftOut)
    : in_(file), run_(run), leftOut_(leftOut) {}

std::optional<std::string_view> BankReader::nextView(BankRef* ref) {
    const int chapters = run_.MATERIAL.chapters();
    BankRef at;
    while (auto line = in_.nextView()) {
        if (judgeBankLine(*line, run_.EVS, chapters, leftOut_, at) != LineVerdict::Counted) continue;
        if (ref) *ref = at;
        return line;
    }
    return std::nullopt;
}

const BankBytes* readBankFile(RunState& run, const std::string& path) {
    if (const auto it = run.bankFiles.find(path); it != run.bankFiles.end()) return &it->second;
    auto bytes = readFileBytes(path);
    if (!bytes) return nullptr;
    EncodingScan scan;
    scan.feed(bytes->view());
    return &(run.bankFiles[path] = BankBytes{std::move(bytes), scan.result()});
}

TextEncoding bankFileEncoding(RunState& run, const std::string& path) {
    const BankBytes* file = readBankFile(run, path);
    return file ? file->encoding : TextEncoding::Ascii;
}

TextEncoding runTextEncoding(const std::vector<TextEncoding>& files) {
    TextEncoding e = TextEncoding::Ascii;
    for (const TextEncoding f : files) {
        if (f == TextEncoding::Utf8) return f;
        if (f == TextEncoding::Windows1252) e = f;
    }
    return e;
}

}  // namespace tess
