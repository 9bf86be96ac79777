// PDFs of packets made by whole runs on the sample bank, read back with
// poppler's pdfinfo and pdftotext: the pages a printer gets, their size, and
// the packet's lines in order.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <regex>
#include <tuple>

#include "app/ExitStatus.h"
#include "app/RunCommand.h"
#include "pdf/PdfText.h"
#include "pdf/PdfWriter.h"
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

constexpr int QUIZZES = 3;

// Runs the bank's "New" style, all regular, three quizzes, in layout `out`.
void runLayout(BankRun& b, char out) {
    auto s = allRegular(bankStyle("New"));
    s[line::OUT] = std::string(1, out);
    s[line::NAME4] = "lay";
    s[line::QNUM] = std::to_string(QUIZZES);
    b.style("Lay", s);
    b.con.enter().keys("x").enter().enter();  // review, verse table, approval menu, closing screen
    runOnce(b.p);
    ASSERT_EQ(b.con.keysLeft(), 0u);
}

struct PdfInfo {
    int pages = 0;
    std::string size;  // "612 x 792"
};

PdfInfo info(const std::string& pdf) {
    const std::string s = output("pdfinfo '" + pdf + "' 2>&1");
    PdfInfo i;
    std::smatch m;
    if (std::regex_search(s, m, std::regex(R"(Pages:\s+(\d+))"))) i.pages = std::stoi(m[1]);
    if (std::regex_search(s, m, std::regex(R"(Page size:\s+([\d.]+ x [\d.]+) pts)"))) i.size = m[1];
    return i;
}

// Makes the PDF of `name` in the run's folder; checks its pages and size and
// that its text is the file's text. pdftotext counts columns of `pitch`
// points (Courier 12 point is 7.2 wide) from the paper's edge.
void expectPdf(BankRun& b, const std::string& name, const pdf::PdfOptions& o, int pages, const std::string& size,
               double pitch = 7.2) {
    const std::string pdfFile = b.dir.file("out.pdf");
    const pdf::PdfResult r = pdf::writePdf(b.dir.file(name), pdfFile, o);
    ASSERT_EQ(r.outcome, pdf::PdfOutcome::Written) << r.message;
    EXPECT_EQ(r.pages, pages);
    const PdfInfo i = info(pdfFile);
    EXPECT_EQ(i.pages, pages) << name;
    EXPECT_EQ(i.size, size) << name;
    const auto want = textLines(b.dir.read(name));
    const auto got = textLines(output("pdftotext -layout -fixed " + std::to_string(pitch) + " '" + pdfFile + "' -"));
    ASSERT_EQ(got.size(), want.size()) << name;
    for (std::size_t k = 0; k < want.size(); ++k) ASSERT_EQ(got[k], want[k]) << name << " line " << k;
}

std::size_t count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(PdfOfPackets, PLayoutIsOnePageForEveryFormFeed) {
    BankRun b;
    runLayout(b, 'P');
    const std::string qui = b.dir.read("lay.qui");
    expectPdf(b, "lay.qui", {}, static_cast<int>(count(qui, "\f")), "612 x 792");

    // Curly quotes and Latin-1 letters a bank line may carry, in Windows-1252
    // or in UTF-8, print as themselves.
    const std::size_t at = qui.find("Question");
    for (const std::string word : {"\x93Ma\xEEtre\x94", "\u201CMa\u00EEtre\u201D"}) {
        b.dir.raw("accents.qui", qui.substr(0, at) + word + qui.substr(at + 8));
        ASSERT_EQ(pdf::writePdf(b.dir.file("accents.qui"), b.dir.file("out.pdf"), {}).outcome,
                  pdf::PdfOutcome::Written);
        EXPECT_NE(output("pdftotext -layout '" + b.dir.file("out.pdf") + "' -").find("\u201CMa\u00EEtre\u201D"),
                  std::string::npos);
    }
}

TEST(PdfOfPackets, CLayoutIsOneCardForEvery18Lines) {
    BankRun b;
    runLayout(b, 'C');
    const int cards = static_cast<int>(count(b.dir.read("lay.qui"), "\r\n") / 18);
    expectPdf(b, "lay.qui", {}, cards, "360 x 216");
    expectPdf(b, "lay.qui", {pdf::Paper::A4, pdf::CardPages::Sheet}, (cards + 2) / 3, "595.276 x 841.89");
    // The command's words for them, and the PDF beside the packet by default.
    ASSERT_EQ(runTessarin("pdf " + b.dir.file("lay.qui") + " --paper A4 --cards Sheet").status, exitstatus::OK);
    EXPECT_EQ(info(b.dir.file("lay.pdf")).size, "595.276 x 841.89");
}

