#include "max_materials.hpp"

#include "reader_helpers.hpp"
#include "text_input.hpp"

namespace meshsmith::kiln {

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
    MaterialPass(KilnState& k, TextSource& file, MaxMaterials& out)
        : k_(k), file_(file), out_(out) {}

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
        material().subBitmaps.push_back(-1);
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
        const std::string name = textureName(file_, textureNameOf(quotedText(line)));
        if (name.empty()) return;
        const std::int32_t entry = findOrAppendString(k_, name);
        if (name == "clipper" && k_.clipperStringNum == -1) k_.clipperStringNum = entry;
        (inSub_ ? material().subBitmaps.back() : material().bitmap) = entry;
    }

    MaxMaterial& material() { return out_.materials[static_cast<std::size_t>(current_)]; }

    KilnState& k_;
    TextSource& file_;
    MaxMaterials& out_;
    std::int32_t current_ = -1;
    bool inSub_ = false, bitmapTaken_ = true, nameTaken_ = true;
};

} // namespace

bool readMaterialList(KilnState& k, TextSource& file, std::string& line, MaxMaterials& out) {
    out = MaxMaterials{};
    std::int32_t count = -1;
    bool found = false;
    while (!found && readstr(file, line))
        found = matches(line, " *MATERIAL_COUNT %i", {&count});
    if (!found) {
        file.rewind();
        return false;
    }
    if (count < 0) throw lineError(file, "*MATERIAL_COUNT needs a number of materials");
    if (count > kMaxStrings) throw CapacityError("material", kMaxStrings);
    out.listed = true;
    out.materials.resize(static_cast<std::size_t>(count));
    MaterialPass pass(k, file, out);
    while (readstr(file, line))
        if (!pass.read(line)) return true;
    return false;
}

std::int32_t getString(const MaxMaterials& list, int matNum, int subMatNum) {
    if (matNum < 0 || matNum >= static_cast<int>(list.materials.size())) return -1;
    const MaxMaterial& m = list.materials[static_cast<std::size_t>(matNum)];
    if (m.subBitmaps.empty()) return m.bitmap;
    const auto n = static_cast<int>(m.subBitmaps.size());
    const int sub = ((subMatNum % n) + n) % n;
    return m.subBitmaps[static_cast<std::size_t>(sub)];
}

} // namespace meshsmith::kiln
