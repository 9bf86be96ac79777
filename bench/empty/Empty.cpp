// The empty C++ process the program's start-up is measured against: the C++
// library loaded, nothing done.
#include <iostream>

int main() { return std::cout.good() ? 0 : 1; }
