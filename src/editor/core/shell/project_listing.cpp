#include "editor/core/shell/project_listing.hpp"

#include "model/bitmap_lookup.hpp"

#include "model/number_text.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

using Lines = std::vector<std::string>;

std::string n(std::size_t value) {
    return std::to_string(value);
}

// A number column: right-aligned like padText, but never cut, since a cut
// number would show a different value.
std::string numberColumn(const std::string& number, std::size_t width) {
    return number.size() >= width ? number : padText(number, width, false);
}

std::string joined(const std::vector<std::int32_t>& values, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < std::min(count, values.size()); ++i)
        s += (i ? "," : "") + std::to_string(values[i]);
    return s;
}

std::size_t polygonCorners(const ObjectData& polygon) {
    return polygon.VertexCount > 1 ? static_cast<std::size_t>(polygon.VertexCount - 1) : 0;
}

void addHeader(Lines& out, const Project& p, ListingForm form) {
    if (form == ListingForm::Print)
        out.insert(out.end(), {" ", "= = = = = Project Data Printout = = = = =",
                               "= = = = =    by Meshsmith       = = = = ="});
    else
        out.insert(out.end(), {"= = = = = = = Project Data = = = = = = =",
                               "= = = = =     by Meshsmith     = = = = ="});
    out.insert(out.end(),
               {" ", "Project Description:", p.object.ProjectDescription, " ",
                "Project Filename:", p.ProjectFile, " ", " ", "Object Visibility within GPL:",
                displayClassCaption(p.object.DisplayClass), " ", " "});
}

void addVertices(Lines& out, const Project& p) {
    out.insert(out.end(),
               {"Number of Vertices: " + n(p.object.vertices.size()), " ", "Vertex Values:", " "});
    for (std::size_t i = 0; i < p.object.vertices.size(); ++i) {
        const Vertex& v = p.object.vertices[i];
        out.push_back(
            padText("Vertex " + n(i), 10, true) + " X:" + numberColumn(vertexReal(v.X), 9) +
            "  Y:" + numberColumn(vertexReal(v.Y), 9) + "  Z:" + numberColumn(vertexReal(v.Z), 9));
    }
    out.insert(out.end(), {" ", " "});
}

std::string repeatText(std::int32_t repeat) {
    switch (repeat) {
    case 0:
        return "Repeat Texture: No";
    case 1:
        return "Repeat Texture: Horizontal";
    case 2:
        return "Repeat Texture: Vertical";
    case 3:
        return "Repeat Texture: Horizontal & Vertical";
    default:
        return "Repeat Texture: " + std::to_string(repeat);
    }
}

void addTextures(Lines& out, const Project& p) {
    if (p.object.textures.empty()) {
        out.push_back("Number Of Textures: 0");
    } else {
        out.insert(out.end(), {"Number Of Textures: " + n(p.object.textures.size()), " "});
        for (std::size_t i = 0; i < p.object.textures.size(); ++i) {
            const TextureData& t = p.object.textures[i];
            // As the project file names them (relative to its folder where they lie there).
            const std::string folder = projectFolderOf(p);
            out.push_back("Texture " + n(i) + ": " + bitmapNameInFile(t.Filename, folder));
            out.push_back(t.Transparent == 0 ? "Transparent: No" : "Transparent: Yes");
            if (t.Transparent == 1) out.push_back("Mask Filename: " + bitmapNameInFile(t.MaskFilename, folder));
            out.push_back(repeatText(t.RepeatValue));
            out.push_back(" ");
        }
        out.push_back(" ");
    }
    out.push_back(" ");
}

void addPolygons(Lines& out, const Project& p) {
    if (p.object.polygons.empty()) {
        out.push_back("Number Of Polygons: 0");
    } else {
        out.insert(out.end(), {"Number Of Polygons: " + n(p.object.polygons.size()), " "});
        for (std::size_t i = 0; i < p.object.polygons.size(); ++i) {
            const ObjectData& poly = p.object.polygons[i];
            out.push_back("Polygon " + n(i) + ":");
            out.push_back("Referenced Vertices: " +
                          joined(poly.VertexIndices, polygonCorners(poly)));
            out.push_back(poly.TextureIndex == NoTexture
                              ? "Referenced Texture: None"
                              : "Referenced Texture: " + std::to_string(poly.TextureIndex));
            out.push_back(" ");
        }
        out.push_back(" ");
    }
    out.push_back(" ");
}

