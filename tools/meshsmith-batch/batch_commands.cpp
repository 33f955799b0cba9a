#include "batch_commands.hpp"

#include "batch_project.hpp"
#include "batch_prompts.hpp"
#include "model/bitmap_lookup.hpp"
#include "model/number_text.hpp"
#include "model/project_file.hpp"

#include <ostream>

namespace meshsmith::batch {
namespace {

std::string point(float x, float y, float z) {
    return "(" + generalReal(x) + ", " + generalReal(y) + ", " + generalReal(z) + ")";
}

} // namespace

int infoCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: meshsmith-batch info PROJECT.3dp\n";
        return 2;
    }
    Project p;
    BatchPrompts prompts;
    StreamLog quiet(nullptr);
    if (!loadForBatch(p, args[0], prompts, quiet, err)) return 1;
    std::size_t textured = 0;
    for (const auto& poly : p.object.polygons)
        textured += poly.textured() ? 1 : 0;
    out << "Project: " << args[0] << "\n";
    out << "Description: " << p.object.ProjectDescription << "\n";
    out << "Vertices: " << p.object.vertices.size() << "\n";
    out << "Lines: " << p.object.lines.size() << "\n";
    out << "Visualization lines: " << p.object.visLines.size() << "\n";
    out << "Polygons: " << p.object.polygons.size() << " (" << textured << " textured)\n";
    out << "Textures: " << p.object.textures.size() << "\n";
    for (std::size_t i = 0; i < p.object.textures.size(); ++i)
        out << "  " << i << ": " << bitmapNameInFile(p.object.textures[i].Filename, projectFolderOf(p))
            << "\n";
    out << "Collision volumes: " << p.object.collision.size() << "\n";
    out << "Display class: " << p.object.DisplayClass << "\n";
    if (p.object.vertices.empty()) {
        out << "Bounding box: none (no vertices)\n";
    } else {
        const BoundingBox& b = p.bounds;
        out << "Bounding box: " << point(b.minX, b.minY, b.minZ) << " - "
            << point(b.maxX, b.maxY, b.maxZ) << "\n";
        out << "Centre: " << point(b.centreX, b.centreY, b.centreZ) << "\n";
    }
    return 0;
}

int resaveCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: meshsmith-batch resave PROJECT.3dp OUT.3dp\n";
        return 2;
    }
    Project p;
    BatchPrompts prompts;
    StreamLog log(&out);
    if (!loadForBatch(p, args[0], prompts, log, err)) return 1;
    if (!saveForBatch(p, args[1], prompts, log, err)) return 1;
    return 0;
}

} // namespace meshsmith::batch
