#include "specc9/Config.h"

namespace tess {

void SPECS2(Program&) {}  // placeholder

}  // namespace tess
