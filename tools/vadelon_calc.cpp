// vadelon-calc: the calendar core from the command line.
#include "calc_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = vadelon::tools::RunCalc(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
