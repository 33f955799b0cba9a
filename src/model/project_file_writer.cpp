#include "bitmap_lookup.hpp"
#include "number_text.hpp"
#include "object_check.hpp"
#include "paths.hpp"
#include "project_file.hpp"
#include "text_file.hpp"

#include <filesystem>

namespace meshsmith {
namespace {

// One-line texts must stay one line, or the file would not read back.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string flag(bool b) {
    return b ? "1" : "0";
}

void writeColour(std::vector<std::string>& out, const ObjectData& o) {
    out.push_back(generalReal(o.Red));
    out.push_back(generalReal(o.Green));
    out.push_back(generalReal(o.Blue));
}

// The textures as the file names them: relative to the project file's folder
// where they lie in or below it (bitmap_lookup.hpp). A relative name of the
// object is taken relative to `namesFolder`.
void writeTextures(std::vector<std::string>& out, const std::vector<TextureData>& textures,
                   const std::string& namesFolder, const std::string& folder) {
    if (textures.empty()) return;
    const auto named = [&](const std::string& path) {
        const std::string full = namesFolder.empty() || isAbsolutePath(path)
                                     ? path
                                     : absoluteBitmapPath(namesFolder, path);
        return oneLine(bitmapNameInFile(full, folder));
    };
    out.push_back("Textures");
    out.push_back(std::to_string(textures.size()));
    for (const auto& t : textures) {
        out.push_back(named(t.Filename));
        out.push_back(std::to_string(t.Transparent));
        out.push_back(named(t.MaskFilename));
        out.push_back(std::to_string(t.RepeatValue));
    }
    out.push_back("TextureBackColors");
    for (const auto& t : textures)
        out.push_back(colourToText(t.BackColor));
}

void writeLines(std::vector<std::string>& out, const Project& p) {
    if (p.object.lines.empty()) return;
    out.push_back("Lines");
    out.push_back(std::to_string(p.object.lines.size()));
    for (const auto& l : p.object.lines) {
        writeColour(out, l);
        out.push_back(std::to_string(l.VertexIndices.at(0)));
        out.push_back(std::to_string(l.VertexIndices.at(1)));
    }
}

void writePolygons(std::vector<std::string>& out, const Project& p) {
    if (p.object.polygons.empty()) return;
    out.push_back("Polygons");
    out.push_back(std::to_string(p.object.polygons.size()));
    for (const auto& poly : p.object.polygons) {
        writeColour(out, poly);
        out.push_back(std::to_string(poly.VertexCount));
        for (int k = 0; k < poly.VertexCount; ++k)
            out.push_back(std::to_string(poly.VertexIndices.at(k)));
        out.push_back(std::to_string(poly.TextureIndex));
        if (!poly.textured()) continue;
        for (int k = 0; k + 1 < poly.VertexCount; ++k) {
            TexCoord tc = static_cast<std::size_t>(k) < poly.TexCoords.size() ? poly.TexCoords[k]
                                                                              : TexCoord{};
            out.push_back(generalReal(tc.U));
            out.push_back(generalReal(tc.V));
        }
    }
}

void writeCollision(std::vector<std::string>& out, const Project& p) {
    if (p.object.collision.empty()) return;
    out.push_back("Collision");
    out.push_back(std::to_string(p.object.collision.size()));
    for (const auto& v : p.object.collision) {
        out.push_back(std::to_string(v.PlaneCount));
        for (int j = 0; j < v.PlaneCount; ++j) {
            out.push_back(std::to_string(v.PlaneRebounds.at(j)));
            out.push_back(std::to_string(v.PlanePolygons.at(j)));
        }
    }
}

void writeOptions(std::vector<std::string>& out, const ProjectOptions& o) {
    out.push_back("Options");
    for (int v : {o.ZoomRatio, o.RotationX, o.RotationY, o.RotationZ, o.PanX, o.PanY})
        out.push_back(std::to_string(v));
    for (bool b :
         {o.ShowAxis, o.ShowVertices, o.ShowLines, o.ShowPolygons, o.ShowTextures, o.Perspective})
        out.push_back(flag(b));
    out.push_back(std::to_string(o.VertexDisplaySize));
    out.push_back(oneLine(o.BackgroundColor));
    out.push_back(oneLine(o.VertexColor));
    out.push_back(oneLine(o.SelectedVertexColor));
    out.push_back(flag(o.Overwrite));
    out.push_back(flag(o.SaveToTrackFolder));
    out.push_back(oneLine(o.TrackFolder));
    for (bool b : {o.AutoGPL, o.MakerMinimize, o.MakerClose, o.GPLParam})
        out.push_back(flag(b));
    out.push_back(oneLine(o.AdditionalGPLParams));
    out.push_back(std::to_string(o.AxisSize));
}

// Copies the bitmap into the project folder; the path the file then names
// (the copy, or the original when the copy failed).
std::string copyBitmapIntoProjectFolder(const Project& p, const TextureData& t,
                                        const std::string& projectFolder) {
    namespace fs = std::filesystem;
    std::string target = projectFolder + fileNameOf(t.Filename);
    std::string source = bitmapPathOnDisk(p, t.Filename);
    std::error_code ec;
    if (fs::exists(nativePath(target), ec) &&
        fs::equivalent(nativePath(source), nativePath(target), ec))
        return target;
    return copyFileReplacing(source, target).empty() ? target : t.Filename;
}

std::string fileText(const Project& p, const std::vector<TextureData>& textures,
                     const std::string& namesFolder) {
    std::vector<std::string> out;
    out.reserve(32 + p.object.vertices.size() * 3 + p.object.polygons.size() * 12);
    out.push_back("ProjectDescription");
    out.push_back(oneLine(p.object.ProjectDescription));
    out.push_back("Vertices");
    out.push_back(std::to_string(p.object.vertices.size()));
    for (const auto& v : p.object.vertices) {
        out.push_back(vertexReal(v.X));
        out.push_back(vertexReal(v.Y));
        out.push_back(vertexReal(v.Z));
    }
    writeTextures(out, textures, namesFolder, projectFolderOf(p));
    writeLines(out, p);
    writePolygons(out, p);
    out.push_back("DisplayClass");
    out.push_back(std::to_string(p.object.DisplayClass));
    writeCollision(out, p);
    writeOptions(out, p.options);
    return joinCrLf(out);
}

} // namespace

