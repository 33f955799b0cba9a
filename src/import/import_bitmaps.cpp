#include "import/import_bitmaps.hpp"

#include "import/bitmap_resample.hpp"
#include "model/bitmap_lookup.hpp"
#include "model/edits/texture_edits.hpp"
#include "model/paths.hpp"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace meshsmith {
namespace {

// What became of one bitmap: the texture it is, or why it is none.
struct Use {
    std::int32_t texture = NoTexture;
    std::string reason;
};

// A message box text on one line: its breaks and runs of blanks one blank each.
std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r' || c == '\n') c = ' ';
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    }
    return out;
}

Use notUsed(const std::string& why) {
    return {NoTexture, "not used (" + oneLine(why) + ")"};
}

bool isBmpName(const std::string& path) {
    std::string name = fileNameOf(path);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.size() > 4 && name.ends_with(".bmp");
}

// "wall.png" -> "wall.bmp" in the same folder.
std::string bmpBeside(const std::string& path) {
    const std::string name = fileNameOf(path);
    const auto dot = name.rfind('.');
    return folderOf(path) + (dot == std::string::npos ? name : name.substr(0, dot)) + ".bmp";
}

// Loads the bitmaps of one import, each file once, into a copy of the library.
class BitmapImport {
  public:
    BitmapImport(const Project& p, const std::string& sourcePath, const ImageDecoder* decoder,
                 UserPrompts& prompts, LogSink& log)
        : library_(p.object.textures), libraryFolder_(projectFolderOf(p)),
          sourceFolder_(folderOf(sourcePath)), decoder_(decoder), prompts_(prompts), log_(log),
          first_(library_.size()) {}

    // The bitmap a material names; `where` becomes the file found, or the name.
    Use use(const std::string& named, std::string& where) {
        const auto found = locateBitmap(sourceFolder_, named);
        where = found ? *found : named;
        if (!found) return {NoTexture, "not found"};
        auto [at, fresh] = done_.try_emplace(*found);
        if (fresh) at->second = isBmpName(*found) ? loadBmp(*found) : convert(*found);
        return at->second;
    }

    std::vector<TextureData> added() const {
        return {library_.begin() + static_cast<std::ptrdiff_t>(first_), library_.end()};
    }
    std::vector<std::string> notes;

  private:
    std::optional<std::int32_t> textureOfFile(const std::string& path) const {
        for (std::size_t k = 0; k < library_.size(); ++k)
            if (sameFile(resolveAgainst(libraryFolder_, library_[k].Filename), path))
                return static_cast<std::int32_t>(k);
        return std::nullopt;
    }

    // The name rule and the duplicate rule of "Load Texture".
    OperationResult admissible(const std::string& path) const {
        if (OperationResult r = checkTextureName(path); !r.done()) return r;
        return checkDuplicateName(library_, libraryFolder_, path);
    }

    Use loadBmp(const std::string& path) {
        if (auto texture = textureOfFile(path)) return {*texture, {}};
        if (OperationResult r = admissible(path); !r.done()) return notUsed(r.message);
        BmpImage image;
        if (OperationResult r = readBmpFile(path, image); !r.done()) return notUsed(r.message);
        if (OperationResult r = checkTextureSize(image); !r.done()) return notUsed(r.message);
        TextureData texture;
        texture.Filename = path;
        library_.push_back(std::move(texture));
        notes.push_back("Texture " + path + " loaded");
        return {static_cast<std::int32_t>(library_.size() - 1), {}};
    }

    Use convert(const std::string& path) {
        const std::string target = bmpBeside(path);
        if (fileExists(target)) return loadBmp(target);
        if (!decoder_) return notUsed("only the editor converts an image that is not a BMP");
        if (OperationResult r = admissible(target); !r.done()) return notUsed(r.message);
        const std::optional<BmpImage> image = decoder_->decode(path);
        if (!image || image->width < 1 || image->height < 1)
            return notUsed("it cannot be read as an image");
        const int w = nearestTextureSide(image->width), h = nearestTextureSide(image->height);
        const std::string size = std::to_string(w) + " x " + std::to_string(h);
        const std::string question = fileNameOf(path) + " is " + std::to_string(image->width) +
                                     " x " + std::to_string(image->height) + " pixels: write " +
                                     fileNameOf(target) + ", " + size + ", beside it and use it ?";
        if (prompts_.askYesNo("Convert Bitmap", question) != Answer::Yes)
            return notUsed("not converted to a BMP");
        if (OperationResult r = writeBmpFile(target, resampleImage(*image, w, h)); !r.done())
            return notUsed(r.message);
        log_.addLine("Wrote " + target + " (" + size + ") from " + fileNameOf(path));
        return loadBmp(target);
    }

    std::vector<TextureData> library_;
    std::string libraryFolder_, sourceFolder_;
    const ImageDecoder* decoder_;
    UserPrompts& prompts_;
    LogSink& log_;
    std::size_t first_;
    std::map<std::string, Use> done_; // by the file found
};

// The problem's entry, one per bitmap (a material without one has its own).
std::int32_t problemEntry(std::vector<BitmapProblem>& problems, BitmapProblem problem) {
    auto same = [&](const BitmapProblem& q) {
        return !problem.bitmap.empty() && q.bitmap == problem.bitmap;
    };
    auto at = std::find_if(problems.begin(), problems.end(), same);
    if (at == problems.end()) at = problems.insert(problems.end(), std::move(problem));
    return static_cast<std::int32_t>(at - problems.begin());
}

} // namespace

MaterialTextures materialTextures(const Project& p,
                                  const std::vector<readers::MeshMaterial>& materials,
                                  const std::vector<bool>& used, const std::string& sourcePath,
                                  const ImageDecoder* decoder, UserPrompts& prompts, LogSink& log) {
    MaterialTextures out;
    out.texture.assign(materials.size(), NoTexture);
    out.problem.assign(materials.size(), -1);
    BitmapImport bitmaps(p, sourcePath, decoder, prompts, log);
    for (std::size_t m = 0; m < materials.size(); ++m) {
        if (!used[m]) continue;
        const readers::MeshMaterial& material = materials[m];
        if (material.bitmap.empty()) {
            out.problem[m] = problemEntry(out.problems, {"", material.name, "names no bitmap"});
            continue;
        }
        std::string where;
        Use use = bitmaps.use(material.bitmap, where);
        out.texture[m] = use.texture;
        if (use.texture == NoTexture)
            out.problem[m] = problemEntry(out.problems, {where, material.name, use.reason});
    }
    out.added = bitmaps.added();
    out.notes = std::move(bitmaps.notes);
    return out;
}

std::string problemLine(const BitmapProblem& problem, std::size_t polygons) {
    const std::string subject =
        problem.bitmap.empty() ? "Material " + problem.material : "Bitmap " + problem.bitmap;
    return subject + " " + problem.reason + ": " + std::to_string(polygons) +
           " polygon(s) left untextured";
}

} // namespace meshsmith
