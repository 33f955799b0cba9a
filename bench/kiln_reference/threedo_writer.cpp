// Assembles the 3DO file in memory and writes it to disk whole.

#include "threedo_writer.hpp"
#include "threedo_parts.hpp"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace meshsmith::kiln {

namespace {
constexpr std::uint32_t kTagFile = 0x33444F34;
constexpr std::uint32_t kTagPRIM = 0x5052494D;
constexpr std::size_t kFileLengthField = 8;
} // namespace

std::vector<std::uint8_t> build3DO(KilnState& k, node* root) {
    LittleEndianBuffer out;
    out.int32(static_cast<std::int32_t>(kTagFile));
    out.int32(1);
    out.int32(-1);
    writeVertexChunk(k, out);
    writePlaneChunk(k, out);
    writeStringChunk(k, out);

    std::size_t primLength = beginChunk(out, kTagPRIM);
    k.PRIMdataStart = static_cast<long>(out.size());
    out.int32(-1); // root offset, set by postorder
    PrimWriter w{out, out.size() - 4};
    postorder(k, w, root);
    std::int32_t collisionData = -1;
    if (k.numCollisionVolumes != 0) collisionData = writeCollisionData(k, w);
    out.patchInt32(primLength, w.dataOffset());
    if (k.numCollisionVolumes != 0) writeHandChunk(k, out, collisionData);

    out.patchInt32(kFileLengthField, static_cast<std::int32_t>(out.size() - 12));
    return out.take();
}

namespace {
std::string reason(int err) {
    return std::generic_category().message(err != 0 ? err : EIO);
}

// Writes every byte to `file` and closes it; false when any step failed.
bool writeAndClose(std::FILE* file, const std::vector<std::uint8_t>& bytes, int& err) {
    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    err = errno;
    if (std::fclose(file) != 0) {
        if (ok) err = errno;
        ok = false;
    }
    return ok;
}
} // namespace

bool write3DOFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                  std::string& error) {
    namespace fs = std::filesystem;
    fs::path target(path);
    // The temporary sits beside the target, so the rename never crosses file systems.
    fs::path temp = target;
    temp += ".tmp" + std::to_string(std::random_device{}() % 1000000);
    std::FILE* file = std::fopen(temp.string().c_str(), "wb");
    if (!file) {
        error = "Cannot create the 3DO file \"" + path + "\": " + reason(errno);
        return false;
    }
    int err = 0;
    std::error_code ec;
    if (!writeAndClose(file, bytes, err)) {
        fs::remove(temp, ec);
        error = "Cannot write the 3DO file \"" + path + "\": " + reason(err);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        error = "Cannot write the 3DO file \"" + path + "\": " + ec.message();
        return false;
    }
    return true;
}

} // namespace meshsmith::kiln
