#include "material/Interrogative.h"

namespace tess {

void COUNTINT(Program&) {}  // placeholder

}  // namespace tess
