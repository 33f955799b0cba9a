// The Options dialog: the project options of the open project.
#include "editor/qt/shell/options_form.hpp"

#include "editor/core/shell/options_rules.hpp"

#include "editor/qt/shell/options_form_parts.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace meshsmith {

using namespace options_parts;

// Every project control changes the document's options through a copy.
void OptionsForm::changeOptions(const std::function<void(ProjectOptions&)>& change) {
    ProjectOptions o = context_.document.options();
    change(o);
    context_.document.setOptions(o);
}

void OptionsForm::connectProjectHandlers() {
    connect(vertexSizeBar_, &QScrollBar::valueChanged, this,
            [this](int v) { vertexSizeChanged(v); });
    connect(axisBar_, &QScrollBar::valueChanged, this, [this](int v) { axisSizeChanged(v); });
    connect(backColourButton_, &QPushButton::clicked, this, [this] {
        changeProjectColour(&ProjectOptions::BackgroundColor, backPanel_);
    });
    connect(vertexColourButton_, &QPushButton::clicked, this,
            [this] { changeProjectColour(&ProjectOptions::VertexColor, vertexPanel_); });
    connect(selVertexColourButton_, &QPushButton::clicked, this, [this] {
        changeProjectColour(&ProjectOptions::SelectedVertexColor, selVertexPanel_);
    });
    connect(trackfolderBox_, &QCheckBox::clicked, this,
            [this](bool on) { trackfolderClicked(on); });
    connect(browseTrackButton_, &QPushButton::clicked, this, [this] { browseTrackFolder(); });
    connect(autoGplBox_, &QCheckBox::clicked, this, [this](bool on) { autoGplClicked(on); });
    connect(minimizeRadio_, &QRadioButton::toggled, this,
            [this](bool on) { changeOptions([on](ProjectOptions& o) { o.MakerMinimize = on; }); });
    connect(closeRadio_, &QRadioButton::toggled, this,
            [this](bool on) { changeOptions([on](ProjectOptions& o) { o.MakerClose = on; }); });
    connect(gplParamBox_, &QCheckBox::clicked, this, [this](bool on) { gplParamClicked(on); });
    connect(overwriteBox_, &QCheckBox::clicked, this,
            [this](bool on) { changeOptions([on](ProjectOptions& o) { o.Overwrite = on; }); });
}

void OptionsForm::showEvent(QShowEvent* event) {
    showProjectOptions();
    QDialog::showEvent(event);
    okButton_->setFocus();
}

void OptionsForm::showProjectOptions() {
    const ProjectOptions o =
        context_.document.options(); // a copy: setting the controls must not change it
    minimizeRadio_->setText(QString("Minimize ") + kProductName);
    closeRadio_->setText(QString("Close ") + kProductName + " and Restart after GPL");
    {
        const QSignalBlocker b1(vertexSizeBar_), b2(axisBar_), b3(minimizeRadio_), b4(closeRadio_);
        vertexSizeBar_->setValue(o.VertexDisplaySize);
        axisBar_->setValue(o.AxisSize);
        minimizeRadio_->setChecked(o.MakerMinimize);
        closeRadio_->setChecked(o.MakerClose);
    }
    vertexSizeLabel_->setText("Vertex Display Size: " + QString::number(vertexSizeBar_->value()));
    axisLabel_->setText("Size of Axis symbol: " + QString::number(axisBar_->value()));
    showColour(backPanel_, colourOrDefault(o.BackgroundColor, 0xFFFFFF));
    showColour(vertexPanel_, colourOrDefault(o.VertexColor, 0x408000));
    showColour(selVertexPanel_, colourOrDefault(o.SelectedVertexColor, 0x4080FF));
    gplParamBox_->setChecked(o.GPLParam);
    trackFolderEdit_->setText(qs(o.TrackFolder));
    paramsEdit_->setText(qs(o.AdditionalGPLParams));
    trackfolderBox_->setChecked(o.SaveToTrackFolder);
    autoGplBox_->setChecked(o.AutoGPL);
    overwriteBox_->setChecked(o.Overwrite);
    updateTrackControls(true);
}

void OptionsForm::vertexSizeChanged(int value) {
    changeOptions([value](ProjectOptions& o) { o.VertexDisplaySize = value; });
    vertexSizeLabel_->setText("Vertex Display Size: " + QString::number(value));
    viewChanged(false);
}

void OptionsForm::axisSizeChanged(int value) {
    changeOptions([value](ProjectOptions& o) { o.AxisSize = value; });
    axisLabel_->setText("Size of Axis symbol: " + QString::number(value));
    viewChanged(false);
}

void OptionsForm::changeProjectColour(std::string ProjectOptions::*text, QFrame* panel) {
    const auto chosen = context_.files.chooseColour(panelColour(panel));
    if (!chosen) return;
    changeOptions([&](ProjectOptions& o) { o.*text = colourToText(*chosen); });
    showColour(panel, *chosen);
    viewChanged(false);
}

void OptionsForm::trackfolderClicked(bool checked) {
    changeOptions([checked](ProjectOptions& o) { o.SaveToTrackFolder = checked; });
    updateTrackControls(false);
}

void OptionsForm::browseTrackFolder() {
    const auto folder = context_.files.chooseFolder("Select GPL Track Folder");
    if (!folder) return;
    const std::string text = withTrailingSeparator(*folder);
    trackFolderEdit_->setText(qs(text));
    changeOptions([&text](ProjectOptions& o) { o.TrackFolder = text; });
    updateTrackControls(false);
}

void OptionsForm::autoGplClicked(bool checked) {
    if (const OperationResult check = checkAutoGpl(context_.document.options());
        checked && !check.done()) {
        report(context_.prompts, check);
        autoGplBox_->setChecked(false);
        checked = false;
    }
    changeOptions([checked](ProjectOptions& o) { o.AutoGPL = checked; });
    updateTrackControls(false);
}

// When the dialog is shown the autostart box also needs a track folder that
// exists; while the user works in it, only the check box decides.
void OptionsForm::updateTrackControls(bool folderMustExist) {
    const ProjectOptions& o = context_.document.options();
    const OptionsEnabling e =
        optionsEnabling(context_.general, o, !folderMustExist || folderExists(o.TrackFolder));
    trackFolderEdit_->setEnabled(e.trackFolder);
    browseTrackButton_->setEnabled(e.trackFolder);
    autoGplBox_->setEnabled(e.autoGpl);
    minimizeRadio_->setEnabled(e.gplRadios);
    closeRadio_->setEnabled(e.gplRadios);
    paramsEdit_->setEnabled(e.gplParams);
}

void OptionsForm::gplParamClicked(bool checked) {
    changeOptions([checked](ProjectOptions& o) { o.GPLParam = checked; });
    updateTrackControls(false);
}

} // namespace meshsmith
