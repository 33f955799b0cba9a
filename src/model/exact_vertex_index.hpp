#pragma once
// Finds a vertex by its exact coordinates in constant time. Two positions are
// the same when x, y and z compare equal as floats: -0.0 equals 0.0, and a
// position with a NaN coordinate equals nothing, not even itself.

#include "project.hpp"

#include <cstdint>
#include <unordered_map>

namespace meshsmith {

class ExactVertexIndex {
  public:
    void reserve(std::size_t count) { firstIndex_.reserve(count); }

    // The index remembered for this position, or -1.
    std::int32_t find(float x, float y, float z) const;
    std::int32_t find(const Vertex& v) const { return find(v.X, v.Y, v.Z); }

    // Remembers `index` for the position unless an index is remembered there
    // already: the first vertex at a position stays the one that is found.
    // Positions with a NaN coordinate are never remembered.
    void add(float x, float y, float z, std::int32_t index);
    void add(const Vertex& v, std::int32_t index) { add(v.X, v.Y, v.Z, index); }

  private:
    struct Key {
        std::uint32_t x, y, z;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };
    static bool keyOf(float x, float y, float z, Key& key);

    std::unordered_map<Key, std::int32_t, KeyHash> firstIndex_;
};

// An index over the table in which every position finds its first vertex.
ExactVertexIndex indexVertices(const std::vector<Vertex>& vertices);

} // namespace meshsmith
