#pragma once
// The one text-file helper: files are written with CR LF line ends and read
// accepting CR LF, LF and a missing final line end. Every stage reads and
// writes its files through here and never parses line ends itself.
//
// Every file is written into a file made anew under a unique name beside its
// target (created exclusively, never through a link), and every write, flush
// and close is checked; only a file written whole is renamed over its target.
// So a full disk, a read-only folder or a link planted in the folder never
// costs the user the last good file.
#include <signal.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/Utf8.h"

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

// A file that could not be made, written, closed or put in place. what() is
// the whole sentence for the user: the file, its folder and the reason.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& path, const char* doing, int err);
    const std::string& file() const { return file_; }      // the name in its folder
    const std::string& folder() const { return folder_; }  // absolute
    const std::string& reason() const { return reason_; }  // "No space left on device"

private:
    std::string file_, folder_, reason_;
};

// The absolute folder of a path, as messages name it ("." says nothing).
std::string folderOf(const std::string& path);

// A text file being written. Writes are buffered; the first failure throws
// FileError and every later call does nothing, so a run stops at once.
class TextWriter {
public:
    TextWriter() = default;
    explicit TextWriter(const std::string& path) { create(path); }
    ~TextWriter() { abandon(); }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;
    TextWriter(TextWriter&& o) noexcept { take(o); }
    TextWriter& operator=(TextWriter&& o) noexcept {
        if (this != &o) {
            abandon();
            take(o);
        }
        return *this;
    }

    // A file made anew and put at `path` at once (what was there is replaced,
    // never written through). False when it cannot be made.
    bool create(const std::string& path);
    // A file made anew beside `path`; commit() puts it in place.
    bool createStaged(const std::string& path);
    // Opens at the end (made if missing); a link there is refused.
    bool append(const std::string& path);

    bool isOpen() const { return fd_ >= 0; }
    // The program's text is UTF-8; a file for a bank in Windows-1252 is
    // written in it (a character it lacks as "?").
    void setEncoding(TextEncoding e) { windows1252_ = e == TextEncoding::Windows1252; }
    // A packet file is written a short line at a time, tens of thousands of
    // them: a text that fits the block in the program's own encoding is
    // copied straight in.
    void write(std::string_view s) {
        if (!fits(s.size())) return put(s, false);
        std::copy(s.begin(), s.end(), buf_.data() + used_);
        used_ += s.size();
    }
    void writeln(std::string_view s = {}) {
        if (!fits(s.size() + 2)) return put(s, true);
        char* const at = buf_.data() + used_;
        std::copy(s.begin(), s.end(), at);
        at[s.size()] = '\r';
        at[s.size() + 1] = '\n';
        used_ += s.size() + 2;
    }
    // A line of `indent` blanks and then `s`. An indent is short: its blanks
    // are copied as one fixed run, which `s` then partly covers.
    void writeln(std::size_t indent, std::string_view s) {
        constexpr std::string_view BLANKS = "                ";
        if (indent > BLANKS.size() || !fits(BLANKS.size() + s.size() + 2))
            return put(std::string(indent, ' ').append(s), true);
        char* const at = buf_.data() + used_;
        std::memcpy(at, BLANKS.data(), BLANKS.size());
        std::copy(s.begin(), s.end(), at + indent);
        at[indent + s.size()] = '\r';
        at[indent + s.size() + 1] = '\n';
        used_ += indent + s.size() + 2;
    }
    // Writes out what is buffered and closes; throws FileError if any of it
    // failed. Closing a closed file does nothing.
    void close();
    // A staged file, closed, renamed over its target; throws FileError (the
    // staged file is then removed).
    void commit();
    // The same, but only where no file has the name yet: false (the staged
    // file removed) when one has; a file appearing meanwhile is never replaced.
    bool commitIfAbsent();
    // Closes without checking and removes a staged file not yet committed.
    void abandon() noexcept;
    bool good() const { return err_ == 0; }
    const std::string& path() const { return path_; }  // the target
    // Where the bytes are until commit(): the staged file, else the target.
    const std::string& writtenAt() const { return staged_ ? temp_ : path_; }

private:
    static constexpr std::size_t BLOCK = 65536;  // written to the file a block at a time
    bool fits(std::size_t n) const { return fd_ >= 0 && err_ == 0 && !windows1252_ && n <= BLOCK - used_; }
    void put(std::string_view s, bool lineEnd);  // any text, the block written out each time it fills
    void flushBuffer();
    void fail(const char* doing, int err);
    void take(TextWriter& o) noexcept {
        fd_ = std::exchange(o.fd_, -1);
        err_ = o.err_;
        staged_ = std::exchange(o.staged_, false);
        windows1252_ = o.windows1252_;
        path_ = std::move(o.path_);
        temp_ = std::move(o.temp_);
        buf_ = std::move(o.buf_);
        used_ = std::exchange(o.used_, 0);
    }

