// meshsmith-batch: the editor's file operations without its windows, for
// building many objects at once and for scripts.

#include "batch_commands.hpp"
#include "model/system_code_page.hpp"
#include "model/version.hpp"

#include <cstring>
#include <iostream>
#include <map>

namespace {

using Command = int (*)(const meshsmith::batch::Args&, std::ostream&, std::ostream&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"info", meshsmith::batch::infoCommand},
        {"resave", meshsmith::batch::resaveCommand},
        {"write-ase", meshsmith::batch::writeAseCommand},
        {"export-vtx", meshsmith::batch::exportVtxCommand},
        {"export-txt", meshsmith::batch::exportTxtCommand},
        {"export-dxf", meshsmith::batch::exportDxfCommand},
        {"import", meshsmith::batch::importCommand},
        {"build", meshsmith::batch::buildCommand},
        {"transform", meshsmith::batch::transformCommand},
    };
    return table;
}

void usage(std::ostream& out) {
    out << "usage: meshsmith-batch COMMAND ARGS...   (--help: this list, --version: the version)\n"
           "  info PROJECT.3dp              description, counts, bounding box, display class\n"
           "  resave PROJECT.3dp OUT.3dp    load a project and save it again\n"
           "  write-ase PROJECT.3dp OUT.ase the editor-dialect ASE file of a project\n"
           "  export-vtx PROJECT.3dp OUT.vtx        vertices as vertex text\n"
           "  export-txt PROJECT.3dp OUT.txt        vertices and polygons as 3DOText\n"
           "  export-dxf --mode v|vl|vlp PROJECT.3dp OUT.dxf\n"
           "                                vertices (v), and lines (vl), and polygons (vlp) as "
           "DXF R12\n"
           "  import FILE [--into PROJECT.3dp] --out OUT.3dp [--offset X Y Z]\n"
           "         [--kind point|vertex|line|3dface|polyline|polyface|all] [--seed N]\n"
           "                                geometry from .vtx, .txt, .dxf, .obj or .ase (3ds\n"
           "                                Max); without --into into a new project, with it\n"
           "                                appended (offsets as given); --kind: the DXF\n"
           "                                entities to read (all: vertices, lines and polygons,\n"
           "                                as export-dxf writes them); the bitmaps of OBJ and\n"
           "                                ASE materials are taken when they are BMP files\n"
           "  build [-j N] PROJECT.3dp [PROJECT2.3dp ... | FOLDER]\n"
           "                                write each project's ASE file and convert it to 3DO\n"
           "                                with 3DO-Kiln (every project of a FOLDER); N at once\n"
           "                                (default: one per processor), printed in order\n"
           "  transform PROJECT.3dp --out OUT.3dp STEP...\n"
           "                                move, scale, rotate, mirror or center every vertex,\n"
           "                                steps in the order given: --move X Y Z, --scale F,\n"
           "                                --scale x|y|z F, --rotate x|y|z DEGREES [--pivot X Y "
           "Z],\n"
           "                                --mirror x|y|z [--keep], --center\n";
}

} // namespace

int main(int argc, char** argv) {
    meshsmith::useSystemCodePage();
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << meshsmith::versionLine("meshsmith-batch") << "\n";
        return 0;
    }
    auto it = commands().find(argv[1]);
    if (it == commands().end()) {
        std::cerr << "meshsmith-batch: unknown command '" << argv[1] << "'\n";
        usage(std::cerr);
        return 2;
    }
    meshsmith::batch::setInvocationName(argv[0]);
    meshsmith::batch::Args args(argv + 2, argv + argc);
    try {
        return it->second(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "meshsmith-batch: " << e.what() << "\n";
        return 1;
    }
}
