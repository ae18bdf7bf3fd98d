#include "lexbuild/forms/TfrmLexMngmnt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "foundation/ResStrings.h"
#include "foundation/forms/CopyFontSettings.h"
#include "foundation/forms/Placement.h"
#include "foundation/forms/WindowColour.h"
#include "lexbuild/forms/ControlLook.h"
#include "lexbuild/forms/Cp1252Validator.h"
#include "lexbuild/forms/TfrmCheckLexicons.h"
#include "platform/qt/QtText.h"

namespace {

constexpr QSize kClientSize(520, 280);
constexpr int kGap = 4;
constexpr int kMargin = 12;
constexpr int kEditWidth = 170;
constexpr int kRightColumnWidth = 190;
constexpr QSize kButtonSize(75, 25);

template <typename Control>
Control* Make(QWidget* parent, const char* name) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption) {
  auto* label = Make<QLabel>(parent, name);
  label->setText(caption);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = Make<QPushButton>(parent, name);
  button->setText(caption);
  return button;
}

// A tab whose group box fills it.
QGroupBox* MakeTab(QTabWidget* pages, QWidget*& tab, const char* name, const char* caption) {
  tab = Make<QWidget>(pages, name);
  auto* group = new QGroupBox(tab);
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(kGap, kGap, kGap, kGap);
  layout->addWidget(group);
  pages->addTab(tab, caption);
  return group;
}

void Size(QWidget* control, int width) { control->resize(width, control->sizeHint().height()); }

// The word tabs: the edit right of its label, the combo at the edit's left below it, Where Is
// right of the edit and as high as it.
void PlaceWordTab(QLabel* wordLabel, QLineEdit* edit, QLabel* comboLabel, QComboBox* combo,
                  QPushButton* whereIs) {
  wordLabel->adjustSize();
  comboLabel->adjustSize();
  Size(edit, kEditWidth);
  Size(combo, kEditWidth);
  wordLabel->move(kMargin, 28);
  edit->move(0, 24);
  PlaceRightOf(edit, wordLabel, kGap);
  comboLabel->move(kMargin, 28 + edit->height() + 12);
  combo->move(edit->x(), comboLabel->y() - 4);
  whereIs->resize(whereIs->sizeHint().width(), edit->height());
  whereIs->move(0, edit->y());
  PlaceRightOf(whereIs, edit, kGap);
}

}  // namespace

TfrmLexMngmnt::TfrmLexMngmnt(VirtualLexListView& lexView, QWidget* owner)
    : QDialog(owner), core(lexView, static_cast<QWidget*>(this)) {
  setWindowTitle("Lexicon Management");
  setFont(QFont("Tahoma", 8));
  resize(kClientSize);
  chooseFile = [](QWidget* parent) {
    // Qt never changes the process's current folder; the file must exist.
    return QFileDialog::getOpenFileName(parent, "Find File", QString(),
                                        "Text File (txt) (*.txt);;All Files (*)");
  };

  pgeLexMngmnt = Make<QTabWidget>(this, "pgeLexMngmnt");
  BuildAddTab();
  BuildRemoveTab();
  BuildMergeTab();
  BuildCreateTab();
  cmdOK = MakeButton(this, "cmdOK", "&OK");
  cmdOK->setDefault(true);
  cmdClose = MakeButton(this, "cmdClose", "Close");
  connect(cmdOK, &QPushButton::clicked, this, &TfrmLexMngmnt::cmdOKClick);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
  connect(pgeLexMngmnt, &QTabWidget::currentChanged, this, &TfrmLexMngmnt::pgeLexMngmntChange);
  core.refreshView = [this](const ViewUpdate& update) { Apply(update); };
  FormCreate();
}

