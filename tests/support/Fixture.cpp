#include "support/Fixture.h"

#include <cstdio>
#include <fstream>

#include "console/TextFile.h"
#include "specc9/Config.h"

namespace tess::testing {

std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

std::vector<std::string> screenRows(const std::string& screen) {
    std::vector<std::string> rows;
    for (std::size_t at = 0, nl; (nl = screen.find('\n', at)) != std::string::npos; at = nl + 1)
        rows.push_back(screen.substr(at, nl - at));
    return rows;
}

std::string bankLine(int ch, int v, const std::string& text) {
    char ref[32];
    std::snprintf(ref, sizeof ref, "%2d:%2d\t", ch, v);
    return ref + text;
}

Cell TestConsole::Grid::at(int col, int row) const {
    const auto colour = static_cast<unsigned char>(colours.at(static_cast<std::size_t>((row - 1) * Cols + col - 1)));
    // The snapshots the tests read are ASCII: a byte a cell.
    const auto ch = static_cast<unsigned char>(chars.at(static_cast<std::size_t>((row - 1) * (Cols + 1) + col - 1)));
    return {ch, colour / 16, colour % 16};
}

std::string TestConsole::Grid::text(int col, int row, int len) const {
    return chars.substr(static_cast<std::size_t>((row - 1) * (Cols + 1) + col - 1), static_cast<std::size_t>(len));
}

std::string TestConsole::seenAt(std::size_t n, int col, int row, std::size_t len) const {
    return grid(n).text(col, row, static_cast<int>(len));
}

void TestConsole::arrows(const std::string& moves) {
    for (char m : moves) {
        if (m == 'U') up();
        if (m == 'D') down();
        if (m == 'L') left();
        if (m == 'R') right();
    }
}

void TestConsole::onKeyRead() {
    ScreenConsole::onKeyRead();
    cursor.emplace_back(whereX(), whereY());
}

void TestConsole::present() {
    if (!watched_.empty() && !seen_) seen_ = screenText().find(watched_) != std::string::npos;
}

Fixture::Fixture(std::shared_ptr<const ScratchDir> folder, std::unique_ptr<Random> random)
    : dir_(std::move(folder)),
      con_(std::make_unique<TestConsole>()),
      rnd_(std::move(random)),
      screen_(std::make_unique<ScreenAsk>(*con_)),
      dir(*dir_),
      con(*con_),
      rnd(*rnd_),
      p(rnd, dir.path()),
      r(p.run) {
    p.asker = screen_.get();
}

Fixture::Fixture(std::unique_ptr<Random> random) : Fixture(std::make_shared<const ScratchDir>(), std::move(random)) {}

Fixture::Fixture(const ScratchDir& shared, std::uint64_t seed)
    // The other test owns the folder.
    : Fixture(std::shared_ptr<const ScratchDir>(&shared, [](const ScratchDir*) {}), std::make_unique<Random>(seed)) {}

Fixture::Fixture(Fixture&& o) noexcept
    : dir_(std::move(o.dir_)),
      con_(std::move(o.con_)),
      rnd_(std::move(o.rnd_)),
      screen_(std::move(o.screen_)),
      dir(*dir_),
      con(*con_),
      rnd(*rnd_),
      p(std::move(o.p)),
      r(p.run) {}

void Fixture::sampleBankRun() {
    p.configure = useStoredStyle;
    dir.copySampleBank();
}

void Fixture::style(const std::string& name, const std::vector<std::string>& lines) const {
    dir.lines(name + ".spe", lines);
    useStyle(name);
}

void Fixture::useStyle(const std::string& name) const { dir.raw("temp2.txt", name + "\r\n"); }

void Fixture::bankFileNames() {
    for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch) r.EVS[ch] = lukeVerses(ch);
    r.REGFILE = "Luke.A";
    r.FTVFILE = "FTV.00";
    r.CVFILE = "cv.b";
    r.COFILE = "co.b";
    r.SITFILE = "SIT.TXT";
    r.COUNTFILE = "count.00A";
    r.INDX = 'Y';
}

void Fixture::range(int bc, int bv, int ec, int ev) {
    r.BCHAP = bc;
    r.BVER = bv;
    r.ECHAP = ec;
    r.EVER = ev;
}

void Fixture::openOutputs() {
    r.listFile.create(p.file("quiz.inf"));
    r.runLog.create(p.file("temp.txt"));
}

std::vector<std::string> Fixture::listLines() {
    r.listFile.close();
    return readAllLines(p.file("quiz.inf")).value_or(std::vector<std::string>{});
}

std::vector<std::string> Fixture::logLines() {
    r.runLog.close();
    return readAllLines(p.file("temp.txt")).value_or(std::vector<std::string>{});
}

std::vector<std::string> plainStyle() {
    return {" ",
            "1 1",
            "3 38",
            "QUIZ1",
            "60",
            "C",
            "20",
            "A",
            "16",
            "50",
            "N",
            "10",
            "V",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "0",
            "100",
            "1",
            "30",
            "N",
            std::string(30, 'n')};
}

std::vector<std::string> newStyle() {
    return {"A",
            "1 1",
            "24 53",
            "quiz",
            "60",
            "P",
            "20",
            "A",
            "20",
            "50",
            "Y",
            "10",
            "V",
            "0",
            "3",
            "0",
            "1",
            "0",
            "1",
            "0",
            "1",
            "0",
            "1",
            "0",
            "69",
            "5",
            "17",
            "N",
            "nnnnAAAAAAAAAAAAAnnnnnnnnnnnnn"};
}

std::vector<std::string> bankStyle(const std::string& name) {
    return readAllLines(BANK + name + ".spe").value_or(std::vector<std::string>{});
}

}  // namespace tess::testing