TEST(PdfOfPackets, ListFileIsPagesOf66Lines) {
    BankRun b;
    runLayout(b, 'C');
    const std::size_t lines = count(b.dir.read("lay.inf"), "\r\n");
    // 66 lines in the 10 inches inside the margins, the font as large as the spacing.
    expectPdf(b, "lay.inf", {}, static_cast<int>((lines + 65) / 66), "612 x 792", 720.0 / 66 * 0.6);
    // Its PDF by default does not take the name of the packet's.
    ASSERT_EQ(runTessarin("pdf " + b.dir.file("lay.inf")).status, exitstatus::OK);
    EXPECT_TRUE(std::filesystem::exists(b.dir.file("lay-list.pdf")));
    EXPECT_FALSE(std::filesystem::exists(b.dir.file("lay.pdf")));
    // -o - sends the same document down a pipe and writes no file.
    const CommandResult piped = runTessarin("pdf " + b.dir.file("lay.inf") + " -o -");
    ASSERT_EQ(piped.status, exitstatus::OK) << piped.err;
    b.dir.raw("piped.pdf", piped.out);
    EXPECT_EQ(info(b.dir.file("piped.pdf")).pages, info(b.dir.file("lay-list.pdf")).pages);
    EXPECT_FALSE(std::filesystem::exists(b.dir.file("-")));
}

TEST(PdfOfPackets, TLayoutAndOtherFilesAreRefusedAndNothingIsWritten) {
    BankRun b;
    runLayout(b, 'T');
    const pdf::PdfResult t = pdf::writePdf(b.dir.file("lay.qui"), b.dir.file("out.pdf"), {});
    EXPECT_EQ(t.outcome, pdf::PdfOutcome::NotPrintable);
    EXPECT_NE(t.message.find("p or c layout"), std::string::npos) << t.message;
    EXPECT_EQ(t.message.find('\n'), std::string::npos);
    b.dir.raw("notes.txt", "Quiz Number 1\r\nsome notes\f\r\n");
    // Packets of the p layout that cannot be laid out: a line far too long,
    // more pages than a PDF holds.
    const std::string head = "L 1:1 to L 24:53      x Style Quizzing      Quiz Number 1\r\n" + std::string(78, '_') + "\r\n\f";
    b.dir.raw("long.qui", head + std::string(65500, 'x') + "\r\n");
    b.dir.raw("pages.qui", head + std::string(32770, '\f'));
    const std::string out = " -o " + b.dir.file("out.pdf");
    // What is refused, and files that cannot be read or written: one line
    // on stderr each.
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {b.dir.file("lay.qui") + out, exitstatus::USAGE, ""},
        {b.dir.file("notes.txt") + out, exitstatus::USAGE, ""},
        {b.dir.file("missing.qui") + out, exitstatus::FILE_ERROR, ""},
        {b.dir.file("lay.inf") + " -o " + b.dir.file("no/out.pdf"), exitstatus::FILE_ERROR, "(No such file or directory)"},
        {b.dir.file("lay.inf") + " -o " + b.dir.file("lay.inf"), exitstatus::USAGE, ""},
        {b.dir.file("long.qui") + out, exitstatus::USAGE, "has a line of 65500 characters"},
        {b.dir.file("pages.qui") + out, exitstatus::USAGE, "would make 32771 pages"},
    };
    for (const auto& [args, status, told] : cases) {
        const CommandResult r = runTessarin("pdf " + args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_NE(r.err.find(told), std::string::npos) << r.err;
        EXPECT_EQ(r.err.rfind("tessarin: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
    }
    for (const auto& e : std::filesystem::directory_iterator(b.dir.path()))
        EXPECT_TRUE(e.path().extension() != ".pdf" && e.path().extension() != ".part") << e.path();
    EXPECT_EQ(b.dir.read("lay.inf").substr(0, 6), "  Que ");
}

// The PDF's temporary file is made anew beside it, never through a link: the
// shell plants links at every name the first files of the program could take
// (it becomes the program, so $$ is its process id), for `pdf` and `run --pdf`.
TEST(PdfOfPackets, ALinkAtThePdfsTemporaryNameIsNotFollowed) {
    ScratchDir d, outside;
    d.copySampleBank();
    outside.raw("precious", "keep me");
    auto planting = [&](const std::string& pdf) {
        const std::string at = d.file(pdf);
        return "sh -c 'for n in $(seq 1 64); do ln -s " + outside.file("precious") + " " + at +
               ".$$-$n.part; done; ln -s " + outside.file("precious") + " " + at + ".$$.part; exec \"$0\" \"$@\"'";
    };
    const CommandResult run = runTessarin("-C " + d.path().string() + " run Book20 --pdf --quiet", planting("book20.pdf"));
    EXPECT_EQ(run.status, exitstatus::OK) << run.err;
    const CommandResult pdf = runTessarin("pdf " + d.file("book20.qui") + " -o " + d.file("again.pdf"), planting("again.pdf"));
    EXPECT_EQ(pdf.status, exitstatus::OK) << pdf.err;
    EXPECT_EQ(outside.read("precious"), "keep me");
    for (const char* name : {"book20.pdf", "again.pdf"}) {
        EXPECT_FALSE(std::filesystem::is_symlink(d.file(name))) << name;
        EXPECT_EQ(d.read(name).rfind("%PDF-", 0), 0u) << name;
    }
}
