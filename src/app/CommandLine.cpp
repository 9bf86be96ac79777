// The program-wide part of the command line: options every command shares,
// the help screen, and the one place usage errors are worded.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "app/FullScreen.h"
#include "core/Version.h"

namespace tess {

void commandMessage(std::string_view text) { std::cerr << "tessarin: " << text << '\n'; }

void setUpCommandLine(CLI::App& app) {
    app.name("tessarin");
    app.description(
        "Builds quiz packets for scripture quizzing on Luke, or on the books a\n"
        "folder's Books.txt names.\n"
        "With no command: the full-screen program in the current folder.");
    app.footer(exitstatus::SUMMARY);
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.set_version_flag("--version", std::string("tessarin ") + PROGRAM_VERSION, "Show the version and exit");
    auto fmt = std::make_shared<CLI::Formatter>();
    fmt->column_width(20);
    fmt->label("SUBCOMMAND", "COMMAND");
    app.formatter(fmt);
    app.require_subcommand(0, 1);
    addHelpCommand(app);
    // Moving into DIR as soon as the option is read means every command, and
    // the full-screen program, works there with plain relative names.
    app.add_option("-C,--dir", "Work in DIR (for every command)")
        ->type_name("DIR")
        ->trigger_on_parse()
        ->each([](const std::string& dir) {
            if (::chdir(dir.c_str()) != 0)
                throw CLI::ValidationError("cannot work in " + dir + ": " + std::strerror(errno));
        });
}

namespace {

// The results of a command are only delivered when standard output took
// them: a full disk or a closed pipe behind it is a file error, not a
// success (as GNU's close_stdout has it).
int deliverStandardOutput(int status) {
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good()) return status;
    // A write that failed earlier (a flush mid-output) left the stream marked
    // but its reason long gone; one more byte on the broken stream finds the
    // reason again, and the output is incomplete whatever it does.
    if (errno == 0) {
        std::clearerr(stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    const int err = errno;
    commandMessage(std::string("cannot write to standard output: ") + (err != 0 ? std::strerror(err) : "write error"));
    return std::max(status, static_cast<int>(exitstatus::FILE_ERROR));
}

// The usage error, worded for the user: what was not understood, and where
// to look. The subcommand given, if any, decides whose --help is named.
int usageError(CLI::App& app, const std::string& message) {
    const auto given = app.get_subcommands();
    const bool ownHelp = !given.empty() && given.front()->get_name() != "help";
    const std::string help = ownHelp ? "tessarin " + given.front()->get_name() + " --help" : "tessarin --help";
    commandMessage(message);
    std::cerr << "Try '" << help << "' for more information.\n";
    return exitstatus::USAGE;
}

}  // namespace

void addHelpCommand(CLI::App& app) {
    CLI::App* cmd = app.add_subcommand("help", "Show the help of tessarin or of one COMMAND");
    auto name = std::make_shared<std::string>();
    cmd->add_option("COMMAND", *name, "The command whose help to show")->type_name("");
    // The same text as COMMAND --help, so the two can never differ.
    cmd->callback([&app, name] {
        if (name->empty()) {
            // app.help() would show the help of `help`, the command given.
            std::cout << app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
            return;
        }
        CLI::App* sub = nullptr;
        try {
            sub = app.get_subcommand(*name);
        } catch (const CLI::OptionNotFound&) {
        }
        if (sub == nullptr) throw CLI::ValidationError("unknown command '" + *name + "'");
        std::cout << sub->help(app.get_name());
    });
}

namespace {

int parseAndRun(CLI::App& app, int argc, char** argv, const int& status) {
    // Listed under one heading however each command was added.
    for (CLI::App* cmd : app.get_subcommands([](CLI::App*) { return true; })) cmd->group("Commands");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ExtrasError& e) {
        // Unknown words fall through to the top level from every command.
        const auto rest = app.remaining();
        if (rest.empty()) return usageError(app, e.what());
        const std::string& word = rest.front();
        if (word.size() > 1 && word[0] == '-') return usageError(app, "unknown option '" + word + "'");
        if (app.get_subcommands().empty()) return usageError(app, "unknown command '" + word + "'");
        return usageError(app, "unexpected argument '" + word + "'");
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
        return usageError(app, e.what());
    } catch (const std::exception& e) {
        commandMessage(std::string("fatal error: ") + e.what());
        return exitstatus::FAULT;
    }
    if (app.get_subcommands().empty()) return runFullScreen();
    return status;
}

}  // namespace

int runCommandLine(CLI::App& app, int argc, char** argv, const int& status) {
    return deliverStandardOutput(parseAndRun(app, argc, argv, status));
}

}  // namespace tess
