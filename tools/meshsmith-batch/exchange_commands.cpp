// The batch commands that exchange geometry: ASE, vertex text, 3DOText, DXF,
// and the models of other programs (OBJ, 3ds Max ASE).

#include "batch_commands.hpp"
#include "batch_project.hpp"

#include "export/ase_writer.hpp"
#include "import/model_import.hpp"
#include "model/dxf_export.hpp"
#include "model/dxf_import.hpp"
#include "model/dxf_scan.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/number_text.hpp"
#include "model/paths.hpp"
#include "model/text3do_file.hpp"
#include "model/vertex_text_file.hpp"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <span>

namespace meshsmith::batch {
namespace {

int usage(std::ostream& err, const char* text) {
    err << "usage: meshsmith-batch " << text << "\n";
    return 2;
}

int statusOf(const OperationResult& r) {
    return r.outcome == Outcome::Done ? 0 : 1;
}

// Runs an export of a loaded project: PROJECT OUT.
template <typename Export>
int exportCommand(const Args& args, std::ostream& out, std::ostream& err, const char* use,
                  Export exportTo) {
    if (args.size() != 2) return usage(err, use);
    Project p;
    BatchPrompts prompts;
    StreamLog log(&out);
    if (!loadForBatch(p, args[0], prompts, log, err)) return 1;
    OperationResult r = exportTo(p, args[1], log);
    if (r.outcome != Outcome::Done) err << "error: " << messageForTerminal(r.message) << "\n";
    return statusOf(r);
}

std::string lowerExtension(const std::string& path) {
    std::string name = fileNameOf(path);
    auto dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext;
}

struct ImportArgs {
    std::string file, into, out, kind;
    VertexOffset offset;
    std::optional<std::uint32_t> seed;
};

// Reads "FILE --into P --out O [--offset X Y Z] [--kind K] [--seed N]"; the
// error text when the command line is not of that form.
std::optional<std::string> parseImportArgs(const Args& args, ImportArgs& a) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::size_t n) { return i + n < args.size(); };
        if (arg == "--into" && value(1)) {
            a.into = args[++i];
        } else if (arg == "--out" && value(1)) {
            a.out = args[++i];
        } else if (arg == "--kind" && value(1)) {
            a.kind = args[++i];
        } else if (arg == "--seed" && value(1)) {
            auto s = parseInteger(args[++i]);
            if (!s) return "--seed takes a whole number";
            a.seed = static_cast<std::uint32_t>(*s);
        } else if (arg == "--offset" && value(3)) {
            auto x = parseReal(args[i + 1]), y = parseReal(args[i + 2]), z = parseReal(args[i + 3]);
            if (!x || !y || !z) return "--offset takes three numbers";
            a.offset = {*x, *y, *z};
            i += 3;
        } else if (a.file.empty() && arg.rfind("--", 0) != 0) {
            a.file = arg;
        } else {
            return "unexpected argument '" + arg + "'";
        }
    }
    if (a.file.empty() || a.out.empty()) return "a file to import and --out are needed";
    return std::nullopt;
}

// The kinds --kind names, in the order of kDxfChoices.
constexpr const char* kKindNames[] = {"point",    "vertex",   "line", "3dface",
                                      "polyline", "polyface", "all"};

std::optional<DxfKind> dxfKindNamed(const std::string& name) {
    for (std::size_t k = 0; k < kDxfChoices.size(); ++k)
        if (name == kKindNames[k]) return kDxfChoices[k];
    return std::nullopt;
}

// Scans the DXF, imports the chosen kind (or the only one it holds) and merges
// double vertices, as the editor's scan dialog does.
OperationResult importDxfFile(Project& p, const ImportArgs& a, BatchPrompts& prompts, LogSink& log,
                              RandomColours& colours, std::ostream& err) {
    DxfScan scan = scanDxf(a.file);
    if (!scan.ok) return OperationResult::refused(scan.message);
    // A kind the file lacks is refused by the import itself ("Sorry, no ...").
    std::optional<DxfKind> kind = a.kind.empty() ? std::nullopt : dxfKindNamed(a.kind);
    if (!kind) {
        const auto kinds = std::span(scan.enabled).first(kDxfKinds.size());
        if (std::count(kinds.begin(), kinds.end(), true) != 1) {
            for (const auto& caption : scan.radioCaptions)
                err << caption << "\n";
            return OperationResult::refused(
                "the file holds several kinds: choose one with --kind (all: vertices, lines and "
                "polygons together)");
        }
        kind = kDxfKinds[static_cast<std::size_t>(std::find(kinds.begin(), kinds.end(), true) -
                                                  kinds.begin())];
    }
    return importScannedDxf(p, a.file, *kind, prompts, log, colours);
}

} // namespace

