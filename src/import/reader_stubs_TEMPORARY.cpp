// TEMPORARY stand-ins for the model readers and the 3ds Max polygon
// preparation, so that the imports build and run before the real ones are
// merged: a small OBJ + MTL reader, a 3ds Max reader that refuses every file
// and a preparation that keeps the mesh as it is. Delete this file when the
// real definitions arrive.

#include "converter/max_preparation.hpp"
#include "readers/max_ase_reader.hpp"
#include "readers/obj_reader.hpp"

#include <fstream>
#include <map>
#include <sstream>

namespace meshsmith::readers {
namespace {

std::string folderPart(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::int32_t listIndex(long n, std::size_t count) {
    return static_cast<std::int32_t>(n > 0 ? n - 1 : static_cast<long>(count) + n);
}

void readMtl(ObjFile& obj, const std::map<std::string, std::int32_t>& materials) {
    std::ifstream in(obj.mtlPath);
    obj.mtlFound = static_cast<bool>(in);
    std::string line, current;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key, value;
        words >> key;
        while (words >> value) {
        }
        if (key == "newmtl") current = value;
        if (key == "map_Kd" && materials.count(current))
            obj.mesh.materials[static_cast<std::size_t>(materials.at(current))].bitmap = value;
    }
}

MeshFace faceOf(std::istringstream& words, const PlainMesh& mesh,
                const std::vector<std::array<float, 2>>& uvs, std::int32_t material,
                std::size_t line) {
    MeshFace face;
    face.material = material;
    face.line = line;
    std::string group;
    bool textured = true;
    while (words >> group) {
        const auto slash = group.find('/');
        face.corners.insert(face.corners.begin(),
                            listIndex(std::stol(group), mesh.positions.size()));
        const std::string rest = slash == std::string::npos ? "" : group.substr(slash + 1);
        if (rest.empty() || rest[0] == '/')
            textured = false;
        else
            face.uv.insert(face.uv.begin(),
                           uvs[static_cast<std::size_t>(listIndex(std::stol(rest), uvs.size()))]);
    }
    if (!textured) face.uv.clear();
    return face;
}

} // namespace

ObjFile readObjFile(const std::string& path, const ObjRules&) {
    std::ifstream in(path);
    if (!in) throw InputError("Unable to open " + path);
    ObjFile obj;
    std::map<std::string, std::int32_t> materials;
    std::vector<std::array<float, 2>> uvs;
    std::int32_t material = -1;
    std::string text;
    for (std::size_t line = 1; std::getline(in, text); ++line) {
        std::istringstream words(text);
        std::string key, name;
        words >> key;
        float a = 0, b = 0, c = 0;
        if (key == "v" && words >> a >> b >> c) {
            obj.mesh.positions.push_back({a, b, c});
        } else if (key == "vt" && words >> a) {
            words >> b;
            uvs.push_back({a, b});
        } else if (key == "mtllib" && words >> name) {
            obj.mtlPath = folderPart(path) + name;
        } else if (key == "usemtl" && words >> name) {
            auto [at, fresh] =
                materials.try_emplace(name, static_cast<std::int32_t>(obj.mesh.materials.size()));
            if (fresh) obj.mesh.materials.push_back({name, "", line});
            material = at->second;
        } else if (key == "f") {
            obj.mesh.faces.push_back(faceOf(words, obj.mesh, uvs, material, line));
        } else if (key == "v" || key == "vt" || key == "mtllib" || key == "usemtl") {
            throw InputError("Line " + std::to_string(line) + ": " + key + " is incomplete");
        }
    }
    if (!obj.mtlPath.empty()) readMtl(obj, materials);
    return obj;
}

PlainMesh readMaxAseFile(const std::string& path, const MaxRules&) {
    throw InputError(path + ": 3ds Max ASE files cannot be read yet");
}

} // namespace meshsmith::readers

namespace meshsmith::kiln {

readers::PlainMesh prepareMaxPolygons(const readers::PlainMesh& mesh) {
    return mesh;
}

} // namespace meshsmith::kiln
