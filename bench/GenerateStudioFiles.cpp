// Writes the generated competition and studio for measuring whole runs of tavorin-cli:
//   tavorin-bench-generate DIRECTORY [FACTOR]
// makes DIRECTORY/Big.stu and its data file, the studio FACTOR times the large one (default 1).
#include <cstdlib>
#include <exception>
#include <iostream>

#include "StudioGenerator.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: tavorin-bench-generate DIRECTORY [FACTOR]\n";
        return 2;
    }
    const int factor = argc == 3 ? std::atoi(argv[2]) : 1;
    if (factor < 1) {
        std::cerr << "tavorin-bench-generate: FACTOR must be 1 or more\n";
        return 2;
    }
    try {
        std::cout << WriteGeneratedFiles(argv[1], CGeneratedSize::LargeTimes(factor), 2025) << '\n';
    } catch (const std::exception& error) {
        std::cerr << "tavorin-bench-generate: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
