#pragma once
// What the converter harnesses share: a reader's result through tree one and
// the 3DO writer in memory, checked by the inspector.

#include "converter/bsp_builder.hpp"
#include "converter/kiln_state.hpp"
#include "converter/text_input.hpp"
#include "converter/threedo_writer.hpp"
#include "threedo_check.hpp"

#include <cstdio>

namespace meshsmith::kiln::fuzz {

// Trees are cubic in the polygon count: larger results are only read, so
// that every input ends within the harness's time limit.
inline constexpr int kMaxTreePolygons = 400;

// The untextured stop waits for a key only at a terminal; a harness started
// from one must not.
inline void detachStandardInput() {
    if (std::freopen("/dev/null", "r", stdin) == nullptr) std::fclose(stdin);
}

// A refusal says why.
inline void requireReason(const InputError& e) {
    if (*e.what() == '\0') __builtin_trap();
}

// Builds tree one as the converter does and traps when its 3DO is not sound.
inline void buildAndCheck(KilnState& k) {
    // The converter refuses a result without a plane to build on.
    if (k.polyCount > kMaxTreePolygons || k.planeCount == 0) return;
    SortPlanes(k);
    FindClippers(k);
    int root = 0;
    for (int p = 0; p < k.planeCount; ++p)
        if (PlaneQuality(k, p) > PlaneQuality(k, root)) root = p;
    try {
        node* tree = createLR(k, root, kRootParentValue, &k.rootParent);
        if (k.clipperStringNum != -1)
            k.stringNotWritten[static_cast<std::size_t>(k.clipperStringNum)] = true;
        const auto bytes = build3DO(k, tree);
        if (inspect3do::checkThreeDo(bytes).violation) __builtin_trap();
    } catch (const CapacityError&) {
        // Splits may fill a table: the converter stops with the message.
    }
}

} // namespace meshsmith::kiln::fuzz
