#include "material/VerseSectoring.h"

namespace tess {

bool VERSESEC(Program&) { return false; }  // placeholder

}  // namespace tess
