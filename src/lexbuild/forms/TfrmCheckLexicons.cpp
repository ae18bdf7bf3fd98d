#include "lexbuild/forms/TfrmCheckLexicons.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "foundation/FolderPaths.h"
#include "foundation/PathText.h"
#include "foundation/forms/CopyFontSettings.h"
#include "foundation/forms/Placement.h"
#include "foundation/forms/WindowColour.h"
#include "lexbuild/forms/ControlLook.h"
#include "platform/qt/QtText.h"
#include "search/selection/VirtualLexList.h"

namespace {

constexpr QSize kClientSize(235, 196);
constexpr int kGap = 4;

}  // namespace

TfrmCheckLexicons::TfrmCheckLexicons(QWidget* owner, const VirtualLexList& list) : QDialog(owner) {
  setWindowTitle("Check Against Lexicons");
  lblLexicons = new QLabel("&Select Lexicons", this);
  lblLexicons->setObjectName("lblLexicons");
  chkListLexicons = new QListWidget(this);
  chkListLexicons->setObjectName("chkListLexicons");
  SetHint(chkListLexicons,
          "Select Lexicons|Select Lexicons to check words against before they are added to new "
          "Lexicon. Words already in Lexicons will not be added.");
  chkListLexicons->setToolTip(QString());  // the hint is not shown
  lblLexicons->setBuddy(chkListLexicons);
  chkStrictChecking = new QCheckBox("Strict Checking", this);
  chkStrictChecking->setObjectName("chkStrictChecking");
  SetHint(chkStrictChecking,
          "Discard Fuzzy Matches|Discard words that make fuzzy matches with words in Lexicons. ie "
          "Same word but with punctuation or different case.");
  cmdClose = new QPushButton("&Close", this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &TfrmCheckLexicons::cmdCloseClick);
  FormCreate(list);
}

void TfrmCheckLexicons::FormCreate(const VirtualLexList& list) {
  CopyFontSettings(this);
  SetWindowColour(chkListLexicons);
  // Shown as best the screen can; kept byte for byte.
  std::vector<std::pair<QString, std::string>> names;
  for (const auto& record : list.Records()) {
    const std::string name = ExtractFileName(record->path);
    names.emplace_back(FileNameToQString(name), name);
  }
  std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
    return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
  });
  for (const auto& [shown, name] : names) {
    auto* item = new QListWidgetItem(shown, chkListLexicons);
    item->setData(Qt::UserRole, FileNameItemData(name));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }

  const int width = kClientSize.width() - 2 * 8;
  lblLexicons->move(8, 8);
  lblLexicons->resize(width, lblLexicons->sizeHint().height());
  chkListLexicons->setGeometry(8, 0, width, 112);
  PlaceBelow(chkListLexicons, lblLexicons, kGap);
  chkStrictChecking->resize(width, chkStrictChecking->sizeHint().height());
  chkStrictChecking->move(8, 0);
  PlaceBelow(chkStrictChecking, chkListLexicons, 2 * kGap);
  const QSize button = QSize(75, 25).expandedTo(cmdClose->sizeHint());
  cmdClose->setGeometry(kClientSize.width() - 8 - button.width(), 0, button.width(), button.height());
  PlaceBelow(cmdClose, chkStrictChecking, 2 * kGap);
  // A dialog border: fixed, and never so small that a control is cut.
  setFixedSize(kClientSize.expandedTo(QSize(0, cmdClose->geometry().bottom() + 8)));
}

bool TfrmCheckLexicons::StrictChecking() const { return chkStrictChecking->isChecked(); }

void TfrmCheckLexicons::cmdCloseClick() { close(); }

void TfrmCheckLexicons::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TfrmCheckLexicons::FormClose() {
  mCheckLexicons.clear();
  for (int row = 0; row < chkListLexicons->count(); ++row) {
    const QListWidgetItem* item = chkListLexicons->item(row);
    if (item->checkState() == Qt::Checked)
      mCheckLexicons.push_back(GetLexiconFilePath(FileNameOfItemData(item->data(Qt::UserRole))));
  }
}
