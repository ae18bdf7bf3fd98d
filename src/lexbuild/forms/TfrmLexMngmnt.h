#pragma once
// The modal "Lexicon Management" dialog: four tabs (add a word, remove a word, merge lexicons,
// create a lexicon from a word list) and one OK button that runs the operation of the tab
// showing. The decisions are the core's (LexMngmnt); the dialog reads its controls, calls it and
// shows what it returns.

#include <QDialog>
#include <functional>

#include "lexbuild/LexMngmnt.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class VirtualLexListView;

class TfrmLexMngmnt : public QDialog {
  Q_OBJECT

 public:
  // lexView: the active search tab's selection; the dialog lists its lexicons and selects a
  // lexicon it creates there. Not owned.
  TfrmLexMngmnt(VirtualLexListView& lexView, QWidget* owner);

  // The open-file dialog behind Browse: answers the chosen file, or an empty text. Tests replace it.
  using FileChooser = std::function<QString(QWidget* parent)>;
  void SetFileChooser(FileChooser chooser) { chooseFile = std::move(chooser); }

  LexMngmnt& Core() { return core; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildAddTab();
  void BuildRemoveTab();
  void BuildMergeTab();
  void BuildCreateTab();
  void FormCreate();
  void LayOutMergeGroup();

  void pgeLexMngmntChange(int index);
  void tabAddWordShow();
  void tabRemoveWordShow();
  void tabMergeLexShow();
  void tabCreateLexFromFileShow();
  void FillLexiconCombo();
  void FillMergeList();
  void cmdOKClick();
  void cmdWhereIsClick();
  void cmdBrowseClick();
  void chkUniqueOnlyClick();
  LexMngmntControls ReadControls() const;
  void Apply(const ViewUpdate& update);

  LexMngmnt core;
  FileChooser chooseFile;
  bool shownOnce = false;

  QTabWidget* pgeLexMngmnt = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdClose = nullptr;
  QWidget* tabAddWord = nullptr;
  QGroupBox* grpAddWord = nullptr;
  QLabel* lblWord = nullptr;
  QLineEdit* txtAddWord = nullptr;
  QLabel* lblAddLexicons = nullptr;
  QComboBox* cboAddLexicons = nullptr;
  QPushButton* cmdAddWhereIs = nullptr;
  QWidget* tabRemoveWord = nullptr;
  QGroupBox* grpRemoveWord = nullptr;
  QLabel* lblRemoveWord = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* txtRemoveWord = nullptr;
  QComboBox* cboRemoveLexicons = nullptr;
  QPushButton* cmdRemoveWhereIs = nullptr;
  QWidget* tabMergeLex = nullptr;
  QGroupBox* grpMergeLex = nullptr;
  QLabel* lblMergeLexicons = nullptr;
  QLabel* lblMergeNewName = nullptr;
  QListWidget* dictListBox = nullptr;
  QLineEdit* newDictEdit = nullptr;
  QCheckBox* chkDeleteDicts = nullptr;
  QWidget* tabCreateLexFromFile = nullptr;
  QGroupBox* grpCreateLexFromFile = nullptr;
  QLabel* lblCreateFile = nullptr;
  QLineEdit* txtFileName = nullptr;
  QLabel* lblCreateNewLexName = nullptr;
  QLineEdit* txtLexiconName = nullptr;
  QPushButton* cmdBrowse = nullptr;
  QCheckBox* chkUniqueOnly = nullptr;

  QComboBox* mCurrentCombo = nullptr;  // the lexicon combo of the word tab last shown
  QLineEdit* mCurrentEdit = nullptr;   // the word edit of the word tab last shown
};
