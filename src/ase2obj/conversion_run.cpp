#include "conversion_run.hpp"

#include "ase_reading.hpp"
#include "model/paths.hpp"
#include "model/text_file.hpp"
#include "model/version.hpp"
#include "obj_writing.hpp"

#include <algorithm>
#include <filesystem>

namespace meshsmith::ase2obj {
namespace {

std::string withExtension(std::string_view path, std::string_view extension) {
    std::string name(path.substr(0, path.size() - std::min<std::size_t>(3, path.size())));
    return name + std::string(extension);
}

bool hasFolder(std::string_view path) {
    return path.find_first_of("\\/") != std::string_view::npos;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(nativePath(a), nativePath(b), ec);
}

constexpr const char* kUsage =
    "usage: ase2obj FILE.ase\n"
    "  writes FILE.obj and, when the file names textures, FILE.mtl beside it, from an\n"
    "  ASE file that Meshsmith wrote. Exit status 0 when written, 1 for a file that\n"
    "  cannot be used or written, 2 for a table that would overflow.\n"
    "  ase2obj --version prints the version.\n";

RunResult readFault(const ReadResult& r, std::string output) {
    int status = r.status == ReadStatus::CapacityFault ? kExitCapacity : kExitFailure;
    return {status, output + r.message + "\n"};
}

} // namespace

OutputNames outputNamesFor(std::string_view inputPath) {
    OutputNames names;
    names.obj = withExtension(inputPath, "obj");
    names.mtl = withExtension(inputPath, "mtl");
    names.mtlFileName = fileNameOf(names.mtl);
    names.objHasFolder = hasFolder(names.obj);
    return names;
}

RunResult runAse2obj(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") return {kExitOk, kUsage};
    if (args[0] == "--version") return {kExitOk, versionLine("ase2obj") + "\n"};
    const std::string& path = args[0];
    auto source = kiln::TextSource::open(nativePath(path));
    if (!source) return {kExitFailure, "ASE file not found!\n"};
    ReadResult header = readHeader(*source);
    if (header.status == ReadStatus::NotMeshsmith)
        return {kExitFailure, "ASE file is not Meshsmith format\n"};
    if (header.status != ReadStatus::Read) return readFault(header, "");

    std::string output = "ASE format: Meshsmith\n\n";
    AseTables tables;
    ReadResult body = readBody(*source, tables);
    if (body.status != ReadStatus::Read) return readFault(body, output);

    OutputNames names = outputNamesFor(path);
    // An input named like its own output (x.obj, x.mtl) would be replaced by it.
    for (const std::string* out : {&names.obj, &names.mtl})
        if (sameFile(path, *out))
            return {kExitFailure, output + "The output " + *out +
                                      " would replace the input: rename the ASE file\n"};
    if (writeFileAtomically(names.obj, objText(tables, names.mtlFileName)))
        return {kExitFailure, output + "OBJ file could not be created!\n"};
    if (!names.objHasFolder) output += "Result:\t\\ not found\n";
    if (tables.materials.empty()) return {kExitOk, output};
    if (writeFileAtomically(names.mtl, mtlText(tables))) {
        std::error_code ignored;
        std::filesystem::remove(nativePath(names.obj), ignored);
        return {kExitFailure, output + "MTL file could not be created!\n"
                                       "OBJ file removed: it would name a missing MTL file\n"};
    }
    return {kExitOk, output};
}

} // namespace meshsmith::ase2obj