int writeAseCommand(const Args& args, std::ostream& out, std::ostream& err) {
    return exportCommand(args, out, err, "write-ase PROJECT.3dp OUT.ase",
                         [&](const Project& p, const std::string& path, LogSink& log) {
                             if (OperationResult check = checkAseWrite(p); !check.done())
                                 return check;
                             return writeAse(p, path, log);
                         });
}

int exportVtxCommand(const Args& args, std::ostream& out, std::ostream& err) {
    return exportCommand(args, out, err, "export-vtx PROJECT.3dp OUT.vtx", exportVertexText);
}

int exportTxtCommand(const Args& args, std::ostream& out, std::ostream& err) {
    return exportCommand(args, out, err, "export-txt PROJECT.3dp OUT.txt", export3DOText);
}

int exportDxfCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const char* use = "export-dxf --mode v|vl|vlp PROJECT.3dp OUT.dxf";
    if (args.size() != 4 || args[0] != "--mode") return usage(err, use);
    DxfExportMode mode;
    if (args[1] == "v")
        mode = DxfExportMode::Vertices;
    else if (args[1] == "vl")
        mode = DxfExportMode::VerticesLines;
    else if (args[1] == "vlp")
        mode = DxfExportMode::VerticesLinesPolygons;
    else
        return usage(err, use);
    return exportCommand(Args(args.begin() + 2, args.end()), out, err, use,
                         [&](const Project& p, const std::string& path, LogSink& log) {
                             OperationResult check = checkDxfExport(p, mode);
                             if (check.outcome != Outcome::Done) return check;
                             return exportDxf(p, path, mode, log);
                         });
}

int importCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const char* use = "import FILE [--into PROJECT.3dp] --out OUT.3dp [--offset X Y Z] "
                      "[--kind point|vertex|line|3dface|polyline|polyface|all] [--seed N]";
    ImportArgs a;
    std::optional<std::string> problem = parseImportArgs(args, a);
    const std::string ext = lowerExtension(a.file);
    if (!problem && !a.kind.empty() && !dxfKindNamed(a.kind))
        problem =
            "unknown kind '" + a.kind + "': point, vertex, line, 3dface, polyline, polyface or all";
    // A vertex text holds vertices only, a 3DOText file vertices and polygons,
    // a model file polygons: there is nothing to choose, and a kind asked for
    // would be ignored.
    if (!problem && !a.kind.empty() && ext != "dxf")
        problem = "--kind chooses among the entities of a DXF file; " + a.file + " is not one";
    if (problem) {
        err << "meshsmith-batch import: " << *problem << "\n";
        return usage(err, use);
    }
    Project p;
    BatchPrompts prompts;
    prompts.offset = a.offset;
    StreamLog log(&out);
    if (!a.into.empty() && !loadForBatch(p, a.into, prompts, log, err)) return 1;
    RandomColours colours = a.seed ? RandomColours(*a.seed) : RandomColours::fromClock();
    OperationResult r;
    if (ext == "vtx")
        r = importVertexText(p, a.file, prompts, log);
    else if (ext == "txt")
        r = import3DOText(p, a.file, prompts, log, colours);
    else if (ext == "dxf")
        r = importDxfFile(p, a, prompts, log, colours, err);
    else if (ext == "obj" || ext == "ase")
        // No image reader here: only BMP bitmaps become textures.
        r = importModelFile(p, a.file,
                            ext == "obj" ? ModelFormat::WavefrontObj : ModelFormat::MaxAse, prompts,
                            log, colours, nullptr);
    else
        r = OperationResult::refused("unknown file type '" + ext +
                                     "': .vtx, .txt, .dxf, .obj or .ase");
    if (r.outcome != Outcome::Done) {
        err << fileErrorLine(a.file, r.line, r.message) << "\n";
        return 1;
    }
    return saveForBatch(p, a.out, prompts, log, err) ? 0 : 1;
}

} // namespace meshsmith::batch
