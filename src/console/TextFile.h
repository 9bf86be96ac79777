#pragma once
// The one text-file helper: files are written with CR LF line ends and read
// accepting CR LF, LF and a missing final line end. Every stage reads and
// writes its files through here and never parses line ends itself.
#include <cstddef>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

class TextReader {
public:
    TextReader() = default;
    explicit TextReader(const std::string& path) { open(path); }
    bool open(const std::string& path);
    bool isOpen() const { return in_.is_open(); }
    bool eof();  // no more lines

    // The next line without its line end; std::nullopt at the end of the file.
    // With a bound, the rest of an over-long line is discarded (never read as
    // the next line), and `wasLonger` tells whether that happened.
    std::optional<std::string> readLine(std::size_t bound = std::string::npos, bool* wasLonger = nullptr);
    std::size_t lineNumber() const { return line_; }  // lines read so far

private:
    std::ifstream in_;
    std::size_t line_ = 0;
    std::vector<char> buf_;
};

class TextWriter {
public:
    TextWriter() = default;
    explicit TextWriter(const std::string& path) { create(path); }
    bool create(const std::string& path);  // the file is made anew
    bool append(const std::string& path);  // opens at the end (made if missing)
    bool isOpen() const { return out_.is_open(); }
    ~TextWriter() { close(); }
    TextWriter(TextWriter&&) = default;
    TextWriter& operator=(TextWriter&&) = default;
    void write(std::string_view s) {
        buf_ += s;
        if (buf_.size() >= BLOCK) flush();
    }
    void writeln(std::string_view s = {}) {
        buf_ += s;
        buf_ += "\r\n";
        if (buf_.size() >= BLOCK) flush();
    }
    void close() {
        flush();
        if (out_.is_open()) out_.close();
    }
    bool good() const { return out_.good(); }

private:
    // A packet is written in thousands of short pieces: they are gathered and
    // handed to the stream in blocks.
    static constexpr std::size_t BLOCK = 64 * 1024;
    void flush() {
        if (!buf_.empty()) out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
        buf_.clear();
    }
    std::ofstream out_;
    std::string buf_;
};

// Whole-file helpers.
std::optional<std::vector<std::string>> readAllLines(const std::string& path, std::size_t bound = std::string::npos);
// Writes to a temporary file beside `path` and renames it into place, so an
// interrupted write never loses the old contents. Lines get CR LF; when
// `lastLineEnd` is false the last line is written without one.
bool writeFileAtomic(const std::string& path, const std::vector<std::string>& lines, bool lastLineEnd = true);
bool fileExists(const std::string& path);

// Free-format numbers: leading blanks skipped, the number ends at the first
// blank, TAB or line end. Returns the numbers read from the start of `s`.
std::vector<long> parseNumbers(std::string_view s);
std::optional<long> parseNumber(std::string_view s);

}  // namespace tess
