#include "material/Resector.h"

namespace tess {

void RESECTOR(Program&) {}  // placeholder

}  // namespace tess
