#pragma once
// The commands of `tessarin COMMAND`. Each command lives in its own file,
// src/app/<Name>Command.cpp, and has one function here:
//
//     void add<Name>Command(CLI::App& app, int& status);
//
// It registers the subcommand on `app` (its options, positionals and help
// text) and, in the subcommand's callback, does the work and sets `status` to
// one of the exit statuses of app/ExitStatus.h. main() calls every add...
// function once, so adding a command is: this declaration, the file, and one
// line in main.cpp. Results go to stdout; progress, warnings and errors go to
// stderr as "tessarin: ..." (commandMessage below). By the time a callback
// runs, `-C DIR` has already moved the process into DIR.
#include <string_view>

namespace CLI {
class App;
}

namespace tess {

// The program-wide options and help (--help, --version, -C/--dir, the exit
// statuses); called by main before the commands are added.
void setUpCommandLine(CLI::App& app);

// `tessarin help [COMMAND]`: the help of the program or of COMMAND, as
// --help shows it (CommandLine.cpp).
void addHelpCommand(CLI::App& app);

// Parses the arguments, runs the command's callback (or, with no command, the
// full-screen program in the current directory) and returns the exit status.
// Usage errors are one line naming the culprit, then the help hint, status 2.
// What the command wrote on standard output must have reached it: a write
// error there is told and gives FILE_ERROR.
int runCommandLine(CLI::App& app, int argc, char** argv, const int& status);

// Writes "tessarin: <text>" on stderr.
void commandMessage(std::string_view text);

// `tessarin init [DIR]`: InitCommand.cpp.
void addInitCommand(CLI::App& app, int& status);

// `tessarin run STYLE... [--seed N] [--quiet] [--keep-going] [--pdf]`: RunCommand.cpp.
void addRunCommand(CLI::App& app, int& status);
// `tessarin check [FILE...]`: CheckCommand.cpp.
void addCheckCommand(CLI::App& app, int& status);

// `tessarin pdf FILE [-o OUT] [--paper letter|a4] [--cards single|sheet]`: PdfCommand.cpp.
void addPdfCommand(CLI::App& app, int& status);

// `tessarin season start|list|forget [N]`: SeasonCommand.cpp.
void addSeasonCommand(CLI::App& app, int& status);

}  // namespace tess
