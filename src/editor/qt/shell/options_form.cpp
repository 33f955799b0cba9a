// The Options dialog: its controls and the reading of the settings file.
#include "editor/qt/shell/options_form.hpp"

#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/options_form_parts.hpp"
#include "model/product.hpp"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace meshsmith {

using namespace options_parts;

namespace {

const char* const kParamsHint =
    "One parameter can be used, without '-ko' and the douboe quotes. Example: "
    "20:Personal Information:lastTrackSelection:monza  See GPL's readme11.txt for details";
const char* const kRandomHint =
    "When Unchecked, Uses Random Colors During Polygon Creation (Note: Colors Are Only For "
    "Visialization Purposes Within Meshsmith, GPL Uses The Textures Background Color)";
const char* const kPlaySoundHint = "Plays A Sound Additionally To The Message In The Log Window "
                                   "(When Missing A Vertex During Picking etc.)";

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = false) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretch) layout->addStretch();
    return layout;
}

QWidget* indented(QWidget* widget) {
    auto* holder = new QWidget(widget->parentWidget());
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(20, 0, 0, 0);
    layout->addWidget(widget);
    return holder;
}

} // namespace

OptionsForm::OptionsForm(EditorContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      context_(context) {
    setObjectName("OptionsForm");
    setWindowTitle("Options");
    setModal(true);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildGeneralGroup());
    columns->addWidget(buildProjectGroup(), 0, Qt::AlignTop);

    okButton_ = button(this, "ApplyButton", "OK", "Close This Window");
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* main = new QVBoxLayout(this);
    main->addLayout(columns);
    main->addLayout(row({okButton_}));
    main->setSizeConstraint(QLayout::SetFixedSize);

    connectGeneralHandlers();
    connectProjectHandlers();
    readSettings();
}

QGroupBox* OptionsForm::buildGeneralGroup() {
    auto* group = new QGroupBox("General Options", this);
    group->setObjectName("GeneralGroupBox");
    makeSubDirBox_ = checkBox(group, "MakeSubDirCheckBox",
                              "Create Individual Subfolders for Projects (when saved)");
    copyBmpBox_ = checkBox(group, "CopyBmpCheckBox", "Copy referenced Bitmaps to Project folder");
    mipInfoBox_ = checkBox(group, "MipInfoCheckBox",
                           "Create Mip-conversion Info in Project folder (for Bitmaps)");
    maxBox_ = checkBox(group, "MaxCheckBox", "Maximize on Startup");
    playSoundBox_ = checkBox(group, "PlaySoundCheckBox", "Play Sound on Errors", kPlaySoundHint);
    faceBox_ = checkBox(group, "FaceCheckBox", "Show Polygon Backfaces");
    randomBox_ = checkBox(group, "RandomCheckBox",
                          "Pick Polygon colors manually  (Use random if un-checked)", kRandomHint);
    hintBox_ = checkBox(group, "HintCheckBox", "Show ToolTips");
    noCaptionBox_ = checkBox(group, "NoCaptionCheckBox", "No Title Bar for View Window");
    // The state of a box before the settings are read: the value a missing key gives.
    maxBox_->setChecked(true);
    playSoundBox_->setChecked(true);
    faceBox_->setChecked(true);
    copyBmpBox_->setEnabled(false);
    mipInfoBox_->setEnabled(false);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(buildProgramPaths());
    layout->addWidget(makeSubDirBox_);
    layout->addWidget(indented(copyBmpBox_));
    layout->addWidget(indented(mipInfoBox_));
    for (QWidget* box : {static_cast<QWidget*>(maxBox_), static_cast<QWidget*>(playSoundBox_),
                         static_cast<QWidget*>(faceBox_), static_cast<QWidget*>(randomBox_),
                         static_cast<QWidget*>(hintBox_), static_cast<QWidget*>(noCaptionBox_)})
        layout->addWidget(box);
    layout->addWidget(buildGridGroup());
    layout->addStretch();
    return group;
}

