// Any bytes through the 3ds Max reader, tree one and the 3DO writer: each run
// ends with a refusal or a 3DO that passes the inspector.

#include "converter/text_input.hpp"
#include "converter/readers.hpp"
#include "kiln_fuzz_common.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    meshsmith::kiln::fuzz::detachStandardInput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meshsmith::kiln;
    KilnState k;
    TextSource source(std::string(reinterpret_cast<const char*>(data), size));
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
