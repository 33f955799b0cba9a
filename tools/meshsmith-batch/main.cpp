// meshsmith-batch: the editor's file operations without its windows, for
// building many objects at once and for scripts.

#include "batch_commands.hpp"

#include <cstring>
#include <iostream>
#include <map>

namespace {

using Command = int (*)(const meshsmith::batch::Args&, std::ostream&, std::ostream&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"info", meshsmith::batch::infoCommand},
        {"resave", meshsmith::batch::resaveCommand},
    };
    return table;
}

void usage(std::ostream& out) {
    out << "usage: meshsmith-batch COMMAND ARGS...\n"
           "  info PROJECT.3dp              description, counts, bounding box, display class\n"
           "  resave PROJECT.3dp OUT.3dp    load a project and save it again\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    auto it = commands().find(argv[1]);
    if (it == commands().end()) {
        std::cerr << "meshsmith-batch: unknown command '" << argv[1] << "'\n";
        usage(std::cerr);
        return 2;
    }
    meshsmith::batch::Args args(argv + 2, argv + argc);
    try {
        return it->second(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "meshsmith-batch: " << e.what() << "\n";
        return 1;
    }
}
