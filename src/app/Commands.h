#pragma once
// The commands of `tessarin COMMAND`: each adds itself to the parser and, when
// chosen, leaves its exit status (app/ExitStatus.h) in `status`.
namespace CLI {
class App;
}

namespace tess {

void addPdfCommand(CLI::App& app, int& status);

}  // namespace tess
