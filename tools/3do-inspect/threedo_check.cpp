#include "threedo_check.hpp"

#include "threedo_geometry.hpp"

#include <algorithm>
#include <cmath>

namespace meshsmith::inspect3do {

std::string summaryLine(const CheckSummary& s) {
    return "OK: " + std::to_string(s.vertices) + " vertices, " + std::to_string(s.planes) +
           " planes, " + std::to_string(s.strings) + " strings, " + std::to_string(s.records) +
           " records (" + std::to_string(s.nodes) + " nodes, " + std::to_string(s.polygons) +
           " polygons), " + std::to_string(s.volumes) + " collision volumes" +
           (s.thinPolygons == 0 ? ""
                                : ", " + std::to_string(s.thinPolygons) +
                                      " polygons too thin to judge their facing");
}

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

class Checker {
  public:
    Checker(const ThreeDoFile& file, CheckDepth depth)
        : f_(file), depth_(depth), referenced_(file.records.size(), false) {}

    CheckResult run() {
        CheckResult result;
        // A file cut short by a layout fault is not checked any further.
        if (f_.chunks.size() < 4) {
            result.violation = Violation{"file was not read to its end", false, 0};
            return result;
        }
        if (checkTables() && checkRoot() && checkRecords() && checkTree() && checkCollision() &&
            checkGeometry())
            result.summary = summary();
        result.violation = std::move(violation_);
        return result;
    }

  private:
    const ThreeDoFile& f_;
    CheckDepth depth_;
    std::vector<bool> referenced_; // per record: some offset names it
    std::size_t root_ = kNone;
    std::optional<Violation> violation_;
    std::size_t thinPolygons_ = 0;

    bool failAtData(std::string what, std::int64_t offset) {
        violation_ = Violation{std::move(what), true, offset};
        return false;
    }
    bool failAtFile(std::string what, std::int64_t offset) {
        violation_ = Violation{std::move(what), false, offset};
        return false;
    }
    std::size_t indexOf(const Record* record) const {
        return static_cast<std::size_t>(record - f_.records.data());
    }
    const Record& at(std::int32_t offset) const { return *f_.recordAt(offset); }

