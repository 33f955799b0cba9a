#pragma once
// The Options dialog: the installation settings (written to the settings file
// the moment a control changes) and the project options of the open project.
//
// Creating the dialog reads the settings file into its controls and into
// context.general (a missing file gives the defaults); the main window then
// maximizes itself as MaxOnStartup says. Showing it refreshes the project
// controls from the document's options; every project control changes those
// options at once (through the document), the parameters text when the
// dialog closes. Controls carry
// the object names the rest of the editor and the tests look them up by
// ("MakeSubDirCheckBox", "TrackFolderEditBox" ...).

#include "editor/core/shell/editor_context.hpp"

#include <QDialog>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QGroupBox;

namespace meshsmith {

class OptionsForm : public QDialog {
    Q_OBJECT
  public:
    OptionsForm(EditorContext& context, QWidget* parent = nullptr);

  signals:
    // A path of a program to start changed (the main menu shows its name).
    void programPathsChanged();
    // Something the view draws changed (back faces, grid, colours, sizes).
    void viewSettingsChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  public:
    // Every way of closing (OK, Escape) keeps the changes, the parameters text included.
    void done(int result) override;

  private:
    // Construction.
    QGroupBox* buildGeneralGroup();
    QGroupBox* buildProgramPaths();
    QGroupBox* buildGridGroup();
    QGroupBox* buildProjectGroup();
    QGroupBox* buildTrackGroup();
    void connectGeneralHandlers();
    void connectProjectHandlers();
    void readSettings();

    // General options.
    void browseProgram(QLineEdit* edit, const char* key, std::string GeneralOptions::*field,
                       const char* title, const char* defaultExtension, int filterIndex);
    void programPathEdited(QLineEdit* edit, const char* key, std::string GeneralOptions::*field);
    void browseBitmapFolder();
    void bitmapFolderEdited();
    void writeFlag(const char* key, bool GeneralOptions::*field, bool value);
    void makeSubDirClicked(bool checked);
    void gridClicked(bool checked);
    void gridScaleChanged(int value);
    void gridSizeChanged(int value);
    void changeGridColour();
    void setGridColourText(const std::string& text);

    // Project options.
    void showProjectOptions();
    void vertexSizeChanged(int value);
    void axisSizeChanged(int value);
    void changeProjectColour(std::string ProjectOptions::*text, QFrame* panel);
    void changeOptions(const std::function<void(ProjectOptions&)>& change);
    void trackfolderClicked(bool checked);
    void browseTrackFolder();
    void autoGplClicked(bool checked);
    void updateTrackControls(bool folderMustExist);
    void gplParamClicked(bool checked);

    // The view shows these values: tell it (only when the project is shown, if asked).
    void viewChanged(bool onlyWhenViewReady);

    EditorContext& context_;

    QLineEdit *gplPathEdit_ = nullptr, *viewerPathEdit_ = nullptr, *userPathEdit_ = nullptr;
    QLineEdit* bmpPathEdit_ = nullptr;
    QPushButton *browseGplButton_ = nullptr, *browseViewerButton_ = nullptr;
    QPushButton *browseUserButton_ = nullptr, *browseBmpButton_ = nullptr;
    QCheckBox *makeSubDirBox_ = nullptr, *copyBmpBox_ = nullptr, *mipInfoBox_ = nullptr;
    QCheckBox *maxBox_ = nullptr, *playSoundBox_ = nullptr, *faceBox_ = nullptr;
    QCheckBox *randomBox_ = nullptr, *hintBox_ = nullptr, *noCaptionBox_ = nullptr;
    QCheckBox* gridBox_ = nullptr;
    QLabel *gridScaleLabel_ = nullptr, *gridSizeLabel_ = nullptr, *gridColourLabel_ = nullptr;
    QSpinBox *gridScaleSpin_ = nullptr, *gridSizeSpin_ = nullptr;
    QFrame* gridPanel_ = nullptr;
    QPushButton* gridColourButton_ = nullptr;

    QScrollBar *vertexSizeBar_ = nullptr, *axisBar_ = nullptr;
    QLabel *vertexSizeLabel_ = nullptr, *axisLabel_ = nullptr;
    QFrame *backPanel_ = nullptr, *vertexPanel_ = nullptr, *selVertexPanel_ = nullptr;
    QPushButton *backColourButton_ = nullptr, *vertexColourButton_ = nullptr;
    QPushButton* selVertexColourButton_ = nullptr;
    QCheckBox *trackfolderBox_ = nullptr, *autoGplBox_ = nullptr, *gplParamBox_ = nullptr;
    QCheckBox* overwriteBox_ = nullptr;
    QLineEdit *trackFolderEdit_ = nullptr, *paramsEdit_ = nullptr;
    QPushButton* browseTrackButton_ = nullptr;
    QRadioButton *minimizeRadio_ = nullptr, *closeRadio_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace meshsmith
