#include <iostream>
#include <string>
#include <vector>

#include "tools/host/driver.h"

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return zandrel::host::HostMain(arguments, std::cout, std::cerr);
}
