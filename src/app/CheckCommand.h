#pragma once
namespace CLI {
class App;
}

// `tessarin check`: the bank checker's command line.
void addCheckCommand(CLI::App& app, int& status);
