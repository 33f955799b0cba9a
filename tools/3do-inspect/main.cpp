// 3do-inspect: lists a 3DO object file, or checks it.
//   3do-inspect [--verbose] FILE   listing; exit 1 when the layout is broken
//   3do-inspect --check FILE       "OK: ..." and exit 0, or one violation line on
//                                  standard error and exit 1
//   3do-inspect --help | --version      the usage or the version line, exit 0
// Exit 1 for a file that cannot be read (missing, a folder, no permission),
// exit 2 for a wrong command line.

#include "file_bytes.hpp"
#include "threedo_check.hpp"
#include "threedo_file.hpp"
#include "threedo_print.hpp"

#include "model/version.hpp"

#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace meshsmith::inspect3do;

constexpr const char* kUsage = "usage: 3do-inspect [--verbose] FILE\n"
                               "       3do-inspect --check FILE\n"
                               "       3do-inspect --version\n";

int check(const std::vector<std::uint8_t>& bytes) {
    const CheckResult result = checkThreeDo(bytes);
    if (result.violation) {
        std::cerr << result.violation->text() << "\n";
        return 1;
    }
    std::cout << summaryLine(result.summary) << "\n";
    return 0;
}

int list(const std::vector<std::uint8_t>& bytes, bool verbose) {
    const ParsedFile parsed = parseThreeDo(bytes);
    printListing(parsed.file, ListingOptions{verbose}, std::cout);
    if (parsed.violation) {
        std::cout.flush();
        std::cerr << parsed.violation->text() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << meshsmith::versionLine("3do-inspect") << "\n";
        return 0;
    }
    bool checkOnly = false;
    bool verbose = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check") {
            checkOnly = true;
        } else if (arg == "--verbose" || arg == "-v") {
            verbose = true;
        } else if (path.empty() && !arg.starts_with("--")) {
            path = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (path.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    std::string why;
    const auto bytes = readFileBytes(path, why);
    if (!bytes) {
        std::cerr << "cannot read " << path << ": " << why << "\n";
        return 1;
    }
    return checkOnly ? check(*bytes) : list(*bytes, verbose);
}