QGroupBox* OptionsForm::buildProgramPaths() {
    auto* group = new QGroupBox("Program Paths", this);
    gplPathEdit_ = lineEdit(group, "GPLPathEditBox", "Full Path of GPL's Executable");
    viewerPathEdit_ = lineEdit(group, "ViewerPathEditBox", "Full Path of the 3DO- Viewer");
    userPathEdit_ = lineEdit(group, "UserPathEditBox", "Full Path of a Program of Your Choice");
    bmpPathEdit_ = lineEdit(group, "BMPPathEditBox", "Folder of Your Bitmap Archive");
    browseGplButton_ = button(group, "BrowseGPLButton", "Browse");
    browseViewerButton_ = button(group, "BrowseViewerButton", "Browse");
    browseUserButton_ = button(group, "BrowseUserButton", "Browse");
    browseBmpButton_ = button(group, "BrowseBMPButton", "Browse");

    auto* grid = new QGridLayout(group);
    const QString captions[] = {"GPL Executable:", "3DO- Viewer Application:",
                                "User-Defined Program:", "Bitmap Archive Directory:"};
    QLineEdit* edits[] = {gplPathEdit_, viewerPathEdit_, userPathEdit_, bmpPathEdit_};
    QPushButton* buttons[] = {browseGplButton_, browseViewerButton_, browseUserButton_,
                              browseBmpButton_};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(captions[i], group), i, 0);
        grid->addWidget(edits[i], i, 1);
        grid->addWidget(buttons[i], i, 2);
    }
    return group;
}

QGroupBox* OptionsForm::buildGridGroup() {
    auto* group = new QGroupBox(this);
    gridBox_ = checkBox(group, "GridCheckBox", "Show 3D Grid");
    gridScaleLabel_ = label(group, "GridScaleLabel", "Grid Scale:");
    gridSizeLabel_ = label(group, "GridSizeLabel", "Grid Point Size (1/10 Pixel):");
    gridColourLabel_ = label(group, "GridColorLabel", "Grid Color:");
    gridScaleSpin_ = new QSpinBox(group);
    gridScaleSpin_->setObjectName("GridScaleSpinEdit");
    gridScaleSpin_->setRange(1, 20);
    gridSizeSpin_ = new QSpinBox(group);
    gridSizeSpin_->setObjectName("GridSizeSpinEdit");
    gridSizeSpin_->setRange(1, 100);
    gridPanel_ = colourPanel(group, "GridPanel");
    showColour(gridPanel_, 0x000000);
    gridColourButton_ = button(group, "GridColorButton", "Change");
    for (QWidget* w :
         {static_cast<QWidget*>(gridScaleLabel_), static_cast<QWidget*>(gridSizeLabel_),
          static_cast<QWidget*>(gridColourLabel_), static_cast<QWidget*>(gridScaleSpin_),
          static_cast<QWidget*>(gridSizeSpin_), static_cast<QWidget*>(gridPanel_),
          static_cast<QWidget*>(gridColourButton_)})
        w->setEnabled(false);

    auto* grid = new QGridLayout(group);
    grid->addWidget(gridBox_, 0, 0, 1, 3);
    grid->addWidget(gridScaleLabel_, 1, 0);
    grid->addWidget(gridScaleSpin_, 1, 1);
    grid->addWidget(gridSizeLabel_, 2, 0);
    grid->addWidget(gridSizeSpin_, 2, 1);
    grid->addWidget(gridColourLabel_, 3, 0);
    grid->addWidget(gridPanel_, 3, 1);
    grid->addWidget(gridColourButton_, 3, 2);
    return group;
}

QGroupBox* OptionsForm::buildProjectGroup() {
    auto* group = new QGroupBox("Project Options", this);
    group->setObjectName("ProjectGroupBox");
    vertexSizeLabel_ = label(group, "VertexSizeLabel", "Vertex Display Size: 3");
    vertexSizeBar_ = new QScrollBar(Qt::Horizontal, group);
    vertexSizeBar_->setObjectName("ScrollBar1");
    vertexSizeBar_->setRange(1, 30);
    axisLabel_ = label(group, "AxisSizeLabel", "Size of Axis symbol: 10");
    axisBar_ = new QScrollBar(Qt::Horizontal, group);
    axisBar_->setObjectName("AxisScrollBar");
    axisBar_->setRange(1, 1000);
    axisBar_->setPageStep(50);
    backPanel_ = colourPanel(group, "Panel1");
    vertexPanel_ = colourPanel(group, "Panel2");
    selVertexPanel_ = colourPanel(group, "Panel3");
    backColourButton_ = button(group, "ChangeBackColorButton", "Change");
    vertexColourButton_ = button(group, "ChangeVertexColorButton", "Change");
    selVertexColourButton_ = button(group, "ChangeSelVertexColorButton", "Change");

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(vertexSizeLabel_);
    layout->addWidget(vertexSizeBar_);
    layout->addWidget(axisLabel_);
    layout->addWidget(axisBar_);
    auto* colours = new QGridLayout;
    const QString captions[] = {"Background Color:", "Vertex Color:", "Selected Vertex Color:"};
    QFrame* panels[] = {backPanel_, vertexPanel_, selVertexPanel_};
    QPushButton* buttons[] = {backColourButton_, vertexColourButton_, selVertexColourButton_};
    for (int i = 0; i < 3; ++i) {
        colours->addWidget(new QLabel(captions[i], group), i, 0);
        colours->addWidget(panels[i], i, 1);
        colours->addWidget(buttons[i], i, 2);
    }
    layout->addLayout(colours);
    layout->addWidget(buildTrackGroup());
    return group;
}

