#pragma once
// The installed-program view of the binary: one command line run through the
// shell, its exit status and both output streams.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/Fixture.h"

namespace tess::testing {

struct CommandResult {
    int status = -1;
    std::string out, err;
};

// Runs `tessarin ARGS` with the environment assignments `env` in front
// (for example "TESSARIN_DATA=/x"); standard input is not a terminal
// (`input` redirects it: /dev/null, or "<&-" to close it).
inline CommandResult runTessarin(const std::string& args, const std::string& env = "",
                                 const std::string& input = "</dev/null") {
    ScratchDir io;
    const std::string cmd =
        env + " " + TESS_BINARY + " " + args + " " + input + " >" + io.file("out") + " 2>" + io.file("err");
    const int st = std::system(cmd.c_str());
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, io.read("out"), io.read("err")};
}

}  // namespace tess::testing
