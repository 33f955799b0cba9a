#pragma once
// What the editor reports after a run of the converter: success only when the
// converter ended by itself with status 0 and its 3DO file exists; the 3DO is
// then placed where the user wants it (beside the ASE file, or copied into the
// game's track folder). Plain C++: the Qt side only collects how the run ended.

#include <string>
#include <vector>

namespace meshsmith {

struct ConverterEnd {
    bool started = false;        // false: the program could not be started
    bool exitedNormally = false; // it ended by itself (not crashed, not killed)
    int status = -1;             // its exit status when it ended by itself
    std::string error;           // why it could not start, or how it ended otherwise
};

struct ConversionReport {
    bool ok = false;
    std::vector<std::string> logLines; // the error line, or "3DO <target> written !"
    std::string message;               // for a failure: the text of the message box
};

// `kilnName` names the converter in the texts ("3DO-Kiln"; a start failure
// shows "Error starting 3DO-Kiln.exe!" on every platform); `builtPath` is the
// file the converter writes (beside the ASE file, named after it); `targetPath`
// is where the 3DO belongs. When the two differ, the built file is copied to
// the target through a temporary file beside it, so a failed copy never leaves
// a partial 3DO there; the target is logged as written only after that copy.
ConversionReport finishConversion(const ConverterEnd& end, const std::string& kilnName,
                                  const std::string& builtPath, const std::string& targetPath);

// The log line of a run that was ended because the editor closed.
std::string stoppedConversionLine(const std::string& kilnName, const std::string& asePath);

} // namespace meshsmith
