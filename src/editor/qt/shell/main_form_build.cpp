// The main window's build and launch commands: write the ASE file, run the
// converter as a child process (the window stays responsive meanwhile), and
// start the game, the launcher, a viewer or the user's program.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/shell/general_options.hpp"
#include "export/ase_writer.hpp"
#include "export/build_checks.hpp"
#include "export/launch_plans.hpp"
#include "model/paths.hpp"
#include "model/project_commands.hpp"

namespace meshsmith {

std::string MainForm::settingsPath(const char* key) const {
    return context_.settings.readString(kGeneralOptions, key, "");
}

// Writes the project's ASE file and starts the converter on it. The converter
// writes its 3DO beside the ASE file; `target` is where the 3DO belongs.
// `afterSuccess` runs once the 3DO is in place. False when nothing was started.
bool MainForm::startConversion(const std::string& target, std::function<void()> afterSuccess) {
    const Project& p = context_.project;
    const std::string kiln = kilnPath(context_.appFolder);
    const std::string kilnName = fileNameOf(kiln);
    if (converter_.running()) {
        context_.prompts.showMessage(kilnName +
                                     " is still converting.\rPlease wait until it has finished !");
        return false;
    }
    const std::string ase = asePath(p.ProjectFile);
    const OperationResult written = writeAse(p, ase, *log_);
    if (!written.done()) {
        report(context_.prompts, written);
        return false;
    }
    const std::string built = threeDoPath(p.ProjectFile);
    convertingAse_ = ase;
    return converter_.start(
        kiln, ase, target, [this](const std::string& line) { addLogLine(line); },
        [this, kilnName, built, target, afterSuccess](const ConverterEnd& end) {
            const ConversionReport report = finishConversion(end, kilnName, built, target);
            for (const std::string& line : report.logLines)
                addLogLine(line);
            if (!report.ok) return context_.prompts.showMessage(report.message);
            if (afterSuccess) afterSuccess();
        });
}

void MainForm::onWriteAseAndConvert() {
    const OperationResult check = checkBuild(context_.project, context_.appFolder);
    if (!check.done()) return report(context_.prompts, check);
    const std::string out = threeDoPath(context_.project.ProjectFile);
    startConversion(out, nullptr);
}

void MainForm::onWriteAseConvertAndStartGpl() {
    Project& p = context_.project;
    const LaunchSettings settings{context_.appFolder, settingsPath("GPLPath"), "", ""};
    std::string out;
    const OperationResult plan = planGplBuild(p, settings, context_.prompts, out);
    if (!plan.done()) return report(context_.prompts, plan);
    const std::string projectFile = p.ProjectFile;
    startConversion(out, [this, projectFile] { afterGplBuild(projectFile); });
}

// After the 3DO of "Write ASE, Convert and start GPL" is in place: the project
// is saved, then the game is started as the options say.
void MainForm::afterGplBuild(const std::string& projectFile) {
    Project& p = context_.project;
    // The user may have closed or replaced the project while the converter ran.
    if (p.ProjectFile != projectFile)
        return addLogLine("Project changed during the conversion: GPL not started");
    onSaveProject();
    const LaunchSettings settings{context_.appFolder, settingsPath("GPLPath"), "", ""};
    if (p.options.AutoGPL && p.options.MakerClose) {
        if (startProgram(launcherLaunch(settings, p))) close();
        return;
    }
    if (!p.options.AutoGPL &&
        context_.prompts.askYesNo("Gplkick.exe", "Start GPL ?") != Answer::Yes)
        return;
    startGame(gameLaunch(settings.gplPath, ""));
}

void MainForm::startGame(const ProgramLaunch& launch) {
    if (context_.project.options.MakerMinimize) showMinimized();
    startProgram(launch);
}

bool MainForm::startProgram(const ProgramLaunch& launch) {
    if (context_.starter.startDetached(launch)) return true;
    context_.prompts.showMessage("Unable to start " + launch.program + " !");
    return false;
}

void MainForm::onStartGpl() {
    const LaunchSettings settings{context_.appFolder, settingsPath("GPLPath"), "", ""};
    if (OperationResult check = checkStartGame(settings); !check.done())
        return report(context_.prompts, check);
    startGame(startGameLaunch(settings.gplPath, context_.project.options));
}

void MainForm::onStartViewer() {
    const std::string path = settingsPath("ViewerPath");
    if (OperationResult check = checkStartProgram(path); !check.done())
        return report(context_.prompts, check);
    startProgram({path, {}});
}

void MainForm::onStartUserProgram() {
    const std::string path = settingsPath("UserPath");
    if (OperationResult check = checkStartProgram(path); !check.done())
        return report(context_.prompts, check);
    startProgram({path, {}});
}

} // namespace meshsmith