std::string projectFileText(const Project& p) {
    return fileText(p, p.object.textures, projectFolderOf(p));
}

std::string mipConversionInfoText(const TextureData& t) {
    return joinCrLf({"; Conversion Info for BMP > MIP", ";", "; Filename: Path to Bitmap",
                     "; Transparent: 0= No, 1= Yes", "; MaskFilename: Path to Mask Bitmap",
                     "; Repeat Texture: 0= No, 1= Horizontal, 2= Vertical, 3= Both", ";",
                     "Filename=" + oneLine(t.Filename),
                     "Transparent=" + std::to_string(t.Transparent),
                     "MaskFilename=" + oneLine(t.MaskFilename),
                     "RepeatValue=" + std::to_string(t.RepeatValue)});
}

std::optional<std::string> saveProject(const Project& p, const SaveOptions& options,
                                       LogSink& log, std::optional<std::string> namesFolder) {
    // A broken object (a coordinate that is no number would be written as 0.000)
    // is never written over the user's file.
    if (const auto fault = findObjectFault(p.object))
        return "The project cannot be saved: " + fault->message;
    const std::string projectFolder = withTrailingSeparator(options.AppFolder + p.ProjectName);
    // The file names the copies; the object keeps naming the originals.
    std::vector<TextureData> filed = p.object.textures;
    for (auto& t : filed) {
        if (options.CopyBmp && options.MakeSubDir)
            t.Filename = copyBitmapIntoProjectFolder(p, t, projectFolder);
        if (options.MipInfo && options.MakeSubDir) {
            std::string name = fileNameOf(t.Filename);
            std::string mci = projectFolder + withoutLast4(name) + ".mci";
            if (auto err = writeFileAtomically(mci, mipConversionInfoText(t)))
                log.addLine(*err);
            else
                log.addLine("Mip-Conversion Info for " + name + " written/updated !");
        }
    }
    if (auto err = writeFileAtomically(
            p.ProjectFile, fileText(p, filed, namesFolder ? *namesFolder : projectFolderOf(p))))
        return err;
    log.addLine("Project " + p.ProjectFile + " saved !");
    return std::nullopt;
}

std::string countsLine(std::size_t vertices, std::size_t lines, std::size_t polygons,
                       std::size_t textures) {
    return std::to_string(vertices) + " Vertices, " + std::to_string(lines) + " Line(s), " +
           std::to_string(polygons) + " Polygons(s), " + std::to_string(textures) + " Texture(s).";
}

} // namespace meshsmith
