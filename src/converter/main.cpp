// 3DO-Kiln: turns an ASE or OBJ file into a GPL 3DO object beside it.

#include "kiln_driver.hpp"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    return meshsmith::kiln::runKiln(std::vector<std::string>(argv + 1, argv + argc));
}
