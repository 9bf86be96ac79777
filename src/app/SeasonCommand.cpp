// `tessarin season start|list|forget [N]`: the season file of the current
// folder, which every run there draws around and adds its meet to.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "console/FolderLock.h"
#include "console/TextFile.h"
#include "core/Kinds.h"
#include "core/Season.h"
#include "material/BankFile.h"

namespace tess {

namespace {

// The season file, or the status that refuses it (told on stderr).
std::pair<Season, int> readSeason() {
    if (!fileExists(SEASON_FILE)) {
        commandMessage(std::string("there is no ") + SEASON_FILE + " here; tessarin season start makes one");
        return {{}, exitstatus::FILE_ERROR};
    }
    const auto lines = readAllLines(SEASON_FILE);
    if (!lines) {
        commandMessage(std::string(SEASON_FILE) + " cannot be read: " + whyUnreadable(SEASON_FILE));
        return {{}, exitstatus::FILE_ERROR};
    }
    SeasonRead read = parseSeason(*lines);
    if (read.fault) {
        commandMessage(read.fault->message(SEASON_FILE) + " Mend it; nothing was changed.");
        return {{}, exitstatus::MEND};
    }
    return {std::move(read.season), exitstatus::OK};
}

int writeSeason(const Season& s) {
    if (const WriteOutcome w = writeFileAtomic(SEASON_FILE, seasonLines(s)); !w) {
        commandMessage(std::string(SEASON_FILE) + " could not be written" + w.where());
        return exitstatus::FILE_ERROR;
    }
    return exitstatus::OK;
}

// The commands that write keep a run from adding its meet meanwhile.
template <class Work>
int underLock(Work work) {
    FolderLock lock(".");
    if (!lock.message().empty()) commandMessage(lock.message());
    return lock.held() ? work() : exitstatus::REFUSED;
}

int start() {
    if (fileExists(SEASON_FILE)) {
        commandMessage(std::string(SEASON_FILE) + " already exists; it is kept (tessarin season list shows it)");
        return exitstatus::REFUSED;
    }
    TextWriter w;
    if (!w.createStaged(SEASON_FILE)) {
        commandMessage(std::string(SEASON_FILE) + " could not be made in " + folderOf(SEASON_FILE));
        return exitstatus::FILE_ERROR;
    }
    try {
        for (const std::string& l : seasonLines(Season{})) w.writeln(l);
        if (!w.commitIfAbsent()) {
            commandMessage(std::string(SEASON_FILE) + " appeared meanwhile; it is kept");
            return exitstatus::REFUSED;
        }
    } catch (const FileError& e) {
        commandMessage(e.what());
        return exitstatus::FILE_ERROR;
    }
    std::cout << "Started a season in " << SEASON_FILE << ": runs here now ask what earlier meets did not.\n";
    return exitstatus::OK;
}

std::string perKind(const Meet& m) {
    std::string out;
    for (const Kind& k : KINDS) {
        long n = 0;
        for (const SeasonQuestion& q : m.questions) n += q.kind == k.letter;
        out += (out.empty() ? "" : ", ") + std::to_string(n) + " " + k.name;
    }
    return out;
}

// How many lines with a reference each bank file the season drew on holds,
// and how many of them no meet asked.
void listFresh(const Season& s) {
    std::map<std::pair<std::size_t, std::string>, std::set<std::uint64_t>> used;
    for (const Meet& m : s.meets)
        for (const SeasonQuestion& q : m.questions) used[{slotOf(*kindOf(q.kind)), q.bankFile}].insert(q.print);
    for (const auto& [key, prints] : used) {
        const Kind& k = KINDS[key.first];
        BankLineReader in(key.second);
        if (!in.isOpen()) {
            std::cout << "Fresh " << k.name << " questions: " << key.second << " cannot be read\n";
            continue;
        }
        long all = 0, fresh = 0;
        while (const auto line = in.next()) {
            if (!parseBankRef(*line)) continue;
            ++all;
            fresh += !prints.count(fingerprintOf(*line));
        }
        std::cout << "Fresh " << k.name << " questions: " << fresh << " of " << all << " in " << key.second << '\n';
    }
}

int list() {
    auto [season, status] = readSeason();
    if (status != exitstatus::OK) return status;
    if (season.meets.empty()) std::cout << "The season has no meet yet.\n";
    for (std::size_t i = 0; i < season.meets.size(); ++i) {
        const Meet& m = season.meets[i];
        std::cout << "Meet " << i + 1 << ": " << m.packet << ", " << m.date << ", style " << m.style << ": "
                  << perKind(m) << '\n';
    }
    listFresh(season);
    return exitstatus::OK;
}

int forget(int n) {
    auto [season, status] = readSeason();
    if (status != exitstatus::OK) return status;
    const int meets = static_cast<int>(season.meets.size());
    if (meets == 0) {
        commandMessage("the season has no meet to forget");
        return exitstatus::USAGE;
    }
    if (n == 0) n = meets;
    if (n < 1 || n > meets) {
        commandMessage("there is no meet " + std::to_string(n) + "; tessarin season list numbers 1 to " +
                       std::to_string(meets));
        return exitstatus::USAGE;
    }
    const Meet gone = season.meets[static_cast<std::size_t>(n - 1)];
    season.meets.erase(season.meets.begin() + (n - 1));
    if (const int w = writeSeason(season); w != exitstatus::OK) return w;
    std::cout << "Forgot meet " << n << " (" << gone.packet << ", " << gone.date << "): its " << gone.questions.size()
              << " questions are fresh again.\n";
    return exitstatus::OK;
}

}  // namespace

void addSeasonCommand(CLI::App& app, int& status) {
    CLI::App* cmd = app.add_subcommand("season", "Keep a season of meets from asking a question twice");
    cmd->fallthrough();
    cmd->require_subcommand(1);
    cmd->footer(
        "A season file, Season.txt, in the working folder lists the questions\n"
        "each meet's packet used. While it is there, every run in the folder\n"
        "(full-screen or tessarin run) takes those questions as already drawn,\n"
        "so they come back only when a kind's fresh ones in a sector run out\n"
        "(a new cycle, told as in any run), and a run that completes adds its\n"
        "questions as one more meet. A question is known by its kind, bank\n"
        "file and a fingerprint of its line: editing other lines keeps it.\n"
        "A damaged season file is refused by line (exit status 4).");
    cmd->add_subcommand("start", "Make an empty season file (an existing one is kept)")->callback([&status] {
        status = underLock(start);
    });
    cmd->add_subcommand("list", "The meets by number, and the fresh questions of each bank file")->callback([&status] {
        status = list();
    });
    auto n = std::make_shared<int>(0);
    CLI::App* f = cmd->add_subcommand("forget", "Remove meet N (default the last), e.g. a packet never used");
    f->add_option("N", *n, "The meet's number as tessarin season list shows it")
        ->type_name("")
        ->check(CLI::Validator(
            [](const std::string& v) {
                return v.find_first_not_of("0123456789") == std::string::npos && v.size() < 6 && std::stoi(v) > 0
                           ? std::string()
                           : "'" + v + "' is not a meet's number (1, 2, ...)";
            },
            ""));
    f->callback([n, &status] { status = underLock([n] { return forget(*n); }); });
}

}  // namespace tess
