// tavorin-cli: the program's core on the command line.
#include <iostream>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::cerr << "usage: tavorin-cli export SETUP.stu\n";
        return 2;
    }
    return 2;
}
