// sdwlan: main() is the only place that knows all layers; the wiring is in program.cpp.
#include <iostream>

#include "main/program.h"

int main(int argc, char** argv) {
    return RunProgram(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
