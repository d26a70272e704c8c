#include "skin_checker/core/commandline.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return skincheck::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
