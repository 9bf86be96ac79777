#include "specc9/Patterns.h"

namespace tess {

void SPEC2(Program&) {}  // placeholder

}  // namespace tess
