// The committed sample bank under data/luke: every file a run can read is
// there, in the line formats the readers and the packet writer rely on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/RunState.h"
#include "data/BankCheck.h"
#include "material/BankFile.h"
#include "support/Luke.h"

using namespace bankcheck;
namespace fs = std::filesystem;

namespace {

const std::string DIR = TESS_SOURCE_DIR "/data/luke/";
const std::vector<int> L_SKIPPED = {7, 9, 10, 11, 14, 15, 16};
const std::vector<int> PRIM_VALUES = {51, 52, 53, 57, 58, 59, 60, 68, 69, 70, 78, 79, 80, 88, 89, 90, 97, 98, 99, 100};

std::string dd(int pct) { return pct == 100 ? "00" : std::to_string(pct / 10) + std::to_string(pct % 10); }

struct BankFile {
    std::string name;
    Kind kind;
    bool lSet;
};

std::vector<BankFile> allBankFiles() {
    std::vector<BankFile> out;
    for (const std::string prefix : {"", "LL"}) {
        const bool l = !prefix.empty();
        for (char x : std::string("ABCD")) out.push_back({prefix + "Luke." + x, Kind::Regular, l});
        for (int p : PRIM_VALUES) out.push_back({prefix + "FTV." + dd(p), Kind::Ftv, l});
        for (const char* r : {"cv.b", "cv.c", "co.b", "co.c"}) out.push_back({prefix + r, Kind::Reference, l});
    }
    out.push_back({"SIT.TXT", Kind::Situation, false});
    out.push_back({"llsit.txt", Kind::Situation, true});
    return out;
}

std::string joined(const std::vector<std::string>& v, std::size_t most = 6) {
    std::string s;
    for (std::size_t i = 0; i < v.size() && i < most; ++i) s += "\n  " + v[i];
    if (v.size() > most) s += "\n  ... and " + std::to_string(v.size() - most) + " more";
    return s;
}

std::vector<std::string> lines(const std::string& name) { return readCrLfLines(DIR + name, nullptr); }

}  // namespace

TEST(SampleBank, HoldsEveryFileARunCanReadAndNoCountFiles) {
    for (const auto& f : allBankFiles()) EXPECT_TRUE(fs::exists(DIR + f.name)) << f.name;
    for (const char* f : {"Verses.txt", "Specs.lst", "New.spe"}) EXPECT_TRUE(fs::exists(DIR + f)) << f;
    for (const auto& e : fs::directory_iterator(DIR)) {
        const std::string n = e.path().filename().string();
        EXPECT_EQ(n.find("count."), std::string::npos) << n << ": count files are built by the program";
    }
}

TEST(SampleBank, EveryBankFilePassesTheLineChecks) {
    for (const auto& f : allBankFiles()) {
        const auto problems = checkBankFile(DIR + f.name, f.kind, f.lSet ? L_SKIPPED : std::vector<int>{});
        EXPECT_TRUE(problems.empty()) << f.name << joined(problems);
    }
}

TEST(SampleBank, TheSharedBankReaderCountsEveryLine) {
    // A line the readers skip would shift every question after it.
    for (const auto& f : allBankFiles()) {
        tess::RunState run;
        for (int c = 1; c <= 24; ++c) run.EVS[c] = LUKE_VERSES[static_cast<std::size_t>(c)];
        std::size_t no = 0;
        for (const auto& l : lines(f.name)) {
            ++no;
            const auto why = tess::rejectReason(l, run.EVS, tess::LUKE_CHAPTERS, tess::Material{}.leftOut(f.lSet ? 'L' : 'A'));
            EXPECT_FALSE(why.has_value()) << f.name << " line " << no << ": " << why.value_or("");
        }
    }
}

TEST(SampleBank, VersesTxtAgreesWithTheBookTable) {
    const auto v = lines("Verses.txt");
    ASSERT_EQ(v.size(), 28u);
    for (std::size_t c = 1; c <= 24; ++c) EXPECT_EQ(v[c - 1], std::to_string(LUKE_VERSES[c])) << "chapter " << c;
    for (std::size_t i = 24; i < 28; ++i) EXPECT_EQ(v[i], "0");
}