    bool checkTables() {
        const std::int64_t vertexStart = f_.chunks[0].fileOffset + 12;
        for (std::size_t i = 0; i < f_.vertices.size(); ++i) {
            const Vertex& v = f_.vertices[i];
            const auto offset = vertexStart + 16 * static_cast<std::int64_t>(i);
            if (v.w != 0.0f)
                return failAtFile("vertex " + std::to_string(i) + " does not start with 0.0",
                                  offset);
            if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z))
                return failAtFile("vertex " + std::to_string(i) + " is not finite", offset);
        }
        const std::int64_t planeStart = f_.chunks[1].fileOffset + 12;
        for (std::size_t i = 0; i < f_.planes.size(); ++i) {
            const Plane& p = f_.planes[i];
            if (!std::isfinite(p.a) || !std::isfinite(p.b) || !std::isfinite(p.c) ||
                !std::isfinite(p.d))
                return failAtFile("plane " + std::to_string(i) + " is not finite",
                                  planeStart + 16 * static_cast<std::int64_t>(i));
        }
        return true;
    }

    bool checkRoot() {
        const std::int32_t root = f_.rootOffset;
        if (f_.records.empty() && root == -1) return true;
        const Record* record = f_.recordAt(root);
        if (record == nullptr)
            return failAtData("root offset " + std::to_string(root) + " does not start a record",
                              0);
        if (!isNodeType(record->type))
            return failAtData("root offset " + std::to_string(root) + " does not name a node", 0);
        root_ = indexOf(record);
        return true;
    }

    // The earlier record that `offset` in `from` names; kNone after a fault.
    std::size_t resolve(std::int32_t offset, const Record& from, const std::string& field) {
        if (offset < 0 || offset >= from.offset) {
            failAtData(field + " offset " + std::to_string(offset) +
                           " does not point back to an earlier record",
                       from.offset);
            return kNone;
        }
        const Record* target = f_.recordAt(offset);
        if (target == nullptr) {
            failAtData(field + " offset " + std::to_string(offset) + " does not start a record",
                       from.offset);
            return kNone;
        }
        return indexOf(target);
    }

    // Counts the one reference a record may have. Refusing a second one at once
    // also keeps the kind checks linear: no list is looked through more than twice.
    bool claim(std::size_t index) {
        const std::int32_t offset = f_.records[index].offset;
        if (index == root_)
            return failAtData("root node is also referenced by another record", offset);
        if (referenced_[index]) return failAtData("record is referenced more than once", offset);
        referenced_[index] = true;
        return true;
    }

    // A record of the kind `single`, or a list whose items all are.
    template <typename Kind> bool isOneOrList(const Record& record, Kind single) const {
        if (single(record.type)) return true;
        if (record.type != kListRecord) return false;
        return std::all_of(record.items.begin(), record.items.end(),
                           [&](std::int32_t item) { return single(at(item).type); });
    }
    static bool isGroupType(std::int32_t type) { return type == kTextureGroupRecord; }

    bool checkRecords() {
        for (const Record& record : f_.records)
            if (!checkRecord(record)) return false;
        return true;
    }

    bool checkRecord(const Record& r) {
        if (isPolygonType(r.type)) return checkPolygon(r);
        if (r.type == kListRecord) {
            if (r.items.empty()) return failAtData("list record is empty", r.offset);
            for (const std::int32_t item : r.items) {
                const std::size_t index = resolve(item, r, "list item");
                if (index == kNone || !claim(index)) return false;
            }
            return true;
        }
        if (r.type == kTextureGroupRecord) return checkGroup(r);
        return checkNode(r);
    }

    bool checkPolygon(const Record& r) {
        if (r.vertices.size() < 3) return failAtData("polygon has fewer than 3 vertices", r.offset);
        const std::size_t count = f_.vertices.size();
        for (const std::int32_t number : r.vertices) {
            if (number < 0 || static_cast<std::size_t>(number) >= count)
                return failAtData("vertex number " + std::to_string(number) +
                                      " is not below the vertex count " + std::to_string(count),
                                  r.offset);
        }
        return true;
    }

    bool checkGroup(const Record& r) {
        const std::size_t child = resolve(r.child, r, "texture group child");
        if (child == kNone) return false;
        if (!isOneOrList(f_.records[child], isPolygonType))
            return failAtData("texture group child is not a polygon record or a list of them",
                              r.offset);
        if (!claim(child)) return false;
        if (f_.stringAt(r.stringOffset) == nullptr)
            return failAtData("string offset " + std::to_string(r.stringOffset) +
                                  " does not start a string",
                              r.offset);
        return true;
    }

    bool checkNode(const Record& r) {
        if (r.plane < 0 || static_cast<std::size_t>(r.plane) >= f_.planes.size())
            return failAtData("plane number " + std::to_string(r.plane) +
                                  " is not below the plane count " +
                                  std::to_string(f_.planes.size()),
                              r.offset);
        return checkChild(r, r.left, "left child") && checkGroupLink(r, r.frontGroup, "front") &&
               checkGroupLink(r, r.backGroup, "back") && checkChild(r, r.right, "right child");
    }

    bool checkChild(const Record& r, std::int32_t offset, const std::string& name) {
        if (offset == -1) return true;
        const std::size_t child = resolve(offset, r, name);
        if (child == kNone) return false;
        if (!isNodeType(f_.records[child].type))
            return failAtData(name + " is not a node record", r.offset);
        if (!claim(child)) return false;
        return true;
    }

    bool checkGroupLink(const Record& r, std::int32_t offset, const std::string& side) {
        if (offset == -1) return true;
        const std::size_t group = resolve(offset, r, side + " group");
        if (group == kNone) return false;
        if (!isOneOrList(f_.records[group], isGroupType))
            return failAtData(side + " group is not a texture group or a list of them", r.offset);
        if (!claim(group)) return false;
        return true;
    }

    // With every offset pointing back and none named twice, a reference to
    // every record but the root makes the records one tree hanging from the root.
    bool checkTree() {
        for (std::size_t i = 0; i < f_.records.size(); ++i)
            if (i != root_ && !referenced_[i])
                return failAtData("record is not reachable from the root", f_.records[i].offset);
        return true;
    }

    bool checkCollision() {
        if (!f_.collision) return true;
        for (const CollisionVolume& volume : f_.collision->volumes) {
            for (const CollisionPlaneRecord& p : volume.planes) {
                if (p.plane < 0 || static_cast<std::size_t>(p.plane) >= f_.planes.size())
                    return failAtData("collision plane number " + std::to_string(p.plane) +
                                          " is not below the plane count " +
                                          std::to_string(f_.planes.size()),
                                      p.offset);
                if (p.type < 0 || p.type > 255)
                    return failAtData("collision plane type " + std::to_string(p.type) +
                                          " is not 0 to 255",
                                      p.offset);
            }
        }
        const std::int64_t field = f_.chunks.back().fileOffset + 12;
        const std::int32_t offset = f_.hand->stringOffset;
        if (f_.stringAt(offset) == nullptr)
            return failAtFile(
                "HAND string offset " + std::to_string(offset) + " does not start a string", field);
        if (offset != f_.strings.back().offset)
            return failAtFile("HAND string offset " + std::to_string(offset) +
                                  " does not name the last string",
                              field);
        return true;
    }

    bool checkGeometry() {
        if (depth_ == CheckDepth::References) return true;
        const GeometryFindings found = checkTreeGeometry(f_);
        violation_ = found.violation;
        thinPolygons_ = found.thinPolygons;
        return !violation_;
    }

    CheckSummary summary() const {
        CheckSummary s;
        s.vertices = f_.vertices.size();
        s.planes = f_.planes.size();
        s.strings = f_.strings.size();
        s.records = f_.records.size();
        for (const Record& r : f_.records) {
            s.nodes += isNodeType(r.type) ? 1 : 0;
            s.polygons += isPolygonType(r.type) ? 1 : 0;
        }
        s.volumes = f_.collision ? f_.collision->volumes.size() : 0;
        s.thinPolygons = thinPolygons_;
        return s;
    }
};

} // namespace

CheckResult checkParsedThreeDo(const ThreeDoFile& file, CheckDepth depth) {
    return Checker(file, depth).run();
}

CheckResult checkThreeDo(std::span<const std::uint8_t> bytes) {
    const ParsedFile parsed = parseThreeDo(bytes);
    if (parsed.violation) return {parsed.violation, {}};
    return checkParsedThreeDo(parsed.file);
}

} // namespace meshsmith::inspect3do
