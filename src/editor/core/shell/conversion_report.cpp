#include "editor/core/shell/conversion_report.hpp"

#include "model/paths.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace meshsmith {
namespace {

namespace fs = std::filesystem;

ConversionReport failure(std::string logLine, std::string message) {
    ConversionReport r;
    r.logLines.push_back(std::move(logLine));
    r.message = std::move(message);
    return r;
}

// The program file's name as the start-failure message names it: "3DO-Kiln.exe".
std::string programFileName(const std::string& kilnName) {
    const std::string exe = ".exe";
    bool hasExe = kilnName.size() >= exe.size() &&
                  std::equal(exe.rbegin(), exe.rend(), kilnName.rbegin(), [](char a, char b) {
                      return a == std::tolower(static_cast<unsigned char>(b));
                  });
    return hasExe ? kilnName : kilnName + exe;
}

} // namespace

ConversionReport finishConversion(const ConverterEnd& end, const std::string& kilnName,
                                  const std::string& builtPath, const std::string& targetPath) {
    if (!end.started)
        return failure("Error starting " + kilnName + ": " + end.error,
                       "Error starting " + programFileName(kilnName) + "!");
    if (!end.exitedNormally)
        return failure("Error: " + kilnName + " did not finish (" + end.error +
                           "); no 3DO file written",
                       kilnName + " did not finish: " + end.error + "\rNo 3DO file was written.");
    if (end.status != 0)
        return failure("Error: " + kilnName + " ended with exit status " +
                           std::to_string(end.status) + "; no 3DO file written",
                       kilnName + " could not convert the object (exit status " +
                           std::to_string(end.status) + ").\rSee the log for its messages.");
    if (!fileExists(builtPath))
        return failure("Error: " + kilnName + " wrote no file " + builtPath,
                       kilnName + " wrote no 3DO file.\rSee the log for its messages.");
    if (targetPath != builtPath) {
        std::string why = copyFileReplacing(builtPath, targetPath);
        if (!why.empty())
            return failure("Error copying " + builtPath + " to " + targetPath + ": " + why,
                           "Unable to copy the 3DO file to " + targetPath + "\r" + why);
    }
    ConversionReport r;
    r.ok = true;
    r.logLines.push_back("3DO " + targetPath + " written !");
    return r;
}

std::string stoppedConversionLine(const std::string& kilnName, const std::string& asePath) {
    return kilnName + " stopped before it had converted " + asePath + "; no 3DO file written";
}

} // namespace meshsmith