TEST(SampleBank, RegularListsMixOpeningsInEveryChapter) {
    std::set<std::size_t> sizes;
    for (const std::string prefix : {"", "LL"}) {
        for (char x : std::string("ABCD")) {
            const std::string name = prefix + "Luke." + x;
            std::map<int, int> ints, others;
            const auto ls = lines(name);
            sizes.insert(ls.size());
            for (const auto& l : ls) {
                const int c = std::stoi(l.substr(0, 2));
                const std::string q = l.substr(6, l.find('\t', 6) - 6);
                ++(isInterrogative(q) ? ints : others)[c];
            }
            for (int c = 1; c <= 24; ++c) {
                const bool covered = ints.count(c) || others.count(c);
                const bool skipped = !prefix.empty() && std::count(L_SKIPPED.begin(), L_SKIPPED.end(), c);
                EXPECT_EQ(covered, !skipped) << name << " chapter " << c;
                if (!covered) continue;
                EXPECT_GT(ints[c], 0) << name << " chapter " << c << " has no interrogative";
                EXPECT_GT(others[c], 0) << name << " chapter " << c << " has only interrogatives";
                if (x == 'A') {
                    EXPECT_GE(ints[c] + others[c], 2 * LUKE_VERSES[static_cast<std::size_t>(c)])
                        << name << " chapter " << c << ": fewer than two questions a verse";
                }
            }
        }
    }
    EXPECT_GE(sizes.size(), 7u) << "the lists should differ in size";
}

TEST(SampleBank, FtvFilesHoldTheirOwnShareOfPrimaryVersesAndSeveralTypes) {
    for (int p : PRIM_VALUES) {
        const auto ls = lines("FTV." + dd(p));
        int primary = 0, quotes = 0, longer = 0;
        std::set<char> types;
        for (const auto& l : ls) {
            // Type field: kind (F finish, Q quote), P/S primary or not, type letter.
            primary += l[7] == 'P';
            quotes += l[6] == 'Q';
            longer += l.size() > 254;
            types.insert(l[8] == 'V' && l[9] == 'R' ? 'R' : l[8]);
        }
        ASSERT_FALSE(ls.empty());
        const double share = 100.0 * primary / static_cast<double>(ls.size());
        EXPECT_NEAR(share, p, 4.0) << "FTV." << dd(p);
        EXPECT_GT(quotes, 0) << "FTV." << dd(p);
        EXPECT_GE(types.size(), 4u) << "FTV." << dd(p);
        if (p == 100) {
            EXPECT_GT(longer, 0) << "some FTV lines should be longer than one text item";
        }
    }
    int longSit = 0;
    for (const auto& l : lines("SIT.TXT")) longSit += l.size() > 254;
    EXPECT_GT(longSit, 0) << "some situation lines should be longer than one text item";
}

TEST(SampleBank, LSetHoldsTheSameQuestionsOutsideItsSkippedChapters) {
    for (const std::string name : {"Luke.A", "FTV.79", "cv.c", "co.b", "SIT.TXT"}) {
        std::vector<std::string> kept;
        for (const auto& l : lines(name))
            if (!std::count(L_SKIPPED.begin(), L_SKIPPED.end(), std::stoi(l.substr(0, 2)))) kept.push_back(l);
        EXPECT_EQ(lines(name == "SIT.TXT" ? "llsit.txt" : "LL" + name), kept) << name;
    }
}

// The deliberately bad files under tests/fixtures, for the readers of banks.
TEST(BadFixtures, EachFaultIsCaught) {
    const std::string fx = TESS_SOURCE_DIR "/tests/fixtures/";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"chapter25.A", "chapter 25 is not in the book"},
        {"verse90.A", "verse 90 is not in chapter 3"},
        {"beyond-chapter.A", "verse 39 is not in chapter 3"},
        {"blank-line.A", "blank line"},
        {"no-tab.A", "no TAB in column 6"},
        {"long-line.A", "600 characters (at most 508)"},
        {"out-of-order.A", "out of order"},
    };
    for (const auto& [file, fault] : cases) {
        // The fault is found, and nothing on any other line.
        const auto problems = checkBankFile(fx + file, Kind::Regular);
        ASSERT_FALSE(problems.empty()) << file;
        const std::string where = problems[0].substr(0, problems[0].find(':'));
        bool found = false;
        for (const auto& pr : problems) {
            found = found || pr.find(fault) != std::string::npos;
            EXPECT_EQ(pr.rfind(where + ":", 0), 0u) << file << ": " << pr;
        }
        EXPECT_TRUE(found) << file << joined(problems);
    }
    // The shared reader passes over the lines that name no verse of the book.
    tess::RunState run;
    for (int c = 1; c <= 24; ++c) run.EVS[c] = LUKE_VERSES[static_cast<std::size_t>(c)];
    for (const char* file : {"chapter25.A", "verse90.A", "beyond-chapter.A", "blank-line.A"}) {
        int rejected = 0;
        for (const auto& l : readCrLfLines(fx + file, nullptr))
            rejected += tess::rejectReason(l, run.EVS, tess::LUKE_CHAPTERS, {}).has_value();
        EXPECT_EQ(rejected, 1) << file;
    }
}