void TfrmLexMngmnt::BuildAddTab() {
  grpAddWord = MakeTab(pgeLexMngmnt, tabAddWord, "tabAddWord", "Add Word");
  lblWord = MakeLabel(grpAddWord, "lblWord", "&Enter Word");
  txtAddWord = Make<QLineEdit>(grpAddWord, "txtAddWord");
  SetHint(txtAddWord, "Add Word|Enter the Word to be Added.");
  lblAddLexicons = MakeLabel(grpAddWord, "lblAddLexicons", "&Lexicons");
  cboAddLexicons = Make<QComboBox>(grpAddWord, "cboAddLexicons");
  cboAddLexicons->setEditable(true);
  cboAddLexicons->setInsertPolicy(QComboBox::NoInsert);
  SetHint(cboAddLexicons, "Select Lexicon|Select the Lexicon that the Word is to be Added to.");
  cmdAddWhereIs = MakeButton(grpAddWord, "cmdAddWhereIs", "&Where Is?");
  SetHint(cmdAddWhereIs, "Show Location|Displays a List of Lexicons Containing Word.");
  lblWord->setBuddy(txtAddWord);
  lblAddLexicons->setBuddy(cboAddLexicons);
  connect(cmdAddWhereIs, &QPushButton::clicked, this, &TfrmLexMngmnt::cmdWhereIsClick);
}

void TfrmLexMngmnt::BuildRemoveTab() {
  grpRemoveWord = MakeTab(pgeLexMngmnt, tabRemoveWord, "tabRemoveWord", "Remove Word");
  lblRemoveWord = MakeLabel(grpRemoveWord, "lblRemoveWord", "&Enter Word");
  txtRemoveWord = Make<QLineEdit>(grpRemoveWord, "txtRemoveWord");
  SetHint(txtRemoveWord, "Remove Word|Enter the Word to be Removed.");
  Label3 = MakeLabel(grpRemoveWord, "Label3", "&Lexicons");
  cboRemoveLexicons = Make<QComboBox>(grpRemoveWord, "cboRemoveLexicons");
  SetHint(cboRemoveLexicons,
          "Select Lexicon|Select the Lexicon that the Word is to be Removed from.");
  cmdRemoveWhereIs = MakeButton(grpRemoveWord, "cmdRemoveWhereIs", "&Where Is?");
  SetHint(cmdRemoveWhereIs, "Show Location|Displays a List of Lexicons Containing Word.");
  lblRemoveWord->setBuddy(txtRemoveWord);
  Label3->setBuddy(cboRemoveLexicons);
  connect(cmdRemoveWhereIs, &QPushButton::clicked, this, &TfrmLexMngmnt::cmdWhereIsClick);
}

void TfrmLexMngmnt::BuildMergeTab() {
  grpMergeLex = MakeTab(pgeLexMngmnt, tabMergeLex, "tabMergeLex", "Merge Lexicons");
  lblMergeLexicons = MakeLabel(grpMergeLex, "lblMergeLexicons", "&Lexicons");
  lblMergeNewName = MakeLabel(grpMergeLex, "lblMergeNewName", "&New Lexicon Name");
  dictListBox = Make<QListWidget>(grpMergeLex, "dictListBox");
  dictListBox->setSelectionMode(QAbstractItemView::MultiSelection);  // plain clicks
  SetHint(dictListBox, "Select Lexicons|Click to Select the Lexicons you want to Merge.");
  newDictEdit = Make<QLineEdit>(grpMergeLex, "newDictEdit");
  SetHint(newDictEdit, "New Lexiicon Name|Enter a Name for the New Merged Lexicon.");
  chkDeleteDicts = Make<QCheckBox>(grpMergeLex, "chkDeleteDicts");
  chkDeleteDicts->setText("&Delete Lexicons");
  SetHint(chkDeleteDicts, "Delete Lexicons|Delete the Selected Lexicons after Merge has completed.");
  lblMergeLexicons->setBuddy(dictListBox);
  lblMergeNewName->setBuddy(newDictEdit);
  // The list grows with the dialog; the name and the box keep to the right edge.
  grpMergeLex->installEventFilter(this);
}

