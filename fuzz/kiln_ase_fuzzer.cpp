// Any bytes as an editor-dialect ASE file: the reader and the whole build of
// the object (tree choice and 3DO bytes, in memory) end cleanly, either with
// an input or capacity error or with a 3DO that the independent checker
// passes.
#include "converter/kiln_driver.hpp"
#include "converter/text_input.hpp"
#include "converter/readers.hpp"
#include "threedo_check.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace meshsmith::kiln;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The converter reports progress on standard output; libFuzzer speaks on standard error.
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KilnState k;
    TextSource source(std::string(reinterpret_cast<const char*>(data), size));
    // No vertex-colour file is found for this name.
    std::string name = "/nonexistent-folder/fuzz.ase", first;
    try {
        readstr(source, first); // the header line, as the driver consumes it
        read_Meshsmith(k, source, name);
        const std::vector<std::uint8_t> bytes = buildObjectBytes(k);
        if (meshsmith::inspect3do::checkThreeDo(bytes).violation) std::abort();
    } catch (const InputError& e) {
        if (*e.what() == '\0') std::abort(); // a refusal says why
    } catch (const CapacityError&) {
    }
    return 0;
}