    int fd_ = -1;
    int err_ = 0;
    bool staged_ = false;
    bool windows1252_ = false;
    std::string path_, temp_;
    std::vector<char> buf_;  // BLOCK bytes once a file is open
    std::size_t used_ = 0;
};

// Whole-file helpers.
std::optional<std::vector<std::string>> readAllLines(const std::string& path, std::size_t bound = std::string::npos);

// What writeFileAtomic did: true when the file is in place; otherwise the
// old file is untouched, no temporary file is left, and `reason` says why.
struct WriteOutcome {
    std::string reason;  // "No space left on device"
    std::string folder;  // absolute folder of the file
    explicit operator bool() const { return reason.empty(); }
    // " (<reason>) in <folder>", to follow the file's name in a message; the
    // reason first, so a message cut at the end of its rows still gives it.
    std::string where() const { return " (" + reason + ") in " + folder; }
};

// Writes the whole file beside `path` and renames it into place. Lines get
// CR LF; when `lastLineEnd` is false the last line is written without one.
WriteOutcome writeFileAtomic(const std::string& path, const std::vector<std::string>& lines, bool lastLineEnd = true);
bool fileExists(const std::string& path);
// Why a file cannot be read, for a message: "it is a folder, not a file",
// "it is missing" or the system's reason ("it cannot be read: Permission denied").
std::string whyUnreadable(const std::string& path);

// The temporary files of this process (and its folder lock), for the ways out
// that skip destructors: a fatal signal and std::terminate. removeAll() uses
// only unlink(2), so a signal handler may call it.
namespace TempFileRegistry {
void add(const std::string& path);
void drop(const std::string& path);
void removeAll() noexcept;  // async-signal-safe

// Holds the signals off while a file is made and listed, or unlisted and
// removed, so a signal in between can neither leave the file behind nor
// remove a name that is no longer this process's.
class SignalsHeld {
public:
    SignalsHeld() noexcept;
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t saved_;
};
}  // namespace TempFileRegistry

// The write-failure seam, compiled into the test build alone (TESS_WRITE_SEAM):
// while one of these lives, a file operation fails with `err`, as a full disk,
// a file-size limit or a read-only folder would make it fail. Either the given
// operation on files whose target has the given name (in any folder), or the
// nth operation of any kind on any file from now on, counting from 1, as
// SQLite's tests fail the nth I/O call of a statement.
enum class FileOp { Create, Write, Close, Rename };
#ifdef TESS_WRITE_SEAM
class InjectedWriteFailure {
public:
    InjectedWriteFailure(FileOp op, std::string name, int err);
    InjectedWriteFailure(long nth, int err);
    ~InjectedWriteFailure();
    InjectedWriteFailure(const InjectedWriteFailure&) = delete;
    InjectedWriteFailure& operator=(const InjectedWriteFailure&) = delete;
    // The name of the file whose operation was failed; empty while none was.
    const std::string& failed() const;
};
#endif

// Free-format numbers: leading blanks skipped, the number ends at the first
// blank, TAB or line end. Returns the numbers read from the start of `s`.
// A number beyond 999,999,999 reads as NUMBER_OVER, whatever its size.
inline constexpr long NUMBER_OVER = 1000000000L;
std::vector<long> parseNumbers(std::string_view s);
std::optional<long> parseNumber(std::string_view s);

}  // namespace tess