void TfrmLexMngmnt::BuildCreateTab() {
  grpCreateLexFromFile =
      MakeTab(pgeLexMngmnt, tabCreateLexFromFile, "tabCreateLexFromFile", "Create Lexicon From File");
  lblCreateFile = MakeLabel(grpCreateLexFromFile, "lblCreateFile", "&Filename");
  lblCreateFile->setToolTip("Filemane of file containing the word list.");
  txtFileName = Make<QLineEdit>(grpCreateLexFromFile, "txtFileName");
  SetHint(txtFileName, "Enter FileName|Enter the FileName of the File Containing Words.");
  lblCreateNewLexName = MakeLabel(grpCreateLexFromFile, "lblCreateNewLexName", "&Lexicon Name");
  txtLexiconName = Make<QLineEdit>(grpCreateLexFromFile, "txtLexiconName");
  SetHint(txtLexiconName, "New Lexicon Name|Enter the Name of the New Lexicon to be Created.");
  cmdBrowse = MakeButton(grpCreateLexFromFile, "cmdBrowse", "&Browse");
  chkUniqueOnly = Make<QCheckBox>(grpCreateLexFromFile, "chkUniqueOnly");
  chkUniqueOnly->setText("&Add Unique Words Only");
  SetHint(chkUniqueOnly, "Add Unique Words Only|Only Add Words that do not Already Exist in "
                         "Selected Lexicons");
  lblCreateFile->setBuddy(txtFileName);
  lblCreateNewLexName->setBuddy(txtLexiconName);
  connect(cmdBrowse, &QPushButton::clicked, this, &TfrmLexMngmnt::cmdBrowseClick);
  // Clicks only: the dialog unticking the box opens nothing.
  connect(chkUniqueOnly, &QCheckBox::clicked, this, &TfrmLexMngmnt::chkUniqueOnlyClick);
}

void TfrmLexMngmnt::FormCreate() {
  // The form grows or shrinks with the program's font.
  const QString sample = lblCreateNewLexName->text();
  const int before = QFontMetrics(font()).horizontalAdvance(sample);
  CopyFontSettings(this);
  const int after = QFontMetrics(font()).horizontalAdvance(sample);
  resize(width() + after - before, height());

  for (QLineEdit* edit : {txtAddWord, txtRemoveWord}) edit->setValidator(new Cp1252Validator(edit));
  for (QLineEdit* edit : {cboAddLexicons->lineEdit(), newDictEdit, txtFileName, txtLexiconName})
    edit->setValidator(new ShownTextValidator(edit));
  PlaceWordTab(lblWord, txtAddWord, lblAddLexicons, cboAddLexicons, cmdAddWhereIs);
  PlaceWordTab(lblRemoveWord, txtRemoveWord, Label3, cboRemoveLexicons, cmdRemoveWhereIs);

  lblCreateFile->adjustSize();
  lblCreateNewLexName->adjustSize();
  Size(txtFileName, kEditWidth + 20);
  Size(txtLexiconName, kEditWidth + 20);
  lblCreateFile->move(kMargin, 28);
  txtFileName->move(0, 24);
  PlaceRightOf(txtFileName, lblCreateNewLexName, kGap);
  lblCreateNewLexName->move(kMargin, 28 + txtFileName->height() + 12);
  PlaceRightOf(txtFileName, lblCreateNewLexName, kGap);
  txtLexiconName->move(txtFileName->x(), lblCreateNewLexName->y() - 4);
  cmdBrowse->resize(cmdBrowse->sizeHint().width(), txtFileName->height());
  cmdBrowse->move(0, txtFileName->y());
  PlaceRightOf(cmdBrowse, txtFileName, kGap);
  chkUniqueOnly->adjustSize();
  chkUniqueOnly->move(txtLexiconName->x(), 0);
  PlaceBelow(chkUniqueOnly, txtLexiconName, 2 * kGap);

  pgeLexMngmnt->setCurrentWidget(tabAddWord);
  for (QWidget* control : std::initializer_list<QWidget*>{
           txtFileName, txtLexiconName, dictListBox, newDictEdit, txtRemoveWord, cboRemoveLexicons,
           txtAddWord, cboAddLexicons})
    SetWindowColour(control);
  SetHelpContext(ModeInfo(kAddWordMode).helpContext);
}

