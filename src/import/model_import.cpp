#include "import/model_import.hpp"

#include "converter/max_preparation.hpp"
#include "import/mesh_polygons.hpp"
#include "model/edits/edit.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "readers/max_ase_reader.hpp"
#include "readers/obj_reader.hpp"

#include <cstdio>
#include <exception>

namespace meshsmith {
namespace {

readers::PlainMesh readModel(const std::string& path, ModelFormat format, LogSink& log) {
    if (format == ModelFormat::MaxAse)
        return kiln::prepareMaxPolygons(readers::readMaxAseFile(path, readers::MaxRules{false}));
    readers::ObjFile file = readers::readObjFile(path, readers::ObjRules{false, false});
    if (!file.mtlPath.empty() && !file.mtlFound)
        log.addLine("MTL file " + file.mtlPath + " not found: its materials name no bitmaps");
    return std::move(file.mesh);
}

// The readers begin the message about one line with "Line N: ".
FileError readerError(const std::string& what) {
    unsigned long line = 0;
    int used = 0;
    if (std::sscanf(what.c_str(), "Line %lu: %n", &line, &used) == 1 && used > 0)
        return {what.substr(static_cast<std::size_t>(used)), line};
    return {what, 0};
}

void logUntextured(LogSink& log, const MeshPolygons& made, const MaterialTextures& textures) {
    for (std::size_t k = 0; k < textures.problems.size(); ++k)
        if (made.untextured[k] > 0)
            log.addLine(problemLine(textures.problems[k], made.untextured[k]));
    if (made.withoutCoords > 0)
        log.addLine(std::to_string(made.withoutCoords) +
                    " face(s) without texture coordinates came in untextured");
    if (made.withoutMaterial > 0)
        log.addLine(std::to_string(made.withoutMaterial) +
                    " face(s) without a material came in untextured");
    if (made.leftOut > 0)
        log.addLine("Left out " + std::to_string(made.leftOut) +
                    " face(s) of fewer than three distinct corners");
}

void logTextures(LogSink& log, const MaterialTextures& textures) {
    for (const std::string& note : textures.notes)
        log.addLine(note);
    if (textures.added.empty()) return;
    log.addLine("Rebuilding Texture Library.....");
    log.addLine("Done.");
}

OperationResult addMesh(Project& p, const readers::PlainMesh& mesh, const std::string& path,
                        UserPrompts& prompts, LogSink& log, RandomColours& colours,
                        const ImageDecoder* decoder) {
    if (auto fault = meshFault(mesh)) return fileFailure(log, "importing", path, *fault);
    const ImportMode mode = importModeOf(p);
    const auto offset = importOffset(mode, prompts);
    if (!offset) return OperationResult::cancelled();
    MaterialTextures textures =
        materialTextures(p, mesh.materials, materialsInUse(mesh), path, decoder, prompts, log);
    MeshPolygons made = meshPolygons(mesh, textures, p.object.textures.size());
    const std::size_t vertices = made.geometry.vertices.size();
    const std::size_t polygons = made.geometry.polygons.size();
    if (auto failure = addImportedGeometry(p, std::move(made.geometry), mode, *offset, colours))
        return fileFailure(log, "importing", path, *failure);
    logImportedCounts(log, mode, vertices, polygons, path);
    logTextures(log, textures);
    logUntextured(log, made, textures);
    return {};
}

} // namespace

OperationResult importMesh(Project& p, const readers::PlainMesh& mesh, const std::string& path,
                           ModelFormat format, UserPrompts& prompts, LogSink& log,
                           RandomColours& colours, const ImageDecoder* decoder) {
    const char* step = format == ModelFormat::MaxAse ? "Import 3ds Max ASE" : "Import OBJ";
    return applyEdit(p, step, [&](Project& project) {
        OperationResult result = addMesh(project, mesh, path, prompts, log, colours, decoder);
        // Merging runs only after a real import: a cancelled or failed one must
        // leave the project as it was.
        if (result.done()) removeDoubleVerticesCommand(project, log);
        return result;
    });
}

OperationResult importModelFile(Project& p, const std::string& path, ModelFormat format,
                                UserPrompts& prompts, LogSink& log, RandomColours& colours,
                                const ImageDecoder* decoder) {
    readers::PlainMesh mesh;
    try {
        mesh = readModel(path, format, log);
    } catch (const std::exception& e) {
        return fileFailure(log, "importing", path, readerError(e.what()));
    }
    return importMesh(p, mesh, path, format, prompts, log, colours, decoder);
}

} // namespace meshsmith