QGroupBox* OptionsForm::buildTrackGroup() {
    auto* group = new QGroupBox("GPL", this);
    trackfolderBox_ = checkBox(group, "TrackfolderCheckBox", "Save 3DO to track-folder:");
    trackFolderEdit_ =
        lineEdit(group, "TrackFolderEditBox", "The Track Folder the 3DO is saved to");
    trackFolderEdit_->setReadOnly(true);
    browseTrackButton_ = button(group, "BrowseTrackButton", "Browse");
    autoGplBox_ = checkBox(group, "AutoGPLCheckBox", "Autostart GPL when 3DO is written");
    minimizeRadio_ = new QRadioButton(group);
    minimizeRadio_->setObjectName("MakerMinimizeRadioButton");
    closeRadio_ = new QRadioButton(group);
    closeRadio_->setObjectName("MakerCloseRadioButton");
    gplParamBox_ =
        checkBox(group, "GPLParamCheckBox", "Use additional GPL command-line Parameters");
    paramsEdit_ = lineEdit(group, "AdditionalGPLParamsEditBox", kParamsHint);
    overwriteBox_ =
        checkBox(group, "OverwriteCheckBox", "Auto-Overwrite 3DO (No repeating prompt)");

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(trackfolderBox_);
    layout->addLayout(row({trackFolderEdit_, browseTrackButton_}));
    layout->addWidget(autoGplBox_);
    layout->addWidget(indented(minimizeRadio_));
    layout->addWidget(indented(closeRadio_));
    layout->addWidget(gplParamBox_);
    layout->addWidget(paramsEdit_);
    layout->addWidget(overwriteBox_);
    return group;
}

void OptionsForm::readSettings() {
    context_.general = readGeneralOptions(context_.settings);
    // A copy: setting a box below runs its handler, which stores the same value again.
    const GeneralOptions g = context_.general;

    gplPathEdit_->setText(qs(g.GPLPath));
    viewerPathEdit_->setText(qs(g.ViewerPath));
    userPathEdit_->setText(qs(g.UserPath));
    bmpPathEdit_->setText(qs(g.BMPPath));

    makeSubDirBox_->setChecked(g.MakeSubDir);
    gridBox_->setChecked(g.ShowGrid);
    gridScaleSpin_->setValue(g.GridScale);
    gridSizeSpin_->setValue(g.GridSize);
    setGridColourText(g.GridColor);
    copyBmpBox_->setChecked(g.CopyBmp);
    mipInfoBox_->setChecked(g.MipInfo);

    maxBox_->setChecked(g.MaxOnStartup);
    playSoundBox_->setChecked(g.PlaySound);
    faceBox_->setChecked(g.ShowBackside);
    randomBox_->setChecked(g.RandomPolyColors);
    hintBox_->setChecked(g.ToolTips);
    noCaptionBox_->setChecked(g.NoCaption);
    // The application's tool tips always follow the box, also when it stays unchecked.
    setApplicationToolTips(g.ToolTips);
}

void OptionsForm::viewChanged(bool onlyWhenViewReady) {
    if (onlyWhenViewReady && !context_.document.project().GeometryPresent) return;
    emit viewSettingsChanged();
}

void OptionsForm::done(int result) {
    const std::string params = paramsEdit_->text().toStdString();
    changeOptions([&params](ProjectOptions& o) { o.AdditionalGPLParams = params; });
    QDialog::done(result);
}

} // namespace meshsmith