void addLines(Lines& out, const Project& p, ListingForm form) {
    if (p.object.lines.empty()) {
        out.push_back("Number Of Lines: 0");
    } else {
        const char* label =
            form == ListingForm::Print ? "Number Of Lines: " : "Number Of Line(s): ";
        out.insert(out.end(), {label + n(p.object.lines.size()), " "});
        for (std::size_t i = 0; i < p.object.lines.size(); ++i) {
            const ObjectData& line = p.object.lines[i];
            out.push_back("Line " + n(i) + ":");
            out.push_back("Referenced Vertices: " + joined(line.VertexIndices, 2));
            out.push_back("Line Color (RGB): " + real5(line.Red) + "," + real5(line.Green) + "," +
                          real5(line.Blue));
            out.push_back(" ");
        }
        out.push_back(" ");
    }
    out.push_back(" ");
}

std::string reboundCaption(std::int32_t code) {
    const auto& captions = reboundCaptions();
    if (code >= 0 && static_cast<std::size_t>(code) < captions.size())
        return captions[static_cast<std::size_t>(code)];
    return std::to_string(code);
}

void addCollision(Lines& out, const Project& p, ListingForm form) {
    if (p.object.collision.empty()) {
        out.push_back(form == ListingForm::Print ? "Number of Collision Volumes: 0"
                                                 : "Number Of Collision Volumes: 0");
    } else {
        out.push_back("Collision Volumes: " + n(p.object.collision.size()));
        for (std::size_t i = 0; i < p.object.collision.size(); ++i) {
            const CollVol& volume = p.object.collision[i];
            out.insert(out.end(), {" ", "Volume " + n(i) + ":"});
            // A plane count that disagrees with its lists never reads past them.
            std::size_t planes =
                std::min({static_cast<std::size_t>(std::max(volume.PlaneCount, 0)),
                          volume.PlanePolygons.size(), volume.PlaneRebounds.size()});
            for (std::size_t j = 0; j < planes; ++j)
                out.push_back(
                    "Plane " + n(j) +
                    ": Collision Charateristic = " + reboundCaption(volume.PlaneRebounds[j]) +
                    ", Referenced Polygon(Plane) = " + std::to_string(volume.PlanePolygons[j]));
        }
    }
    out.push_back(" ");
}

} // namespace

std::string padText(const std::string& text, std::size_t width, bool right) {
    if (text.size() >= width) return text.substr(0, width);
    std::string blanks(width - text.size(), ' ');
    return right ? text + blanks : blanks + text;
}

std::vector<std::string> projectListing(const Project& p, ListingForm form) {
    Lines out;
    out.reserve(40 + p.object.vertices.size() +
                5 * (p.object.textures.size() + p.object.polygons.size() + p.object.lines.size()));
    addHeader(out, p, form);
    addVertices(out, p);
    addTextures(out, p);
    addPolygons(out, p);
    addLines(out, p, form);
    addCollision(out, p, form);
    return out;
}

const std::vector<std::string>& displayClassCaptions() {
    static const std::vector<std::string> captions = {
        "Track surface        (Textured on/off)",
        "Terrain                   (Texture on/off)",
        "Wall                       (Texture on/off)",
        "Trackside object    (Texture on/off)",
        "Car                         (Texture on/off)",
        "Horizon                  (Texture on/off)",
        "Crowd                    (Texture on/off)",
        "Cloud                     (Entire Object on/off)",
        "Tree                       (Entire Object on/off)",
        "Driver arms            (Entire Object on/off)",
        "Cockpit interior      (Texture on/off)",
        "Driver texture         (Texture on/off)",
        "Racing groove      (Entire Object on/off)",
    };
    return captions;
}

const std::vector<std::string>& reboundCaptions() {
    static const std::vector<std::string> captions = {
        "Undefined", "Asphalt", "Concrete", "Paint",   "Grass",      "Dirt",  "Sand",   "Gravel",
        "Water",     "Armco",   "TireWall", "Haybale", "ChainFence", "Shrub", "Forest", "WoodFence",
    };
    return captions;
}

std::string displayClassCaption(int displayClass) {
    // Classes 9 to 16 are not offered; the four highest classes follow entry 8.
    int entry = displayClass >= 17 && displayClass <= 20 ? displayClass - 8 : displayClass;
    const auto& captions = displayClassCaptions();
    if (entry < 0 || static_cast<std::size_t>(entry) >= captions.size()) return "";
    return captions[static_cast<std::size_t>(entry)];
}

} // namespace meshsmith
