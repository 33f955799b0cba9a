// The Options dialog's installation settings: each change is written to the
// settings file at once and kept in context.general for the other windows.
#include "editor/qt/shell/options_form.hpp"

#include "editor/core/shell/file_filters.hpp"
#include "editor/core/shell/options_rules.hpp"

#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/options_form_parts.hpp"
#include "model/paths.hpp"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace meshsmith {

using namespace options_parts;

void OptionsForm::connectGeneralHandlers() {
    connect(browseGplButton_, &QPushButton::clicked, this, [this] {
        browseProgram(gplPathEdit_, "GPLPath", &GeneralOptions::GPLPath, "Select GPL Executable",
                      "exe", GplOptionsFilter);
    });
    connect(browseViewerButton_, &QPushButton::clicked, this, [this] {
        browseProgram(viewerPathEdit_, "ViewerPath", &GeneralOptions::ViewerPath,
                      "Select Executable of 3DO- Viewer Application", kProgramExtension,
                      ProgramOptionsFilter);
    });
    connect(browseUserButton_, &QPushButton::clicked, this, [this] {
        browseProgram(userPathEdit_, "UserPath", &GeneralOptions::UserPath,
                      "Select Executable of External Program", "", ProgramOptionsFilter);
    });
    connect(browseBmpButton_, &QPushButton::clicked, this, [this] { browseBitmapFolder(); });

    // A path typed by hand counts as much as a browsed one: it is what gets started.
    connect(gplPathEdit_, &QLineEdit::textEdited, this,
            [this] { programPathEdited(gplPathEdit_, "GPLPath", &GeneralOptions::GPLPath); });
    connect(viewerPathEdit_, &QLineEdit::textEdited, this, [this] {
        programPathEdited(viewerPathEdit_, "ViewerPath", &GeneralOptions::ViewerPath);
    });
    connect(userPathEdit_, &QLineEdit::textEdited, this,
            [this] { programPathEdited(userPathEdit_, "UserPath", &GeneralOptions::UserPath); });
    connect(bmpPathEdit_, &QLineEdit::editingFinished, this, [this] { bitmapFolderEdited(); });

    connect(makeSubDirBox_, &QCheckBox::toggled, this, [this](bool on) { makeSubDirClicked(on); });
    const struct {
        QCheckBox* box;
        const char* key;
        bool GeneralOptions::*field;
    } flags[] = {{copyBmpBox_, "CopyBmp", &GeneralOptions::CopyBmp},
                 {mipInfoBox_, "MipInfo", &GeneralOptions::MipInfo},
                 {maxBox_, "MaxOnStartup", &GeneralOptions::MaxOnStartup},
                 {playSoundBox_, "PlaySound", &GeneralOptions::PlaySound},
                 {randomBox_, "RandomPolyColors", &GeneralOptions::RandomPolyColors},
                 {noCaptionBox_, "NoCaption", &GeneralOptions::NoCaption}};
    for (const auto& f : flags)
        connect(f.box, &QCheckBox::toggled, this,
                [this, key = f.key, field = f.field](bool on) { writeFlag(key, field, on); });
    connect(faceBox_, &QCheckBox::toggled, this, [this](bool on) {
        writeFlag("ShowBackside", &GeneralOptions::ShowBackside, on);
        viewChanged(true);
    });
    connect(hintBox_, &QCheckBox::toggled, this, [this](bool on) {
        setApplicationToolTips(on);
        writeFlag("ToolTips", &GeneralOptions::ToolTips, on);
    });
    connect(gridBox_, &QCheckBox::toggled, this, [this](bool on) { gridClicked(on); });
    connect(gridScaleSpin_, &QSpinBox::valueChanged, this, [this](int v) { gridScaleChanged(v); });
    connect(gridSizeSpin_, &QSpinBox::valueChanged, this, [this](int v) { gridSizeChanged(v); });
    connect(gridColourButton_, &QPushButton::clicked, this, [this] { changeGridColour(); });
}

