#pragma once
// Building and launching in the main window: write the ASE file, run the
// converter as a child process (the window stays responsive meanwhile), and
// start the game, the launcher, a viewer (the tool set's own on the new 3DO,
// or the one of the Options) or the user's program. It owns those
// commands' actions.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/converter_process.hpp"
#include "editor/qt/shell/main_actions.hpp"
#include "export/launch_plans.hpp"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace meshsmith {

class BuildController : public QObject {
    Q_OBJECT
  public:
    // `saveProject`: the File menu's Save (run after the game's build).
    BuildController(EditorContext& context, MainActions& actions, QWidget* window,
                    std::function<void()> saveProject);
    ~BuildController() override;

    bool converterRunning() const { return converter_.running(); }
    // Stops a conversion that still runs (the window closes), logging it.
    void stopConverter();

    void onWriteAseAndConvert();
    void onWriteAseConvertAndStartGpl();
    void onWriteAseConvertAndStartViewer();

  private:
    // Writes the project's ASE file and starts the converter on it. The
    // converter writes its 3DO beside the ASE file; `target` is where the 3DO
    // belongs. `afterSuccess` runs once the 3DO is in place. False when
    // nothing was started.
    bool startConversion(const std::string& target, std::function<void()> afterSuccess);
    // "Write ASE and convert to 3DO": its checks, then the conversion into the
    // 3DO beside the project; `then` gets that 3DO's path once it is in place.
    void convertBesideProject(std::function<void(const std::string&)> then);
    void afterGplBuild(const std::string& projectFile);
    void startGame(const ProgramLaunch& launch);
    bool startProgram(const ProgramLaunch& launch);
    void onStartGpl();
    void onStartProgram(const char* key);
    std::string settingsPath(const char* key) const;

    EditorContext& context_;
    QWidget* window_;
    std::function<void()> saveProject_;
    std::unique_ptr<EditorLog> log_;
    ConverterProcess converter_;
    std::string convertingAse_; // the ASE file of the running conversion
};

} // namespace meshsmith
