#include "editor/qt/shell/build_controller.hpp"

#include "editor/core/shell/conversion_report.hpp"
#include "editor/core/shell/general_options.hpp"
#include "export/ase_writer.hpp"
#include "export/build_checks.hpp"
#include "model/bitmap_lookup.hpp"
#include "model/paths.hpp"

#include <QWidget>

namespace meshsmith {

BuildController::BuildController(EditorContext& context, MainActions& actions, QWidget* window,
                                 std::function<void()> saveProject)
    : QObject(window), context_(context), window_(window), saveProject_(std::move(saveProject)),
      log_(std::make_unique<EditorLog>(context)) {
    using enum MainItem;
    actions.add(WriteAseAndConvert, [this] { onWriteAseAndConvert(); });
    actions.add(WriteAseConvertGpl, [this] { onWriteAseConvertAndStartGpl(); });
    actions.add(WriteAseConvertViewer, [this] { onWriteAseConvertAndStartViewer(); });
    actions.add(Write3do)->setEnabled(false);
    actions.add(StartGpl, [this] { onStartGpl(); });
    actions.add(StartViewer, [this] { onStartProgram("ViewerPath"); });
    actions.add(StartUser, [this] { onStartProgram("UserPath"); });
}

BuildController::~BuildController() {
    converter_.stop();
}

void BuildController::stopConverter() {
    if (!converter_.running()) return;
    converter_.stop();
    context_.addLogLine(
        stoppedConversionLine(fileNameOf(kilnPath(context_.appFolder)), convertingAse_));
}

std::string BuildController::settingsPath(const char* key) const {
    return context_.settings.readString(kGeneralOptions, key, "");
}

bool BuildController::startConversion(const std::string& target,
                                      std::function<void()> afterSuccess) {
    const Project& p = context_.document.project();
    const std::string kiln = kilnPath(context_.appFolder);
    const std::string kilnName = fileNameOf(kiln);
    if (converter_.running()) {
        context_.prompts.showMessage(kilnName +
                                     " is still converting.\rPlease wait until it has finished !");
        return false;
    }
    // The 3DO only names its textures: a bitmap gone missing since it was
    // loaded does not stop the build, but the user should know.
    if (const std::string missing = missingBitmapsText(missingBitmaps(p)); !missing.empty())
        context_.addLogLine("Warning: " + missing);
    const std::string ase = asePath(p.ProjectFile);
    const OperationResult written = writeAse(p, ase, *log_);
    if (!written.done()) {
        report(context_.prompts, written);
        return false;
    }
    const std::string built = threeDoPath(p.ProjectFile);
    convertingAse_ = ase;
    return converter_.start(
        kiln, ase, target, [this](const std::string& line) { context_.addLogLine(line); },
        [this, kilnName, built, target, afterSuccess](const ConverterEnd& end) {
            const ConversionReport report = finishConversion(end, kilnName, built, target);
            for (const std::string& line : report.logLines)
                context_.addLogLine(line);
            if (!report.ok) return context_.prompts.showMessage(report.message);
            if (afterSuccess) afterSuccess();
        });
}

void BuildController::onWriteAseAndConvert() {
    convertBesideProject(nullptr);
}

void BuildController::onWriteAseConvertAndStartViewer() {
    convertBesideProject([this](const std::string& threeDo) {
        startProgram(bundledViewerLaunch(context_.appFolder, threeDo));
    });
}

void BuildController::convertBesideProject(std::function<void(const std::string&)> then) {
    const Project& p = context_.document.project();
    const OperationResult check = checkBuild(p, context_.appFolder);
    if (!check.done()) return report(context_.prompts, check);
    const std::string out = threeDoPath(p.ProjectFile);
    startConversion(out, then ? [then, out] { then(out); } : std::function<void()>());
}

void BuildController::onWriteAseConvertAndStartGpl() {
    const Project& p = context_.document.project();
    const LaunchSettings settings{context_.appFolder, settingsPath("GPLPath"), "", ""};
    std::string out;
    const OperationResult plan = planGplBuild(p, settings, context_.prompts, out);
    if (!plan.done()) return report(context_.prompts, plan);
    const std::string projectFile = p.ProjectFile;
    startConversion(out, [this, projectFile] { afterGplBuild(projectFile); });
}

// After the 3DO of "Write ASE, Convert and start GPL" is in place: the project
// is saved, then the game is started as the options say.
void BuildController::afterGplBuild(const std::string& projectFile) {
    const Project& p = context_.document.project();
    // The user may have closed or replaced the project while the converter ran.
    if (p.ProjectFile != projectFile)
        return context_.addLogLine("Project changed during the conversion: GPL not started");
    saveProject_();
    const LaunchSettings settings{context_.appFolder, settingsPath("GPLPath"), "", ""};
    if (p.options.AutoGPL && p.options.MakerClose) {
        if (startProgram(launcherLaunch(settings, p))) window_->close();
        return;
    }
    if (!p.options.AutoGPL &&
        context_.prompts.askYesNo("Gplkick.exe", "Start GPL ?") != Answer::Yes)
        return;
    startGame(gameLaunch(settings.gplPath, ""));
}

void BuildController::startGame(const ProgramLaunch& launch) {
    if (context_.document.options().MakerMinimize) window_->showMinimized();
    startProgram(launch);
}

bool BuildController::startProgram(const ProgramLaunch& launch) {
    if (context_.starter.startDetached(launch)) return true;
    context_.prompts.showMessage("Unable to start " + launch.program + " !");
    return false;
}

void BuildController::onStartGpl() {
    const LaunchSettings settings{context_.appFolder, settingsPath("GPLPath"), "", ""};
    if (OperationResult check = checkStartGame(settings); !check.done())
        return report(context_.prompts, check);
    startGame(startGameLaunch(settings.gplPath, context_.document.options()));
}

void BuildController::onStartProgram(const char* key) {
    const std::string path = settingsPath(key);
    if (const std::string note = emptyProgramSettingLine(key, path); !note.empty())
        context_.addLogLine(note);
    if (OperationResult check = checkStartProgram(path); !check.done())
        return report(context_.prompts, check);
    startProgram({path, {}});
}

} // namespace meshsmith
