#include "bitmap_lookup.hpp"
#include "edits/edit.hpp"
#include "geometry_append.hpp"
#include "paths.hpp"
#include "project_file.hpp"
#include "project_file_reader.hpp"
#include "text_file.hpp"

namespace meshsmith {
namespace {

enum class BitmapOutcome { Found, Cancelled, NameTooLong };

// Finds the bitmaps of freshly read textures, asking the user for those that
// are missing. A name found beside an earlier re-selected file is taken from
// there (the user's last folder); relative names resolve against `baseFolder`
// (the folder of the file read). Every name found is kept absolute.
class BitmapResolver {
  public:
    BitmapResolver(std::string baseFolder, UserPrompts& prompts,
                   MissingBitmaps missing = MissingBitmaps::Reselect)
        : baseFolder_(std::move(baseFolder)), prompts_(prompts), missing_(missing) {}

    BitmapOutcome resolve(std::string& stored, bool isMask) {
        if (auto found = locateBitmap(baseFolder_, stored, lastFoundFolder_)) {
            stored = *found;
            return BitmapOutcome::Found;
        }
        if (missing_ == MissingBitmaps::Keep) {
            stored = storedForm(stored);
            return BitmapOutcome::Found;
        }
        prompts_.showMessage("Bitmap " + stored + " not found." + "\r" + " Re-select file !");
        auto chosen = prompts_.reselectBitmap(stored);
        if (!chosen) return isMask ? BitmapOutcome::Found : BitmapOutcome::Cancelled;
        if (fileNameOf(*chosen).size() > 12) {
            tooLongMessage_ = "Filename must not exceed 8 characters !\r\rLength of selected: " +
                              withoutLast4(*chosen);
            return BitmapOutcome::NameTooLong;
        }
        lastFoundFolder_ = folderOf(*chosen);
        stored = storedForm(*chosen);
        return BitmapOutcome::Found;
    }

    BitmapOutcome resolveAll(std::vector<TextureData>& textures) {
        for (auto& t : textures) {
            auto r = resolve(t.Filename, false);
            if (r != BitmapOutcome::Found) return r;
            if (t.MaskFilename.empty()) continue;
            r = resolve(t.MaskFilename, true);
            if (r != BitmapOutcome::Found) return r;
        }
        return BitmapOutcome::Found;
    }

    const std::string& tooLongMessage() const { return tooLongMessage_; }

  private:
    std::string storedForm(const std::string& path) const {
        return absoluteBitmapPath(baseFolder_, path);
    }

    std::string baseFolder_;
    UserPrompts& prompts_;
    MissingBitmaps missing_;
    std::string lastFoundFolder_;
    std::string tooLongMessage_;
};

OperationResult failLoad(Project& p, const std::string& path, const FileError& e, LogSink& log) {
    resetProject(p);
    startHistory(p);
    return fileFailure(log, "loading", path, e);
}

} // namespace

OperationResult loadProject(Project& p, const std::string& path, UserPrompts& prompts, LogSink& log,
                            MissingBitmaps missing) {
    log.addLine("Loading Project......");
    TextLines file = readTextLines(path);
    if (!file.ok()) return failLoad(p, path, {file.error, 0}, log);

    ParsedProject parsed;
    parsed.data = p;
    parsed.data.object = TrackObject{};
    FileError error;
    if (!parseProjectLines(file.lines, SectionChoice::All, parsed, error) ||
        !validateProjectReferences(parsed, error))
        return failLoad(p, path, error, log);

    BitmapResolver bitmaps(folderOf(path), prompts, missing);
    switch (bitmaps.resolveAll(parsed.data.object.textures)) {
    case BitmapOutcome::Cancelled:
        resetProject(p);
        startHistory(p);
        log.addLine("All Data Cleared !");
        return OperationResult::cancelled();
    case BitmapOutcome::NameTooLong:
        return failLoad(p, path, {bitmaps.tooLongMessage(), 0}, log);
    case BitmapOutcome::Found:
        break;
    }

    p = std::move(parsed.data);
    p.ProjectFile = path;
    p.ProjectName = withoutLast4(fileNameOf(path));
    for (const auto& w : parsed.warnings)
        log.addLine(w);
    log.addLine("");
    log.addLine("Loaded from Project " + path + ": ");
    log.addLine(countsLine(p.object.vertices.size(), p.object.lines.size(),
                           p.object.polygons.size(), p.object.textures.size()));
    p.GeometryPresent = true;
    updateBounds(p);
    startHistory(p);
    return {};
}

OperationResult addFromProject(Project& p, const std::string& path, UserPrompts& prompts,
                               LogSink& log) {
    auto fail = [&](const std::string& message, std::size_t line) {
        return fileFailure(log, "adding from", path, {message, line});
    };
    TextLines file = readTextLines(path);
    if (!file.ok()) return fail(file.error, 0);
    ParsedProject parsed;
    FileError error;
    if (!parseProjectLines(file.lines, SectionChoice::Geometry, parsed, error) ||
        !validateProjectReferences(parsed, error))
        return fail(error.message, error.line);

    VertexOffset offset;
    if (parsed.hasVertices) {
        auto answer = prompts.askVertexOffset();
        if (!answer) return OperationResult::cancelled();
        offset = *answer;
    }
    BitmapResolver bitmaps(folderOf(path), prompts);
    switch (bitmaps.resolveAll(parsed.data.object.textures)) {
    case BitmapOutcome::Cancelled:
        return OperationResult::cancelled();
    case BitmapOutcome::NameTooLong:
        return fail(bitmaps.tooLongMessage(), 0);
    case BitmapOutcome::Found:
        break;
    }

    TrackObject& added = parsed.data.object;
    const std::string counts = countsLine(added.vertices.size(), added.lines.size(),
                                          added.polygons.size(), added.textures.size());
    AddedGeometry geometry{std::move(added.vertices), std::move(parsed.lineOfVertex),
                           std::move(added.textures), std::move(added.lines),
                           std::move(added.polygons)};
    if (auto failure = appendGeometry(p.object, std::move(geometry), offset))
        return fail(failure->message, failure->line);
    if (parsed.hasTextures) {
        log.addLine("Rebuilding Texture Library.....");
        log.addLine("Done.");
    }
    log.addLine("");
    log.addLine("Added from Project " + path + ": ");
    log.addLine(counts);
    if (!p.object.vertices.empty()) p.GeometryPresent = true;
    updateBounds(p);
    return {};
}

} // namespace meshsmith
