#include "console/Array.h"

namespace tess {

void indexError(const char* what, long i, long lo, long hi) {
    throw std::out_of_range(std::string(what) + " index " + std::to_string(i) + " outside " + std::to_string(lo) +
                            ".." + std::to_string(hi));
}

}  // namespace tess
