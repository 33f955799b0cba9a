// Any bytes through the 3ds Max reader, tree one and the 3DO writer: each run
// ends with a refusal or a 3DO that passes the inspector. The editor's import
// reads the same bytes by its own rules: a refusal, or polygons whose corners
// and materials are in their lists.

#include "converter/max_preparation.hpp"
#include "converter/readers.hpp"
#include "converter/text_input.hpp"
#include "kiln_fuzz_common.hpp"
#include "readers/max_ase_reader.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace meshsmith;

bool inLists(const readers::PlainMesh& mesh) {
    for (const readers::MeshFace& f : mesh.faces) {
        if (!f.uv.empty() && f.uv.size() != f.corners.size()) return false;
        if (f.material >= static_cast<std::int32_t>(mesh.materials.size())) return false;
        for (std::int32_t c : f.corners)
            if (c < 0 || static_cast<std::size_t>(c) >= mesh.positions.size()) return false;
    }
    return true;
}

void importAsEditor(const std::string& text) {
    kiln::TextSource source(text);
    try {
        const auto mesh = kiln::prepareMaxPolygons(readers::readMaxAse(source, {false}));
        if (!inLists(mesh)) __builtin_trap();
    } catch (const kiln::InputError& e) {
        kiln::fuzz::requireReason(e);
    } catch (const kiln::CapacityError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    meshsmith::kiln::fuzz::detachStandardInput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meshsmith::kiln;
    const std::string text(reinterpret_cast<const char*>(data), size);
    importAsEditor(text);
    KilnState k;
    TextSource source(text);
    std::string name = "/nonexistent/fuzz.ase"; // no vertex-colour file beside it
    try {
        std::string first;
        readstr(source, first);
        read_3dsMax(k, source, name);
    } catch (const InputError& e) {
        fuzz::requireReason(e);
        return 0;
    } catch (const CapacityError&) {
        return 0;
    }
    fuzz::buildAndCheck(k);
    return 0;
}
