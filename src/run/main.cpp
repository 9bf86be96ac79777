#include <iostream>

#include "console/Random.h"
#include "console/ScreenConsole.h"
#include "run/Driver.h"

// Placeholder entry until the terminal console lands.
int main() {
    tess::ScreenConsole con;
    tess::Random rnd;
    tess::Program p(con, rnd);
    return tess::runProgram(p);
}