void OptionsForm::browseProgram(QLineEdit* edit, const char* key,
                                std::string GeneralOptions::*field, const char* title,
                                const char* defaultExtension, int filterIndex) {
    FileDialogRequest request;
    request.title = title;
    request.filters = optionsOpenFilters();
    request.filterIndex = filterIndex;
    request.defaultExtension = defaultExtension;
    request.presetPath = edit->text().toStdString();
    const auto chosen = context_.files.openFile(request);
    if (!chosen) return;
    edit->setText(qs(*chosen));
    programPathEdited(edit, key, field);
}

void OptionsForm::programPathEdited(QLineEdit* edit, const char* key,
                                    std::string GeneralOptions::*field) {
    context_.general.*field = edit->text().toStdString();
    context_.settings.writeString(kGeneralOptions, key, context_.general.*field);
    emit programPathsChanged();
}

void OptionsForm::browseBitmapFolder() {
    FileDialogRequest request;
    request.title = "Select any Bitmap File in Archive Directory";
    request.filters = optionsOpenFilters();
    request.filterIndex = BitmapOptionsFilter;
    request.presetPath = bmpPathEdit_->text().toStdString();
    const auto chosen = context_.files.openFile(request);
    if (!chosen) return;
    context_.general.BMPPath = folderOf(*chosen); // keeps the trailing separator
    bmpPathEdit_->setText(qs(context_.general.BMPPath));
    context_.settings.writeString(kGeneralOptions, "BMPPath", context_.general.BMPPath);
}

void OptionsForm::bitmapFolderEdited() {
    // Texture loading puts the file name right after the folder: keep one separator at the end.
    const std::string folder = withTrailingSeparator(bmpPathEdit_->text().toStdString());
    bmpPathEdit_->setText(qs(folder));
    if (folder == context_.general.BMPPath) return;
    context_.general.BMPPath = folder;
    context_.settings.writeString(kGeneralOptions, "BMPPath", folder);
}

void OptionsForm::writeFlag(const char* key, bool GeneralOptions::*field, bool value) {
    context_.general.*field = value;
    context_.settings.writeBool(kGeneralOptions, key, value);
}

void OptionsForm::makeSubDirClicked(bool checked) {
    writeFlag("MakeSubDir", &GeneralOptions::MakeSubDir, checked);
    const OptionsEnabling e = optionsEnabling(context_.general, context_.document.options(), true);
    copyBmpBox_->setEnabled(e.copyBmp);
    mipInfoBox_->setEnabled(e.mipInfo);
}

void OptionsForm::gridClicked(bool checked) {
    writeFlag("ShowGrid", &GeneralOptions::ShowGrid, checked);
    const OptionsEnabling e = optionsEnabling(context_.general, context_.document.options(), true);
    for (QWidget* w :
         {static_cast<QWidget*>(gridScaleLabel_), static_cast<QWidget*>(gridSizeLabel_),
          static_cast<QWidget*>(gridColourLabel_), static_cast<QWidget*>(gridScaleSpin_),
          static_cast<QWidget*>(gridSizeSpin_), static_cast<QWidget*>(gridPanel_),
          static_cast<QWidget*>(gridColourButton_)})
        w->setEnabled(e.gridControls);
    viewChanged(true);
}

void OptionsForm::gridScaleChanged(int value) {
    context_.general.GridScale = value;
    context_.settings.writeInteger(kGeneralOptions, "GridScale", value);
    viewChanged(true);
}

void OptionsForm::gridSizeChanged(int value) {
    context_.general.GridSize = value;
    context_.settings.writeInteger(kGeneralOptions, "GridSize", value);
    viewChanged(true);
}

void OptionsForm::changeGridColour() {
    const auto chosen = context_.files.chooseColour(panelColour(gridPanel_));
    if (!chosen) return;
    setGridColourText(colourToText(*chosen));
    context_.settings.writeString(kGeneralOptions, "GridColor", context_.general.GridColor);
    viewChanged(false);
}

void OptionsForm::setGridColourText(const std::string& text) {
    // A damaged value in the file draws the grid in the default black.
    const auto colour = textToColour(text);
    context_.general.GridColor = colour ? text : "clBlack";
    showColour(gridPanel_, colour.value_or(0x000000));
}

} // namespace meshsmith
