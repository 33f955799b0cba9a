// The OBJ reader that the converter and the editor's import share: what it
// makes of small OBJ texts under each side's rules.

#include "readers/obj_reader.hpp"
#include "support/prefix_cuts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace meshsmith::readers;
using meshsmith::test::TempFolder;

namespace {

// Lines 1-8: 4 vertices (one after a tab), 3 texture vertices.
const std::string kHead = "\xEF\xBB\xBFmtllib m.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n\tv 1 1 0\n"
                          "vt 0.1 0.2\nvt 0.3 0.4\nvt 0.5 0.6\n";
const std::string kMtl = "newmtl brick\nmap_Kd old.bmp\nmap_Kd -s 1 1 1 tex\\brick.bmp\n"
                         "newmtl roof\nmap_Kd roof.png\n";

struct Case {
    const char* lines; // after kHead
    bool withMtl;
    const char* converter; // what the converter's rules give
    const char* editor;    // what the editor's rules give
};

const Case kCases[] = {
    {"usemtl brick\nf 1/1 2/2 3/3\nusemtl roof\nf -3/-3 -2/-2 -1/-1\nusemtl brick\nf 2/2 1/1 4/3\n",
     true,
     "4p | 2 1 0 uv3(0.5,0.6) m0 | 3 2 1 uv3(0.5,0.6) m1 | 3 0 1 uv3(0.5,0.6) m0 | "
     "brick=tex\\brick.bmp | roof=roof.png | m.mtl",
     nullptr},
    {"usemtl brick\nf 1 2//1 3\n", true, "untextured line 10",
     "4p | 2 1 0 uv0 m0 | brick=tex\\brick.bmp | m.mtl"},
    {"f 1/1 2/2 3/3\n", true,
     "Line 9: a face before any usemtl line: no material names its texture",
     "4p | 2 1 0 uv3(0.5,0.6) m-1 | m.mtl"},
    {"usemtl brick\nf 1/1 2/2 3/3\n", false, "4p | 2 1 0 uv3(0.5,0.6) m0 | brick= | m.mtl missing",
     nullptr},
    {"usemtl brick\nf 1/1 2 3/3\n", true,
     "Line 10: some corners of the face have texture vertices, others not", nullptr},
};

std::string summary(const ObjFile& file, const std::string& folder) {
    std::ostringstream out;
    out << file.mesh.positions.size() << "p";
    for (const MeshFace& face : file.mesh.faces) {
        out << " |";
        for (std::int32_t corner : face.corners)
            out << " " << corner;
        out << " uv" << face.uv.size();
        if (!face.uv.empty()) out << "(" << face.uv[0][0] << "," << face.uv[0][1] << ")";
        out << " m" << face.material;
    }
    for (const MeshMaterial& material : file.mesh.materials)
        out << " | " << material.name << "=" << material.bitmap;
    return out.str() + " | " + file.mtlPath.substr(folder.size()) + (file.mtlFound ? "" : " missing");
}

std::string outcome(const std::string& path, const std::string& folder, const ObjRules& rules) {
    try {
        return summary(readObjFile(path, rules), folder);
    } catch (const UntexturedObjFace& stop) {
        return "untextured line " + std::to_string(stop.line);
    } catch (const InputError& e) {
        return e.what();
    }
}

} // namespace

TEST(ObjMesh, ConverterAndEditorRulesReadTheSameTextsTheirWays) {
    for (const Case& c : kCases) {
        TempFolder dir;
        meshsmith::test::writeFile(dir.file("in.obj"), kHead + c.lines);
        if (c.withMtl) meshsmith::test::writeFile(dir.file("m.mtl"), kMtl);
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(outcome(dir.file("in.obj"), dir.folder(), ObjRules{}), c.converter);
        EXPECT_EQ(outcome(dir.file("in.obj"), dir.folder(), ObjRules{false, false}),
                  c.editor ? c.editor : c.converter);
    }
}

// The converter's rules meet cut-off files in the fuzz replay; the editor's
// must refuse them only with an InputError, never with the untextured stop.
TEST(ObjMesh, EveryCutOffBeginningReadsOrIsRefusedUnderTheEditorsRules) {
    const std::string text = kHead + kCases[0].lines;
    for (std::size_t cut : meshsmith::test::prefixCuts(text)) {
        TextSource source(text.substr(0, cut));
        std::string first;
        try {
            readstr(source, first);
            readObj(source, first, ObjRules{false, false});
        } catch (const InputError&) {
        }
    }
}
