// 3DO-Kiln: turns an ASE or OBJ file into a GPL 3DO object beside it.

#include "kiln_driver.hpp"
#include "model/system_code_page.hpp"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    meshsmith::useSystemCodePage();
    return meshsmith::kiln::runKiln(std::vector<std::string>(argv + 1, argv + argc));
}
