#include "meshsmith_collision.hpp"

#include "plane_tests.hpp"
#include "reader_helpers.hpp"
#include "text_input.hpp"

#include <cmath>

namespace meshsmith::kiln {

namespace {

// The keyword rule of the readers on a scan already made.
bool isKeyword(const ScanResult& r) {
    return r.literalPrefix && (r.converted > 0 || r.endBeforeField);
}

std::string n(std::int64_t value) {
    return std::to_string(value);
}

InputError errorAt(std::size_t line, const std::string& what) {
    return InputError("Line " + std::to_string(line) + ": " + what);
}

// A volume's plane lines must be exactly as many as its *COLLISION_PLANES line says.
void checkPlaneCount(const CollisionVolumeText& v) {
    if (static_cast<std::int64_t>(v.planes.size()) != v.announcedPlanes)
        throw errorAt(v.line, "*COLLISION_PLANES announces " + n(v.announcedPlanes) +
                                  " planes, but " + n(static_cast<std::int64_t>(v.planes.size())) +
                                  " *COLLISION_PLANE lines follow");
}

bool readHeader(const std::string& line, const TextSource& file, CollisionBlock& block) {
    std::int32_t count = 0;
    ScanResult r = scanFormatted(line, "*COLLISION_VOLUMES %i", {&count});
    if (!isKeyword(r)) return false;
    if (block.announced)
        throw lineError(file, "a second *COLLISION_VOLUMES line (the first is line " +
                                  std::to_string(block.line) + ")");
    if (r.converted == 0) throw lineError(file, "*COLLISION_VOLUMES needs the number of volumes");
    if (count < 0) throw lineError(file, "there cannot be " + n(count) + " collision volumes");
    if (count > kMaxCollisionVolumes) throw CapacityError("collision volume", kMaxCollisionVolumes);
    block.announced = true;
    block.announcedVolumes = count;
    block.line = file.lineNumber();
    return true;
}

void startVolume(const TextSource& file, CollisionBlock& block, const ScanResult& r,
                 std::int32_t planes) {
    if (!block.announced)
        throw lineError(file, "*COLLISION_PLANES before the *COLLISION_VOLUMES line");
    if (r.converted == 0) throw lineError(file, "*COLLISION_PLANES needs the number of planes");
    if (planes < 0) throw lineError(file, "a volume cannot have " + n(planes) + " planes");
    if (planes > kMaxCollisionPlanes) throw CapacityError("collision plane", kMaxCollisionPlanes);
    if (!block.volumes.empty()) checkPlaneCount(block.volumes.back());
    if (static_cast<std::int64_t>(block.volumes.size()) >= block.announcedVolumes)
        throw lineError(file, "more volumes than the " + n(block.announcedVolumes) +
                                  " that *COLLISION_VOLUMES announces");
    block.volumes.push_back({planes, file.lineNumber(), {}});
}

void addPlane(const TextSource& file, CollisionBlock& block, const ScanResult& r, std::int32_t type,
              CollisionPlaneText p) {
    if (block.volumes.empty())
        throw lineError(file, "*COLLISION_PLANE before the first *COLLISION_PLANES line");
    if (r.converted < 5)
        throw lineError(file, "*COLLISION_PLANE needs a type and four coefficients");
    if (!std::isfinite(p.a) || !std::isfinite(p.b) || !std::isfinite(p.c) || !std::isfinite(p.d))
        throw lineError(file, "a collision plane coefficient is not a finite number");
    CollisionVolumeText& v = block.volumes.back();
    if (static_cast<std::int64_t>(v.planes.size()) >= v.announcedPlanes)
        throw lineError(file, "more planes than the " + n(v.announcedPlanes) +
                                  " that *COLLISION_PLANES announces");
    // The type is a byte in the file; a larger number keeps its low byte.
    p.type = static_cast<std::uint8_t>(type);
    v.planes.push_back(p);
}

std::int32_t sharedPlane(KilnState& k, const CollisionPlaneText& p) {
    for (std::int32_t q = 0; q < k.planeCount; ++q) {
        const auto u = static_cast<std::size_t>(q);
        if (signum_coll(p.a - k.a[u]) == 0 && signum_coll(p.b - k.b[u]) == 0 &&
            signum_coll(p.c - k.c[u]) == 0 && signum_coll(p.d - k.d[u]) == 0)
            return q;
    }
    return appendPlane(k, p.a, p.b, p.c, p.d);
}

} // namespace

bool readCollisionLine(const std::string& line, const TextSource& file, CollisionBlock& block) {
    if (readHeader(line, file, block)) return true;
    std::int32_t number = 0;
    ScanResult r = scanFormatted(line, "*COLLISION_PLANES %i", {&number});
    if (isKeyword(r)) {
        startVolume(file, block, r, number);
        return true;
    }
    CollisionPlaneText p;
    r = scanFormatted(line, "*COLLISION_PLANE %i %f %f %f %f", {&number, &p.a, &p.b, &p.c, &p.d});
    if (!isKeyword(r)) return false;
    addPlane(file, block, r, number, p);
    return true;
}

void readCollisionBlock(TextSource& file, CollisionBlock& block) {
    std::string line;
    while (readstr(file, line))
        readCollisionLine(line, file, block);
    if (!block.volumes.empty()) checkPlaneCount(block.volumes.back());
    if (static_cast<std::int64_t>(block.volumes.size()) != block.announcedVolumes)
        throw errorAt(block.line, "*COLLISION_VOLUMES announces " + n(block.announcedVolumes) +
                                      " volumes, but " +
                                      n(static_cast<std::int64_t>(block.volumes.size())) +
                                      " follow");
}

void addCollisionVolumes(KilnState& k, const CollisionBlock& block) {
    for (const CollisionVolumeText& v : block.volumes) {
        const int volume = appendCollisionVolume(k);
        for (const CollisionPlaneText& p : v.planes)
            appendCollisionPlane(k, volume, p.type, sharedPlane(k, p));
    }
}

} // namespace meshsmith::kiln
