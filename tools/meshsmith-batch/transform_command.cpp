// The batch command transform: the editor's Modify dialogs over every vertex,
// in the order the steps are given.

#include "batch_commands.hpp"
#include "batch_project.hpp"

#include "model/edits/transformations.hpp"
#include "model/number_text.hpp"

#include <functional>
#include <ostream>
#include <string_view>

namespace meshsmith::batch {
namespace {

const char* const kUse = "transform PROJECT.3dp --out OUT.3dp STEP...\n"
                         "  steps: --move X Y Z | --scale F | --scale x|y|z F |\n"
                         "         --rotate x|y|z DEGREES [--pivot X Y Z] |\n"
                         "         --mirror x|y|z [--keep] | --center";

struct Step {
    std::string text; // the step as given, for messages
    std::function<OperationResult(Project&, LogSink&)> run;
};

// A wrong command line: the message names what is wrong.
struct BadStep {
    std::string message;
};

class StepReader {
  public:
    explicit StepReader(const Args& args) : args_(args) {}

    bool done() const { return next_ >= args_.size(); }
    bool peek(std::string_view option) const { return !done() && args_[next_] == option; }
    const std::string& take(const char* what) {
        if (done()) throw BadStep{"missing " + std::string(what) + " after " + args_[next_ - 1]};
        return args_[next_++];
    }
    TypedNumber number(const char* what) {
        const std::string& text = take(what);
        const auto n = typedNumber(text);
        if (!n) throw BadStep{std::string(what) + ": " + notAFloatMessage(text)};
        return *n;
    }
    Axis axis() {
        const std::string& text = take("an axis");
        if (text == "x" || text == "X") return Axis::X;
        if (text == "y" || text == "Y") return Axis::Y;
        if (text == "z" || text == "Z") return Axis::Z;
        throw BadStep{"unknown axis '" + text + "': x, y or z"};
    }
    bool isAxis() const {
        return !done() && args_[next_].size() == 1 &&
               std::string("xyzXYZ").find(args_[next_]) != std::string::npos;
    }
    std::string since(std::size_t first) const {
        std::string text;
        for (std::size_t k = first; k < next_; ++k)
            text += (k > first ? " " : "") + args_[k];
        return text;
    }
    std::size_t position() const { return next_; }

  private:
    const Args& args_;
    std::size_t next_ = 0;
};

std::function<OperationResult(Project&, LogSink&)> readStep(const std::string& option,
                                                            StepReader& in) {
    if (option == "--move") {
        const std::array<TypedNumber, 3> offsets{in.number("X"), in.number("Y"), in.number("Z")};
        return [offsets](Project& p, LogSink& log) {
            return moveVertices(p, offsets, VertexChoice{}, log);
        };
    }
    if (option == "--scale") {
        std::optional<Axis> axis;
        if (in.isAxis()) axis = in.axis();
        const TypedNumber factor = in.number("the factor");
        return [axis, factor](Project& p, LogSink& log) {
            return scaleVertices(p, factor, axis, VertexChoice{}, log);
        };
    }
    if (option == "--rotate") {
        const Axis axis = in.axis();
        const std::string& text = in.take("the degrees");
        const auto degrees = parseDouble(text);
        if (!degrees) throw BadStep{"the degrees: " + notAFloatMessage(text)};
        Vertex pivot;
        if (in.peek("--pivot")) {
            in.take("--pivot");
            pivot = {in.number("X").value, in.number("Y").value, in.number("Z").value};
        }
        const Rotation rotation = rotationByDegrees(axis, *degrees);
        return [rotation, pivot](Project& p, LogSink&) {
            return rotateVerticesAbout(p, rotation, pivot, VertexChoice{});
        };
    }
    if (option == "--mirror") {
        const Axis axis = in.axis();
        const bool keep = in.peek("--keep");
        if (keep) in.take("--keep");
        return [axis, keep](Project& p, LogSink& log) {
            return mirrorVertices(p, axis, keep, VertexChoice{}, log);
        };
    }
    if (option == "--center") {
        return [](Project& p, LogSink&) { return centerVertices(p); };
    }
    throw BadStep{"unknown step '" + option + "'"};
}

// PROJECT, --out OUT and the steps in order.
void readArgs(const Args& args, std::string& project, std::string& outFile,
              std::vector<Step>& steps) {
    StepReader in(args);
    while (!in.done()) {
        const std::size_t first = in.position();
        const std::string& arg = in.take("an argument");
        if (arg == "--out") {
            outFile = in.take("the output file");
        } else if (arg.rfind("--", 0) == 0) {
            auto run = readStep(arg, in);
            steps.push_back({in.since(first), std::move(run)});
        } else if (project.empty()) {
            project = arg;
        } else {
            throw BadStep{"unexpected argument '" + arg + "'"};
        }
    }
    if (project.empty() || outFile.empty() || steps.empty())
        throw BadStep{"a project, --out and at least one step are needed"};
}

} // namespace

int transformCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string project, outFile;
    std::vector<Step> steps;
    try {
        readArgs(args, project, outFile, steps);
    } catch (const BadStep& bad) {
        err << "meshsmith-batch transform: " << bad.message << "\nusage: meshsmith-batch " << kUse
            << "\n";
        return 2;
    }
    Project p;
    BatchPrompts prompts;
    StreamLog log(&out);
    if (!loadForBatch(p, project, prompts, log, err)) return 1;
    for (const Step& step : steps) {
        const OperationResult r = step.run(p, log);
        if (!r.done()) {
            err << "error: " << step.text << ": " << messageForTerminal(r.message)
                << "; nothing written\n";
            return 1;
        }
    }
    return saveForBatch(p, outFile, prompts, log, err) ? 0 : 1;
}

} // namespace meshsmith::batch
