// ase2obj: converts an editor-dialect ASE file into a Wavefront OBJ file and
// its MTL material file beside it.

#include "conversion_run.hpp"
#include "model/system_code_page.hpp"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    meshsmith::useSystemCodePage();
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    meshsmith::ase2obj::RunResult run = meshsmith::ase2obj::runAse2obj(args);
    std::fwrite(run.output.data(), 1, run.output.size(), stdout);
    return run.status;
}
