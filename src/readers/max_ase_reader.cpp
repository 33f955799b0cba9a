#include "max_ase_reader.hpp"

#include "max_materials.hpp"
#include "max_mesh_pass.hpp"
#include "model_file.hpp"
#include "reader_text.hpp"
#include "scan_format.hpp"

namespace meshsmith::readers {

PlainMesh readMaxAse(TextSource& file, const MaxRules& rules, MaxAseObserver* observer) {
    file.rewind();
    MaxMaterialList list;
    std::string line;
    const bool atObject = readMaxMaterialList(file, line, list, observer);
    PlainMesh mesh;
    mesh.materials = meshMaterialsOf(list);
    readMaxMeshes(file, atObject ? &line : nullptr, rules, list, mesh, observer);
    return mesh;
}

PlainMesh readMaxAseFile(const std::string& path, const MaxRules& rules) {
    TextSource source = openModelFile(path);
    std::string first;
    readstr(source, first);
    if (!isMaxAseHeader(first)) throw InputError(path + ": ASE file format not recognised");
    return readMaxAse(source, rules);
}

bool isMaxAseHeader(const std::string& firstLine) {
    std::int32_t version = 0;
    return matches(withoutByteOrderMark(firstLine), "*3DSMAX_ASCIIEXPORT\t%i", {&version});
}

} // namespace meshsmith::readers
