// sdwlan: main() is the only place that knows all layers; the wiring is in program.cpp.
#include <iostream>

#include "main/program.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunGuarded([&args] { return RunProgram(args, std::cout, std::cerr); }, std::cerr);
}
