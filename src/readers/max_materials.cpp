#include "max_materials.hpp"

#include "capacity_error.hpp"
#include "reader_text.hpp"
#include "scan_format.hpp"

namespace meshsmith::readers {

namespace {

// The text between the first and the last quote of a line (to its end when
// the closing quote is missing); empty without a quote.
std::string quotedText(const std::string& line) {
    const std::size_t open = line.find('"');
    const std::size_t close = line.rfind('"');
    if (open == std::string::npos) return {};
    if (close == open) return trimmed(std::string_view(line).substr(open + 1));
    return line.substr(open + 1, close - open - 1);
}

class MaterialPass {
  public:
    MaterialPass(TextSource& file, MaxMaterialList& out, MaxAseObserver* observer)
        : file_(file), out_(out), observer_(observer) {}

    // Reads one line of the list; false at the " *GEOMOBJECT" line.
    bool read(const std::string& line) {
        std::int32_t n = 0;
        std::string token;
        if (matches(line, " *GEOMOBJECT %s", {&token})) return false;
        if (matches(line, " *MATERIAL %i", {&n}))
            startMaterial(n);
        else if (matches(line, " *SUBMATERIAL %i", {&n}))
            startSubMaterial();
        else if (matches(line, " *MATERIAL_NAME %s", {&token}))
            takeName(line);
        else if (matches(line, " *BITMAP \"%s\"", {&token}))
            takeBitmap(line);
        return true;
    }

  private:
    void startMaterial(std::int32_t n) {
        const auto count = static_cast<std::int32_t>(out_.materials.size());
        if (n < 0 || n >= count)
            throw lineError(file_, "material " + std::to_string(n) + " is outside the " +
                                       std::to_string(count) + " materials of *MATERIAL_COUNT");
        current_ = n;
        inSub_ = false;
        bitmapTaken_ = false;
        nameTaken_ = false;
        material().subBitmaps.clear();
    }

    void startSubMaterial() {
        if (current_ < 0) throw lineError(file_, "*SUBMATERIAL outside a material");
        material().subBitmaps.emplace_back();
        inSub_ = true;
        bitmapTaken_ = false;
    }

    void takeName(const std::string& line) {
        if (current_ < 0 || inSub_ || nameTaken_) return;
        material().name = quotedText(line);
        nameTaken_ = true;
    }

    // Only the first bitmap of a material or sub-material is its texture
    // (the diffuse map comes first); later maps (bump, opacity ...) are not.
    void takeBitmap(const std::string& line) {
        if (current_ < 0 || bitmapTaken_) return;
        bitmapTaken_ = true;
        const std::string path = quotedText(line);
        const std::string texture = textureName(file_, textureNameOf(path));
        if (texture.empty()) return;
        if (observer_) observer_->bitmap(texture);
        (inSub_ ? material().subBitmaps.back() : material().bitmap) =
            MaxBitmap{path, file_.lineNumber()};
    }

    MaxMaterial& material() { return out_.materials[static_cast<std::size_t>(current_)]; }

    TextSource& file_;
    MaxMaterialList& out_;
    MaxAseObserver* observer_;
    std::int32_t current_ = -1;
    bool inSub_ = false, bitmapTaken_ = true, nameTaken_ = true;
};

void addMeshMaterial(std::optional<MaxBitmap>& bitmap, const std::string& name,
                     std::vector<MeshMaterial>& out) {
    if (!bitmap) return;
    bitmap->index = static_cast<std::int32_t>(out.size());
    out.push_back(MeshMaterial{name, bitmap->path, bitmap->line});
}

} // namespace

bool readMaxMaterialList(TextSource& file, std::string& line, MaxMaterialList& out,
                         MaxAseObserver* observer) {
    out = MaxMaterialList{};
    std::int32_t count = -1;
    bool found = false;
    while (!found && readstr(file, line))
        found = matches(line, " *MATERIAL_COUNT %i", {&count});
    if (!found) {
        file.rewind();
        return false;
    }
    if (count < 0) throw lineError(file, "*MATERIAL_COUNT needs a number of materials");
    if (count > kMaxMaterials) throw CapacityError("material", kMaxMaterials);
    out.listed = true;
    out.materials.resize(static_cast<std::size_t>(count));
    MaterialPass pass(file, out, observer);
    while (readstr(file, line))
        if (!pass.read(line)) return true;
    return false;
}

std::vector<MeshMaterial> meshMaterialsOf(MaxMaterialList& list) {
    std::vector<MeshMaterial> out;
    for (MaxMaterial& m : list.materials) {
        if (m.subBitmaps.empty()) addMeshMaterial(m.bitmap, m.name, out);
        for (std::size_t s = 0; s < m.subBitmaps.size(); ++s)
            addMeshMaterial(m.subBitmaps[s], m.name + "/" + std::to_string(s), out);
    }
    return out;
}

int subMaterialOf(int subMatNum, int count) {
    return ((subMatNum % count) + count) % count;
}

const MaxBitmap* bitmapOf(const MaxMaterialList& list, int matNum, int subMatNum) {
    if (matNum < 0 || matNum >= static_cast<int>(list.materials.size())) return nullptr;
    const MaxMaterial& m = list.materials[static_cast<std::size_t>(matNum)];
    if (m.subBitmaps.empty()) return m.bitmap ? &*m.bitmap : nullptr;
    const auto& sub = m.subBitmaps[static_cast<std::size_t>(
        subMaterialOf(subMatNum, static_cast<int>(m.subBitmaps.size())))];
    return sub ? &*sub : nullptr;
}

} // namespace meshsmith::readers
