// 3DO-Kiln's run: the command line, the input's type, the reader, the tree
// choice and the 3DO file.

#include "kiln_driver.hpp"

#include "text_input.hpp"
#include "readers/editor_ase_lines.hpp"
#include "model/version.hpp"
#include "readers.hpp"
#include "readers/max_ase_reader.hpp"
#include "readers/model_file.hpp"
#include "threedo_writer.hpp"
#include "tree_choice.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace meshsmith::kiln {

namespace {

constexpr const char* kUsage =
    "usage: 3DO-Kiln INPUT.ase|INPUT.obj [IGNORED [DISPLAYCLASS]]\n"
    "  converts an ASE file (Meshsmith's or a 3ds Max export) or an OBJ file with its\n"
    "  MTL file into INPUT.3do beside it; DISPLAYCLASS is used when the file sets none.\n"
    "  Exit status 0 and \"3DO saved.\" when the 3DO was written, 1 when the input\n"
    "  cannot be used or the 3DO cannot be written, 2 when a table would pass its\n"
    "  capacity, 666 for an OBJ face without texture coordinates.\n"
    "  3DO-Kiln --version prints the version.\n";


// The display class of argument 3: an unsigned decimal number as the C
// library reads one (white space skipped, a sign, digits up to the first
// other character; a minus negates it modulo 2^32, a number too large for 32
// bits reads as 2^32 - 1). Taken only when not 0 and, as a signed value,
// below 100.
std::optional<std::int32_t> displayClassArgument(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    std::uint64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(text[i] - '0'),
                                        0x1'0000'0000ull);
    std::uint32_t u = value > 0xFFFF'FFFFull ? 0xFFFF'FFFFu : static_cast<std::uint32_t>(value);
    if (negative && value <= 0xFFFF'FFFFull) u = 0u - u;
    const auto signedValue = static_cast<std::int32_t>(u);
    if (signedValue == 0 || signedValue >= 100) return std::nullopt;
    return signedValue;
}

std::string lastThreeLowered(const std::string& name) {
    if (name.size() < 3) return {};
    std::string tail = name.substr(name.size() - 3);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail;
}

// Notepad's UTF-8 files start with a byte order mark; it is no part of the header.
std::string withoutUtf8Mark(const std::string& line) {
    return line.rfind("\xEF\xBB\xBF", 0) == 0 ? line.substr(3) : line;
}

// Finds the reader for the input and runs it; false (after printing why)
// when the input is not a file the converter reads.
bool readInput(KilnState& k, TextSource& source, const std::string& input) {
    const std::string kind = lastThreeLowered(input);
    if (kind != "ase" && kind != "obj") {
        std::printf("File type not supported!\n");
        return false;
    }
    if (source.isUtf16()) {
        std::printf("%s\n", readers::utf16Refusal(input).c_str());
        return false;
    }
    std::string first;
    readstr(source, first);
    std::string fileName = input;
    if (kind == "obj") {
        read_OBJ(k, source, fileName, first);
        return true;
    }
    std::int32_t version = 0;
    if (readers::isMaxAseHeader(first)) {
        read_3dsMax(k, source, fileName);
    } else if (matches(withoutUtf8Mark(first), readers::kEditorAseHeader, {&version})) {
        read_Meshsmith(k, source, fileName);
    } else {
        std::printf("ASE file format not recognised\n");
        return false;
    }
    return true;
}

// Builds the object and writes its 3DO file; false (after printing why) when
// the file cannot be written.
bool buildAndWrite(KilnState& k, const std::string& outputName) {
    std::printf("display class = %d\n", k.displayClass);
    std::printf("triangulation ON\n");
    const std::vector<std::uint8_t> bytes = buildObjectBytes(k);
    std::printf("\nwriting 3DO... ");
    std::string error;
    if (!write3DOFile(outputName, bytes, error)) {
        std::printf("\nERROR! %s\n", error.c_str());
        return false;
    }
    std::printf("3DO saved.\n");
    return true;
}

int convert(KilnState& k, const std::string& input) {
    std::optional<TextSource> source = TextSource::open(input);
    if (!source) {
        std::printf("File not found!\n");
        return kExitFailure;
    }
    if (!readInput(k, *source, input)) return kExitFailure;
    const std::string outputName = input.substr(0, input.size() - 3) + "3do";
    return buildAndWrite(k, outputName) ? kExitOk : kExitFailure;
}

} // namespace

std::vector<std::uint8_t> buildObjectBytes(KilnState& k, TreeChoice* choice) {
    // A tree needs a plane to split by; a 3DO naming a plane it lacks is unusable.
    if (k.planeCount == 0) throw InputError("Nothing to convert: no polygon has an area");
    const RootPlanes roots = chooseRootPlanes(k);
    std::printf("\ncreating BSP tree, please wait...\n");
    const TreeChoice tree = chooseTree(k, roots);
    if (choice) *choice = tree;
    if (k.numCollisionVolumes != 0) appendString(k, "collision");
    if (k.clipperStringNum >= 0 && k.clipperStringNum < k.stringCount)
        k.stringNotWritten[static_cast<std::size_t>(k.clipperStringNum)] = true;
    return build3DO(k, tree.root);
}

int runKiln(const std::vector<std::string>& args) {
    // Without an input, or asked: how to use it. The editor always names its ASE file.
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::printf("%s", kUsage);
        std::fflush(stdout);
        return kExitOk;
    }
    if (args[0] == "--version") {
        std::printf("%s\n", versionLine("3DO-Kiln").c_str());
        std::fflush(stdout);
        return kExitOk;
    }
    std::printf(" === 3DO Kiln ===\n\n");
    const std::string& input = args[0];
    KilnState k;
    if (args.size() >= 3)
        if (auto displayClass = displayClassArgument(args[2])) k.displayClass = *displayClass;
    int status = kExitFailure;
    try {
        status = convert(k, input);
    } catch (const UntexturedFace&) {
        status = kExitUntexturedObj; // the reader has said why
    } catch (const CapacityError& e) {
        std::printf("\nERROR! %s: %s\n", input.c_str(), e.what());
        status = kExitCapacity;
    } catch (const std::exception& e) {
        std::printf("\nERROR! %s: %s\n", input.c_str(), e.what());
        status = kExitFailure;
    }
    std::fflush(stdout);
    return status;
}

} // namespace meshsmith::kiln
