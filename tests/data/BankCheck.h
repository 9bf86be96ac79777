#pragma once
// Checks of bank files as they lie on disk, independent of the program's own
// readers: the sample bank is held to them, and the bad fixtures prove that
// each check catches its fault.
#include <array>
#include <map>
#include <string>
#include <vector>

namespace bankcheck {

enum class Kind { Regular, Ftv, Reference, Situation };

// Verses of each chapter of Luke (index 1..24).
extern const std::array<int, 25> LUKE_VERSES;

// The raw lines of a file, split at CR LF. `lineEnds` gets a message for
// every line end that is not CR LF (and for a missing last line end).
std::vector<std::string> readCrLfLines(const std::string& path, std::vector<std::string>* lineEnds);

// Problems of one bank file of the given kind: each message names the line.
// `skipped` lists chapters that must hold no questions.
std::vector<std::string> checkBankFile(const std::string& path, Kind kind, const std::vector<int>& skipped = {});

bool isInterrogative(const std::string& question);

// Questions per chapter and verse slot of one bank file.
struct VerseCounts {
    std::map<std::pair<int, int>, int> n;
    int at(int c, int v) const {
        auto it = n.find({c, v});
        return it == n.end() ? 0 : it->second;
    }
};
VerseCounts countFile(const std::string& path);

}  // namespace bankcheck
