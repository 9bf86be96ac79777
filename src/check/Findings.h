#pragma once
// What the bank checker found, file by file, and how it is written out: one
// line per finding in the form editors and CI read ("FILE:LINE: error: WHAT"),
// then a summary per file and a total.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tess::check {

enum class Severity : unsigned char { Warning, Error };

// Kept small, as a bank with a repeated line on every line has hundreds of
// thousands of findings: the words are kept aside by the file's report, and
// a repeated line's are made only when it is written.
struct Finding {
    std::size_t line = 0;  // 0: the file as a whole
    // A repeated line: the line it repeats; otherwise where the words are in
    // the file report's `texts`.
    std::size_t detail = 0;
    Severity severity = Severity::Error;
    bool repeated = false;
    // Repeated lines come in blocks, so one finding stands for `run` lines
    // in a row: each repeats the line after the one before's (a part of the
    // file pasted again), or with `sameFirst` all repeat one line (a line
    // pasted many times).
    bool sameFirst = false;
    std::uint32_t run = 1;
    // The line that the run's `i`th line repeats.
    std::size_t firstAt(std::uint32_t i) const { return sameFirst ? detail : detail + i; }
};

struct FileReport {
    std::string file;       // as the user named it, or its name in the folder
    std::size_t lines = 0;  // lines read
    bool read = false;      // false: missing or unreadable (a finding says so)
    std::vector<Finding> findings;
    std::vector<std::string> texts;  // the words of findings other than repeated lines

    // False when only the count of findings is wanted (check --max 0): the
    // findings are then counted, not kept.
    bool keepWords = true;

    void error(std::size_t line, std::string what) { add(line, Severity::Error, std::move(what)); }
    void warning(std::size_t line, std::string what) { add(line, Severity::Warning, std::move(what)); }
    // Line `line` is the same as line `first`.
    void repeated(std::size_t line, std::size_t first) {
        ++warnings_;
        if (!keepWords) return;
        if (!findings.empty()) {
            Finding& last = findings.back();
            const bool same = first == last.detail, next = first == last.detail + last.run;
            const bool alike = last.run == 1 ? same || next : (last.sameFirst ? same : next);
            if (last.repeated && last.line + last.run == line && last.run < UINT32_MAX && alike) {
                last.sameFirst = same;
                ++last.run;
                return;
            }
        }
        findings.push_back({line, first, Severity::Warning, true});
    }
    // The words of a finding (of a run's first line).
    std::string words(const Finding& f) const;
    // The findings one line each, runs taken apart.
    std::vector<Finding> oneByOne() const;
    std::size_t errors() const { return errors_; }
    std::size_t warnings() const { return warnings_; }
    // Findings in line order (a file's checks may find them out of order).
    void sortByLine();

private:
    void add(std::size_t line, Severity s, std::string what) {
        ++(s == Severity::Error ? errors_ : warnings_);
        if (!keepWords) return;
        findings.push_back({line, texts.size(), s, false});
        texts.push_back(std::move(what));
    }
    std::size_t errors_ = 0, warnings_ = 0;
};

struct Report {
    std::vector<FileReport> files;
    std::size_t errors() const;
    std::size_t warnings() const;
};

// Writes every finding (at most `max` of them, then how many were left out),
// a summary line for each file with findings (every file when `verbose`)
// and the total, so a clean bank is one line.
void writeReport(std::ostream& out, const Report& report, std::optional<std::size_t> max = std::nullopt,
                 bool verbose = false);
// Whether writeReport lists any finding with these options.
inline bool listsFindings(std::optional<std::size_t> max) { return !max || *max > 0; }

// Why a file could not be opened, as a finding: "not found", or the
// system's reason ("it cannot be read: Permission denied", a folder, a pipe).
std::string unreadable(const std::string& path);

// `text` fit for a message: characters outside printable ASCII shown as "?".
std::string shown(std::string_view text, std::size_t most = 40);

}  // namespace tess::check