// The merge tab's anchors: the list to all four edges, the name column to the top and right.
void TfrmLexMngmnt::LayOutMergeGroup() {
  const QSize group = grpMergeLex->size();
  const int right = group.width() - kMargin - kRightColumnWidth;
  lblMergeLexicons->adjustSize();
  lblMergeLexicons->move(kMargin, 24);
  lblMergeNewName->adjustSize();
  lblMergeNewName->move(right, 24);
  Size(newDictEdit, kRightColumnWidth);
  newDictEdit->move(right, 0);
  PlaceBelow(newDictEdit, lblMergeNewName, kGap);
  Size(chkDeleteDicts, newDictEdit->width());
  chkDeleteDicts->move(right, 0);
  PlaceBelow(chkDeleteDicts, newDictEdit, 2 * kGap);
  dictListBox->move(kMargin, 0);
  PlaceBelow(dictListBox, lblMergeLexicons, kGap);
  dictListBox->resize(std::max(40, right - 2 * kMargin), group.height() - dictListBox->y() - 20);
}

bool TfrmLexMngmnt::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grpMergeLex && event->type() == QEvent::Resize) LayOutMergeGroup();
  return QDialog::eventFilter(watched, event);
}

void TfrmLexMngmnt::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  pgeLexMngmnt->setGeometry(rect());
  // Over the page control's lower right corner, kept to the right and bottom edges.
  const QSize button = kButtonSize.expandedTo(cmdOK->sizeHint()).expandedTo(cmdClose->sizeHint());
  const int top = height() - button.height() - 2 * kMargin;
  cmdClose->setGeometry(width() - button.width() - 2 * kMargin, top, button.width(), button.height());
  cmdOK->setGeometry(cmdClose->x() - button.width() - 2 * kGap, top, button.width(), button.height());
  cmdOK->raise();
  cmdClose->raise();
}

void TfrmLexMngmnt::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The first tab change fires while the tabs are built, before anything can be filled.
  if (shownOnce) return;
  shownOnce = true;
  tabAddWordShow();
}

void TfrmLexMngmnt::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) core.UpdateHelpContext();
}

void TfrmLexMngmnt::pgeLexMngmntChange(int index) {
  if (!shownOnce) return;
  const QWidget* page = pgeLexMngmnt->widget(index);
  if (page == tabAddWord) tabAddWordShow();
  if (page == tabRemoveWord) tabRemoveWordShow();
  if (page == tabMergeLex) tabMergeLexShow();
  if (page == tabCreateLexFromFile) tabCreateLexFromFileShow();
  core.UpdateHelpContext();
}

void TfrmLexMngmnt::tabAddWordShow() {
  mCurrentCombo = cboAddLexicons;
  mCurrentEdit = txtAddWord;
  core.mMode = kAddWordMode;
  cmdOK->setText(ModeInfo(kAddWordMode).okCaption);
  FillLexiconCombo();
}

void TfrmLexMngmnt::tabRemoveWordShow() {
  mCurrentCombo = cboRemoveLexicons;
  core.mMode = kRemoveWordMode;
  cmdOK->setText(ModeInfo(kRemoveWordMode).okCaption);
  mCurrentEdit = txtRemoveWord;
  FillLexiconCombo();
}

void TfrmLexMngmnt::tabMergeLexShow() {
  core.mMode = kMergeMode;
  cmdOK->setText(ModeInfo(kMergeMode).okCaption);
  FillMergeList();
}

void TfrmLexMngmnt::tabCreateLexFromFileShow() {
  core.mMode = kCreateMode;
  cmdOK->setText(ModeInfo(kCreateMode).okCaption);
}

