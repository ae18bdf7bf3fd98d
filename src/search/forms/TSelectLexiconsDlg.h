#pragma once
// The "Select Lexicons" dialog: the installed lexicons with their word counts and dates, each
// marked selected or not in one selection that the dialog edits in place. Selecting loads a
// lexicon at once and deselecting lets it go; there is no Cancel that undoes either. The
// dialog also deletes lexicons and makes the current selection the default of later ones.

#include <QDialog>
#include <QIcon>
#include <initializer_list>
#include <string>
#include <vector>

class QAction;
class QEvent;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class VirtualLexListView;

class TSelectLexiconsDlg : public QDialog {
  Q_OBJECT

 public:
  // Each row's image: 0 not selected, 1 selected.
  static constexpr int kImageIndexRole = Qt::UserRole + 1;

  // The view stays the caller's; it must outlive the dialog.
  TSelectLexiconsDlg(QWidget* owner, VirtualLexListView& view);

  // Closing is refused while every row is being selected or cleared.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  void FillList();
  void SetAllSelected(bool state);
  void HookMainMenu();
  void HookPopupMenu();
  // One menu entry; one without a handler is a separator.
  struct MenuEntry {
    const char* caption = "-";
    const char* hint = "";
    void (TSelectLexiconsDlg::*handler)() = nullptr;
    bool deleteKey = false;
  };
  void AddCommands(QMenu* menu, std::initializer_list<MenuEntry> entries);
  QMenu* BuildMainMenu();
  void BuildPopupMenu();
  void ApplyWidths();

  void ListView1DblClick();
  void ListView1KeyPress();
  void mnuToggleLexiconsClick();
  void mnuSelectAllClick();
  void mnuDeselectAllClick();
  void mnuDeleteLexiconsClick();
  void mnuMakeDefaultClick();
  void mnuCloseClick();

  // Flips the row's entry and shows what the entry then is: the image changes only when the
  // lexicon could be loaded or let go.
  void ToggleRow(QTreeWidgetItem* row);
  std::vector<QTreeWidgetItem*> HighlightedRows() const;
  void SetRowImage(QTreeWidgetItem* row, bool selected);
  // Every command of the dialog, on or off.
  void EnableCommands(bool enabled);

  VirtualLexListView& view;
  QMenuBar* MainMenu1 = nullptr;
  QMenu* mnuLexicons = nullptr;
  QMenu* mnuPopup = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QPushButton* cmdSelectAll = nullptr;
  QPushButton* cmdDeselectAll = nullptr;
  QPushButton* cmdClose = nullptr;
  std::vector<QAction*> commands;  // the menu entries of both menus
  QIcon images[2];                 // not selected, selected
  bool busy = false;               // selecting or clearing every row
};

// The dialog for the view, owned by the application window; shown modally by the caller.
TSelectLexiconsDlg* CreateSelectLexiconsDlg(VirtualLexListView& view);
// Deletes the dialog; nothing for none.
void FreeSelectLexiconsDlg(TSelectLexiconsDlg* dialog);
