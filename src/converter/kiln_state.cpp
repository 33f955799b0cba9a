#include "kiln_state.hpp"

namespace meshsmith::kiln {

KilnState::KilnState()
    : x(kMaxVertices), y(kMaxVertices), z(kMaxVertices), polygon(kMaxPolygons), e(kMaxPolygons),
      a(kMaxPlanes), b(kMaxPlanes), c(kMaxPlanes), d(kMaxPlanes), f(kMaxPlanes), g(kMaxPlanes),
      stringy(kMaxStrings), stringNotWritten(kMaxStrings), s(kMaxVertices) {}

std::int32_t appendVertex(KilnState& k, float x, float y, float z) {
    if (k.vertCount >= kMaxVertices) throw CapacityError("vertex", kMaxVertices);
    auto i = static_cast<std::size_t>(k.vertCount);
    k.x[i] = x;
    k.y[i] = y;
    k.z[i] = z;
    return k.vertCount++;
}

poly& polygonSlot(KilnState& k, std::int32_t slot) {
    if (slot < 0 || slot >= kMaxPolygons) throw CapacityError("polygon", kMaxPolygons);
    return k.polygon[static_cast<std::size_t>(slot)];
}

std::int32_t appendPolygon(KilnState& k, const poly& p) {
    polygonSlot(k, k.polyCount) = p;
    k.e[static_cast<std::size_t>(k.polyCount)] = 0;
    return k.polyCount++;
}

void stagePlane(KilnState& k, float a, float b, float c, float d) {
    if (k.planeCount >= kMaxPlanes) throw CapacityError("plane", kMaxPlanes);
    auto i = static_cast<std::size_t>(k.planeCount);
    k.a[i] = a;
    k.b[i] = b;
    k.c[i] = c;
    k.d[i] = d;
}

std::int32_t appendPlane(KilnState& k, float a, float b, float c, float d) {
    stagePlane(k, a, b, c, d);
    return k.planeCount++;
}

std::int32_t appendString(KilnState& k, const std::string& text) {
    if (k.stringCount >= kMaxStrings) throw CapacityError("string", kMaxStrings);
    auto i = static_cast<std::size_t>(k.stringCount);
    k.stringy[i] = text.substr(0, kMaxStringLength);
    k.stringNotWritten[i] = false;
    return k.stringCount++;
}

int appendCollisionVolume(KilnState& k) {
    if (k.numCollisionVolumes >= kMaxCollisionVolumes)
        throw CapacityError("collision volume", kMaxCollisionVolumes);
    k.collisionVol[k.numCollisionVolumes] = cVolume{};
    return k.numCollisionVolumes++;
}

void appendCollisionPlane(KilnState& k, int volume, std::uint8_t type, std::int32_t plane) {
    cVolume& v = k.collisionVol.at(static_cast<std::size_t>(volume));
    if (v.numPlanes >= kMaxCollisionPlanes)
        throw CapacityError("collision plane", kMaxCollisionPlanes);
    v.type[v.numPlanes] = type;
    v.collisionPlane[v.numPlanes] = plane;
    ++v.numPlanes;
}

node* newNode(KilnState& k) {
    return &k.nodes.emplace_back();
}

list* createList(KilnState& k, std::int32_t item) {
    list& l = k.items.emplace_back();
    l.polyIndex = item;
    return &l;
}

} // namespace meshsmith::kiln
