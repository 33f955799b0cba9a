#include "reader_runs.hpp"

#include "converter/bsp_builder.hpp"
#include "converter/line_reader.hpp"
#include "converter/readers.hpp"
#include "converter/threedo_writer.hpp"
#include "threedo_check.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

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

ReaderRun run(TextSource source, std::string path, bool obj) {
    ReaderRun r;
    StdinFromNull guard;
    try {
        std::string first;
        readstr(source, first);
        if (obj)
            read_OBJ(*r.k, source, path, first);
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

ReaderRun runFile(const std::string& path, bool obj) {
    auto source = TextSource::open(path);
    if (!source) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    return run(std::move(*source), path, obj);
}

} // namespace

ReaderRun read3dsMaxFile(const std::string& path) {
    return runFile(path, false);
}
ReaderRun readObjFile(const std::string& path) {
    return runFile(path, true);
}
ReaderRun read3dsMaxText(const std::string& text, const std::string& path) {
    return run(TextSource(text), path, false);
}
ReaderRun readObjText(const std::string& text, const std::string& path) {
    return run(TextSource(text), path, true);
}

std::string threeDoVerdict(KilnState& k) {
    node* root = createLR(k, chooseRoot(k, false), kRootParentValue, &k.rootParent);
    if (k.clipperStringNum != -1)
        k.stringNotWritten[static_cast<std::size_t>(k.clipperStringNum)] = true;
    const auto result = meshsmith::inspect3do::checkThreeDo(build3DO(k, root));
    return result.violation ? result.violation->text() : "";
}

int livePolygons(const KilnState& k) {
    int live = 0;
    for (int p = 0; p < k.polyCount; ++p)
        live += k.e[static_cast<std::size_t>(p)] == 0 ? 1 : 0;
    return live;
}

} // namespace meshsmith::kiln::test
