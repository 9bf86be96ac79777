#include "run/Driver.h"

namespace tess {

void runOnce(Program&) { throw ExitProgram{0}; }  // placeholder
int runProgram(Program& p) {
    try {
        runOnce(p);
    } catch (const ExitProgram& e) {
        return e.code;
    }
    return 0;
}

}  // namespace tess
