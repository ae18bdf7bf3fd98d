#pragma once
// The small modal "Check Against Lexicons" dialog: the user ticks the installed lexicons whose
// words a new lexicon leaves out, and chooses strict checking. There is no cancel: however it is
// closed, it takes the ticked lexicons, possibly none.

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class VirtualLexList;

class TfrmCheckLexicons : public QDialog {
  Q_OBJECT

 public:
  // Lists the lexicons of the list, sorted by name without regard to case, none ticked.
  TfrmCheckLexicons(QWidget* owner, const VirtualLexList& list);

  // The full paths of the lexicons ticked when the dialog closed, in the list's order.
  std::vector<std::string> GetCheckLexicons() const { return mCheckLexicons; }
  bool StrictChecking() const;

  // Every way of closing comes here (the button, Escape, the title bar).
  void done(int result) override;

 private:
  void FormCreate(const VirtualLexList& list);
  void cmdCloseClick();
  void FormClose();

  QLabel* lblLexicons = nullptr;
  QListWidget* chkListLexicons = nullptr;
  QCheckBox* chkStrictChecking = nullptr;
  QPushButton* cmdClose = nullptr;
  std::vector<std::string> mCheckLexicons;
};