// Each item keeps its lexicon's file name byte for byte: the shown text is a name only as best
// the screen can show it.
void TfrmLexMngmnt::FillLexiconCombo() {
  mCurrentCombo->clear();
  for (const std::string& name : core.LexiconNames())
    mCurrentCombo->addItem(FileNameToQString(name), FileNameItemData(name));
  mCurrentCombo->setCurrentIndex(mCurrentCombo->count() > 0 ? 0 : -1);
}

void TfrmLexMngmnt::FillMergeList() {
  dictListBox->clear();
  for (const std::string& name : core.LexiconNames()) {
    auto* item = new QListWidgetItem(FileNameToQString(name), dictListBox);
    item->setData(Qt::UserRole, FileNameItemData(name));
  }
}

LexMngmntControls TfrmLexMngmnt::ReadControls() const {
  LexMngmntControls controls;
  controls.word = Cp1252::FromQString(mCurrentEdit->text());
  // The lexicon chosen from the list, unless a name was typed over it in the add combo.
  const int chosen = mCurrentCombo->currentIndex();
  controls.comboText =
      chosen >= 0 && mCurrentCombo->itemText(chosen) == mCurrentCombo->currentText()
          ? FileNameOfItemData(mCurrentCombo->itemData(chosen))
          : FileNameFromQString(mCurrentCombo->currentText());
  for (int i = 0; i < mCurrentCombo->count(); ++i)
    controls.comboItems.push_back(FileNameOfItemData(mCurrentCombo->itemData(i)));
  for (int row = 0; row < dictListBox->count(); ++row)
    if (dictListBox->item(row)->isSelected())
      controls.mergeSelection.push_back(
          FileNameOfItemData(dictListBox->item(row)->data(Qt::UserRole)));
  controls.newDictName = FileNameFromQString(newDictEdit->text());
  controls.deleteDicts = chkDeleteDicts->isChecked();
  controls.fileName = FileNameFromQString(txtFileName->text());
  controls.lexiconName = FileNameFromQString(txtLexiconName->text());
  controls.uniqueOnly = chkUniqueOnly->isChecked();
  return controls;
}

void TfrmLexMngmnt::Apply(const ViewUpdate& update) {
  if (update.untickUniqueOnly) chkUniqueOnly->setChecked(false);
  if (update.refillCombo) {
    FillLexiconCombo();
    mCurrentCombo->setCurrentIndex(
        update.comboSelection.empty()
            ? -1
            : mCurrentCombo->findData(FileNameItemData(update.comboSelection)));
  }
  if (update.refillMergeList) FillMergeList();
  if (update.focusWordEdit) mCurrentEdit->setFocus();
}

void TfrmLexMngmnt::cmdOKClick() {
  // No second operation starts, and the dialog cannot be closed by its buttons, meanwhile.
  cmdOK->setEnabled(false);
  cmdClose->setEnabled(false);
  RunHandler(static_cast<QWidget*>(this), [this] { Apply(core.cmdOKClick(ReadControls())); });
  cmdOK->setEnabled(true);
  cmdClose->setEnabled(true);
}

void TfrmLexMngmnt::cmdWhereIsClick() {
  RunHandler(static_cast<QWidget*>(this), [this] { core.cmdWhereIsClick(Cp1252::FromQString(mCurrentEdit->text())); });
}

void TfrmLexMngmnt::cmdBrowseClick() {
  RunHandler(static_cast<QWidget*>(this), [this] {
    const QString chosen = chooseFile(this);
    if (chosen.isEmpty()) return;
    txtFileName->setText(chosen);
    txtFileName->setCursorPosition(static_cast<int>(chosen.size()));
  });
}

void TfrmLexMngmnt::chkUniqueOnlyClick() {
  RunHandler(static_cast<QWidget*>(this), [this] {
    if (!LexMngmnt::OpensCheckDialog(chkUniqueOnly->isChecked())) return;
    TfrmCheckLexicons dialog(this, core.mLexView.List());
    dialog.exec();
    core.SetCheckLexicons(dialog.GetCheckLexicons(), dialog.StrictChecking());
  });
}
