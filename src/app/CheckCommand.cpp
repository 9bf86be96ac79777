// `tessarin check [--max N] [FILE...]`: every fault of the bank in the folder
// (the program-wide -C/--dir chooses it), on standard output; exit status
// FINDINGS when any of them is an error.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "check/Check.h"

#ifdef __GLIBC__
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace tess {

namespace {

// The check reads each bank file whole and keeps tables and findings as big,
// one file after another. Left to itself, glibc hands freed memory back to the
// system and the next file faults it in again 4 KB at a time, at several
// microseconds a fault. So the heap keeps what it frees, and starts with room
// marked for huge pages (a mark the kernel ignores where they are off). This is
// process-wide, which is why the command sets it and not the checker.
void tuneHeapForCheck() {
#ifdef __GLIBC__
    constexpr std::size_t ROOM = std::size_t{48} << 20;
    constexpr std::uintptr_t HUGE_PAGE = std::uintptr_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    if (void* room = std::malloc(ROOM)) {
        const auto from = (reinterpret_cast<std::uintptr_t>(room) + HUGE_PAGE - 1) & ~(HUGE_PAGE - 1);
        const auto to = (reinterpret_cast<std::uintptr_t>(room) + ROOM) & ~(HUGE_PAGE - 1);
        if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
        std::free(room);
    }
#endif
}

}  // namespace

void addCheckCommand(CLI::App& app, int& status) {
    struct Options {
        std::optional<int> max;
        bool verbose = false;
        std::vector<std::string> files;
    };
    auto opt = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("check", "List every fault of the bank, its styles and count files");
    cmd->fallthrough();  // -C/--dir DIR may follow the command word
    cmd->footer(
        "With no FILE: every bank file in the folder, Verses.txt, Specs.lst,\n"
        "every style it lists and New.spe, and every count file against its\n"
        "bank files. Each finding is a line FILE:LINE: error: WHAT (or\n"
        "warning: WHAT), then a summary of each file with findings and the\n"
        "total; a clean bank is one line. --verbose sums up every file.\n"
        "Exit status: 0 no errors (warnings allowed), 3 errors found.");
    cmd->add_option("--max", opt->max, "List at most N findings (the summaries count them all)")
        ->type_name("N")
        ->check(CLI::Validator(
            [](const std::string& v) {
                return !v.empty() && v.find_first_not_of("0123456789") == std::string::npos
                           ? std::string()
                           : "N is a number of findings, 0 or more, not '" + v + "'";
            },
            ""));
    cmd->add_flag("-v,--verbose", opt->verbose, "A summary line for every file read, with or without findings");
    cmd->add_option("FILE", opt->files, "Check only these files; the kind of each is known from its name")
        ->type_name("");
    cmd->callback([opt, &status] {
        tuneHeapForCheck();
        std::optional<std::size_t> max;
        if (opt->max) max = static_cast<std::size_t>(*opt->max);
        check::Report report;
        try {
            report = check::checkBank(".", opt->files, check::listsFindings(max));
        } catch (const std::filesystem::filesystem_error& e) {
            // The checker names every file it cannot read; one it cannot even look at ends the check.
            commandMessage(e.what());
            status = exitstatus::FILE_ERROR;
            return;
        }
        check::writeReport(std::cout, report, max, opt->verbose);
        std::cout.flush();
        status = report.errors() > 0 ? exitstatus::FINDINGS : exitstatus::OK;
    });
}

}  // namespace tess
