#include "reader_runs.hpp"

#include "converter/bsp_builder.hpp"
#include "converter/readers.hpp"
#include "converter/text_input.hpp"
#include "converter/threedo_writer.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace meshsmith::kiln::test {

namespace {

// Standard input from /dev/null while a reader runs: tests started from a
// terminal must not stop at the untextured-face pause.
class StdinFromNull {
  public:
    StdinFromNull() : saved_(dup(0)) {
        const int null = open("/dev/null", O_RDONLY);
        if (null >= 0) {
            dup2(null, 0);
            close(null);
        }
    }
    ~StdinFromNull() {
        if (saved_ >= 0) {
            dup2(saved_, 0);
            close(saved_);
        }
    }
    StdinFromNull(const StdinFromNull&) = delete;
    StdinFromNull& operator=(const StdinFromNull&) = delete;

  private:
    int saved_;
};

enum class Reader { Max, Obj, Meshsmith };

ReaderRun run(TextSource source, std::string path, Reader reader) {
    ReaderRun r;
    StdinFromNull guard;
    try {
        std::string first;
        readstr(source, first);
        if (reader == Reader::Obj)
            read_OBJ(*r.k, source, path, first);
        else if (reader == Reader::Meshsmith)
            read_Meshsmith(*r.k, source, path);
        else
            read_3dsMax(*r.k, source, path);
        r.read = true;
    } catch (const UntexturedFace&) {
        r.untextured = true;
    } catch (const InputError& e) {
        r.error = e.what();
    } catch (const CapacityError& e) {
        r.error = e.what();
    }
    return r;
}

ReaderRun runFile(const std::string& path, Reader reader) {
    auto source = TextSource::open(path);
    if (!source) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    return run(std::move(*source), path, reader);
}

} // namespace

ReaderRun read3dsMaxFile(const std::string& path) {
    return runFile(path, Reader::Max);
}
ReaderRun readObjFile(const std::string& path) {
    return runFile(path, Reader::Obj);
}
ReaderRun readMeshsmithFile(const std::string& path) {
    return runFile(path, Reader::Meshsmith);
}
ReaderRun read3dsMaxText(const std::string& text, const std::string& path) {
    return run(TextSource(text), path, Reader::Max);
}
ReaderRun readObjText(const std::string& text, const std::string& path) {
    return run(TextSource(text), path, Reader::Obj);
}

std::string maxSquare(const std::vector<std::pair<std::string, std::string>>& edits) {
    static const std::string square =
        meshsmith::test::readFile(meshsmith::test::sourcePath("fuzz/seeds/kiln_3dsmax/square.ase"));
    std::string text = square;
    for (const auto& [from, to] : edits) {
        const std::size_t at = text.find(from);
        if (at == std::string::npos) ADD_FAILURE() << "no " << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return text;
}

std::string maxSquareObject() {
    const std::string square = maxSquare();
    return square.substr(square.find("*GEOMOBJECT"));
}

std::string threeDoVerdict(KilnState& k) {
    node* root = buildTree(k, kTreeBuilders[0]);
    if (k.clipperStringNum != -1)
        k.stringNotWritten[static_cast<std::size_t>(k.clipperStringNum)] = true;
    const auto result = meshsmith::inspect3do::checkThreeDo(build3DO(k, root));
    return result.violation ? result.violation->text() : "";
}

namespace {

// A number with at most four decimals and no exponent: the same text everywhere.
std::string num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

} // namespace

std::string dumpState(const KilnState& k) {
    std::string out = "strings:";
    for (int i = 0; i < k.stringCount; ++i) {
        const auto u = static_cast<std::size_t>(i);
        out += " " + k.stringy[u] + (k.stringNotWritten[u] ? "(unwritten)" : "");
    }
    out += k.clipperStringNum >= 0 ? " clipper " + std::to_string(k.clipperStringNum) : "";
    out += k.AS2_ON ? " colours on\n" : "\n";
    for (std::size_t v = 0; v < static_cast<std::size_t>(k.vertCount); ++v)
        out += "v" + std::to_string(v) + " " + num(k.x[v]) + " " + num(k.y[v]) + " " + num(k.z[v]) +
               "\n";
    for (std::size_t p = 0; p < static_cast<std::size_t>(k.polyCount); ++p) {
        if (k.e[p] != 0) continue;
        const poly& q = k.polygon[p];
        out += "p" + std::to_string(p) + " s" + std::to_string(q.stringNum) + " in " +
               std::to_string(q.inPlane) + ":";
        for (std::size_t i = 0; i < q.polyVertexCount; ++i) {
            out += " " + std::to_string(q.vertexList[i]) + "@" + num(q.tvertx[i]) + "," +
                   num(q.tverty[i]);
            if (q.flav == 1)
                out += "#" + std::to_string(q.red[i]) + "." + std::to_string(q.green[i]) + "." +
                       std::to_string(q.blue[i]) + "." + std::to_string(q.alpha[i]);
        }
        out += "\n";
    }
    for (std::size_t c = 0; c < k.numCollisionVolumes; ++c) {
        const cVolume& vol = k.collisionVol[c];
        out += "volume " + std::to_string(c) + ":";
        for (std::size_t i = 0; i < vol.numPlanes; ++i) {
            const auto pl = static_cast<std::size_t>(vol.collisionPlane[i]);
            out += " type " + std::to_string(vol.type[i]) + " plane " + std::to_string(pl) + " (" +
                   num(k.a[pl]) + " " + num(k.b[pl]) + " " + num(k.c[pl]) + " " + num(k.d[pl]) +
                   ")";
        }
        out += "\n";
    }
    return out;
}

} // namespace meshsmith::kiln::test
