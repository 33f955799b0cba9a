#include "max_object.hpp"

#include "reader_text.hpp"

namespace meshsmith::readers {

namespace {

std::string withoutBitmap(const MaxObject& object, const MaxMaterialList& list, std::int32_t ref,
                          const MaxFace& f) {
    const MaxMaterial& m = list.materials[static_cast<std::size_t>(ref)];
    std::string which = "material " + std::to_string(ref) + " (\"" + m.name + "\")";
    if (!m.subBitmaps.empty()) {
        const int sub = subMaterialOf(f.materialId, static_cast<int>(m.subBitmaps.size()));
        which = "sub-material " + std::to_string(sub) + " of " + which;
    }
    return object.label() + " uses " + which + ", which has no bitmap";
}

} // namespace

std::string MaxObject::label() const {
    return (named ? "Mesh " + name : std::string("The mesh")) + " (line " + std::to_string(line) +
           ")";
}

std::size_t checkedIndex(const TextSource& file, const MaxObject& object, std::int32_t n,
                         std::size_t size, const char* what, const char* countLine) {
    if (n < 0 || static_cast<std::size_t>(n) >= size)
        throw lineError(file, std::string(what) + " " + std::to_string(n) + " is outside the " +
                                  std::to_string(size) + " of " + countLine + " of " +
                                  object.label());
    return static_cast<std::size_t>(n);
}

void requireTextures(const TextSource& file, const MaxObject& object, const MaxMaterialList& list,
                     std::optional<std::int32_t> ref) {
    if (!ref)
        throw InputError(object.label() +
                         " has faces but no *MATERIAL_REF: give it a material with a bitmap");
    if (!list.listed)
        throw lineError(file, "*MATERIAL_REF " + std::to_string(*ref) + " of " + object.label() +
                                  " names a material, but the file has no material list "
                                  "(*MATERIAL_COUNT)");
    checkedIndex(file, object, *ref, list.materials.size(), "material", "*MATERIAL_COUNT");
    for (std::size_t i = 0; i < object.faces.size(); ++i) {
        const MaxFace& f = object.faces[i];
        if (!f.given)
            throw lineError(file,
                            object.label() + ": face " + std::to_string(i) + " was not given");
        if (!bitmapOf(list, *ref, f.materialId))
            throw lineError(file, withoutBitmap(object, list, *ref, f));
    }
    for (std::size_t i = 0; i < object.faces.size(); ++i)
        if (!object.faces[i].textured)
            throw lineError(file, object.label() + ": face " + std::to_string(i) +
                                      " has no texture coordinates (*MESH_TFACE)");
}

void takeFaces(const MaxObject& object, const MaxMaterialList& list,
               std::optional<std::int32_t> ref, std::vector<MeshFace>& out) {
    for (const MaxFace& f : object.faces) {
        if (!f.given) continue;
        MeshFace face;
        face.corners.assign(f.corner.begin(), f.corner.end());
        face.line = f.line;
        const MaxBitmap* bitmap = ref && f.textured ? bitmapOf(list, *ref, f.materialId) : nullptr;
        if (bitmap) {
            face.material = bitmap->index;
            face.uv.assign(f.uv.begin(), f.uv.end());
        }
        out.push_back(std::move(face));
    }
}

} // namespace meshsmith::readers
