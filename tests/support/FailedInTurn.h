#pragma once
// The write-failure loop, after SQLite's I/O-error tests: a whole action is
// tried on a fresh folder again and again, its nth file operation failed on
// the nth try, until a try that no failure reaches.
#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

namespace tess::testing {

struct FailedTry {
    std::map<std::string, std::string> before, after;  // the folder's files, by name
    std::string failed;                                 // the file failed; empty when none was
};

// `attempt(n, err)` fails the nth operation with `err` (five reasons in turn)
// and returns what it found. Each failed try must cost no good file: the file
// failed keeps its old bytes, every other file holds its old bytes or those
// of the try no failure reached, and no other (temporary) file is left.
// Returns the number of operations failed.
template <class Attempt>
std::size_t failEachFileOperationInTurn(Attempt attempt) {
    constexpr int ERRS[] = {ENOSPC, EFBIG, EIO, EACCES, EROFS};
    std::vector<FailedTry> tries;
    for (long n = 1; n <= 200 && (tries.empty() || !tries.back().failed.empty()); ++n)
        tries.push_back(attempt(n, ERRS[n % 5]));
    if (!tries.back().failed.empty()) ADD_FAILURE() << "every try was failed: the loop never reached the whole action";
    const auto& whole = tries.back().after;
    for (std::size_t n = 0; n + 1 < tries.size(); ++n)
        for (const auto& [name, bytes] : tries[n].after) {
            const auto old = tries[n].before.find(name), made = whole.find(name);
            EXPECT_TRUE((old != tries[n].before.end() && old->second == bytes) ||
                        (name != tries[n].failed && made != whole.end() && made->second == bytes))
                << name << " after operation " << n + 1 << " on " << tries[n].failed << " failed";
        }
    return tries.size() - 1;
}

}  // namespace tess::testing
