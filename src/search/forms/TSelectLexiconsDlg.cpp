#include "search/forms/TSelectLexiconsDlg.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "foundation/FoundationTextIds.h"
#include "foundation/ProcessMessages.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "foundation/forms/CopyFontSettings.h"
#include "foundation/forms/MenuPainter.h"
#include "foundation/forms/WindowColour.h"
#include "platform/qt/QtHost.h"
#include "search/SearchTextIds.h"
#include "search/selection/SelectLexicons.h"
#include "search/selection/VirtualLexListView.h"

namespace {

constexpr QSize kInitialSize(361, 262);
constexpr int kButtonGap = 4;
constexpr int kTextMargin = 10;  // a button's caption and a list's border
constexpr int32_t kHelpTopic = 280;
constexpr int kIndexRole = Qt::UserRole;
constexpr const char* kToggleHint = "Toggle the State of Highlighted Lexicons";
constexpr const char* kSelectAllHint = "Select All Lexicons for Use";
constexpr const char* kDeselectAllHint = "Deselect All Lexicons";
constexpr const char* kDeleteHint = "Delete Highlighted Lexicons";
constexpr const char* kMakeDefaultHint =
    "Makes the Currently Selected Lexicons the Default for Future Searches";

enum Column { kName, kWords, kCreated, kModified, kColumns };

// The two row images: an empty box, and the box ticked.
QIcon StateImage(bool selected) {
  QPixmap image(16, 16);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(2.5, 2.5, 11, 11));
  if (selected) {
    painter.setPen(QPen(QColor(0x10, 0x80, 0x20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 10.5), QPointF(11.5, 5)}));
  }
  return QIcon(image);
}

// A cursor that shows work under way on one widget for as long as it lives.
class BusyCursor {
 public:
  explicit BusyCursor(QWidget* target) : widget(target) { widget->setCursor(Qt::WaitCursor); }
  ~BusyCursor() { widget->unsetCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  QWidget* widget;
};

}  // namespace

TSelectLexiconsDlg::TSelectLexiconsDlg(QWidget* owner, VirtualLexListView& view)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      view(view) {
  setWindowTitle("Select Lexicons");
  images[0] = StateImage(false);
  images[1] = StateImage(true);

  MainMenu1 = new QMenuBar(this);
  MainMenu1->setNativeMenuBar(false);
  mnuLexicons = BuildMainMenu();
  BuildPopupMenu();

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName("ListView1");
  ListView1->setColumnCount(kColumns);
  ListView1->setHeaderLabels({"Name", "Words", "Created", "Modified"});
  for (int column : {kWords, kCreated, kModified})
    ListView1->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  ListView1->setRootIsDecorated(false);
  ListView1->setUniformRowHeights(true);
  ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->header()->setSectionsMovable(false);
  ListView1->header()->setStretchLastSection(false);
  ListView1->setToolTip("Select Lexicons");
  ListView1->setStatusTip(" Double Click to Select/DeSelect Lexicons.");
  ListView1->installEventFilter(this);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TSelectLexiconsDlg::ListView1DblClick);

  cmdSelectAll = new QPushButton("&Select All", this);
  cmdDeselectAll = new QPushButton("&Deselect All", this);
  cmdClose = new QPushButton("&Close", this);
  cmdSelectAll->setObjectName("cmdSelectAll");
  cmdDeselectAll->setObjectName("cmdDeselectAll");
  cmdClose->setObjectName("cmdClose");
  cmdClose->setDefault(true);
  connect(cmdSelectAll, &QPushButton::clicked, this, &TSelectLexiconsDlg::mnuSelectAllClick);
  connect(cmdDeselectAll, &QPushButton::clicked, this, &TSelectLexiconsDlg::mnuDeselectAllClick);
  connect(cmdClose, &QPushButton::clicked, this, &TSelectLexiconsDlg::mnuCloseClick);

  // The close button keeps its distance from the right edge whatever the width.
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(kButtonGap, kButtonGap, kButtonGap, kButtonGap);
  buttons->setSpacing(kButtonGap);
  buttons->addWidget(cmdSelectAll);
  buttons->addWidget(cmdDeselectAll);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(ListView1);
  layout->addLayout(buttons);

  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { mnuPopup->popup(mapToGlobal(at)); });

  resize(kInitialSize);
  FormCreate();
}

void TSelectLexiconsDlg::AddCommands(QMenu* menu, std::initializer_list<MenuEntry> entries) {
  for (const MenuEntry& entry : entries) {
    if (!entry.handler) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(entry.caption);
    action->setStatusTip(entry.hint);
    if (entry.deleteKey) action->setShortcut(QKeySequence::Delete);
    connect(action, &QAction::triggered, this, entry.handler);
    commands.push_back(action);
  }
}

QMenu* TSelectLexiconsDlg::BuildMainMenu() {
  QMenu* menu = MainMenu1->addMenu("Lexicons");
  AddCommands(menu,
              {{"&Toggle Lexicons", kToggleHint, &TSelectLexiconsDlg::mnuToggleLexiconsClick},
               {},
               {"&Select All", kSelectAllHint, &TSelectLexiconsDlg::mnuSelectAllClick},
               {"&Deselect All", kDeselectAllHint, &TSelectLexiconsDlg::mnuDeselectAllClick},
               {},
               {"Delete Lexicons", kDeleteHint, &TSelectLexiconsDlg::mnuDeleteLexiconsClick, true},
               {},
               {"&Make Default", kMakeDefaultHint, &TSelectLexiconsDlg::mnuMakeDefaultClick},
               {},
               {"&Close", "", &TSelectLexiconsDlg::mnuCloseClick}});
  return menu;
}

void TSelectLexiconsDlg::BuildPopupMenu() {
  mnuPopup = new QMenu(this);
  AddCommands(mnuPopup,
              {{"&Toggle Lexicon", kToggleHint, &TSelectLexiconsDlg::mnuToggleLexiconsClick},
               {},
               {"&Select All", kSelectAllHint, &TSelectLexiconsDlg::mnuSelectAllClick},
               {"&Deselect All", kDeselectAllHint, &TSelectLexiconsDlg::mnuDeselectAllClick},
               {},
               {"Delete Lexicon", kDeleteHint, &TSelectLexiconsDlg::mnuDeleteLexiconsClick, true}});
}

void TSelectLexiconsDlg::FormCreate() {
  CopyFontSettings(this);
  SetWindowColour(ListView1);
  FillList();
  ApplyWidths();
  HookMainMenu();
  HookPopupMenu();
  mnuLexicons->menuAction()->setEnabled(false);
  mnuLexicons->menuAction()->setEnabled(true);
}

void TSelectLexiconsDlg::ApplyWidths() {
  const QFontMetrics metrics(font());
  // Every button as wide as "Deselect All" needs, though never narrower than its style allows.
  int buttonWidth = metrics.horizontalAdvance(cmdDeselectAll->text()) + kTextMargin;
  for (QPushButton* button : {cmdSelectAll, cmdDeselectAll, cmdClose})
    buttonWidth = std::max(buttonWidth, button->sizeHint().width());
  for (QPushButton* button : {cmdSelectAll, cmdDeselectAll, cmdClose})
    button->setFixedWidth(buttonWidth);

  const int nameWidth =
      metrics.horizontalAdvance(QString::fromStdString(LoadResString(kLexiconNameSample)));
  const int wordsWidth =
      metrics.horizontalAdvance(QString::fromStdString(LoadResString(kLexiconWordsSample)));
  const int dateWidth =
      metrics.horizontalAdvance(QString::fromStdString(LoadResString(kLexiconDateSample)));
  const int widths[kColumns] = {nameWidth, wordsWidth, dateWidth, dateWidth};
  for (int column = 0; column < kColumns; ++column)
    ListView1->header()->resizeSection(column, widths[column]);

  int clientWidth = std::accumulate(std::begin(widths), std::end(widths), 0) + kTextMargin;
  // Room for the scroll bar when the rows do not all show at once. The list is measured before
  // it has ever been shown, so its rows' room is worked out from its own height.
  layout()->invalidate();
  layout()->activate();
  const int rowHeight = ListView1->topLevelItemCount() > 0 ? ListView1->sizeHintForRow(0) : 0;
  const int rowsRoom =
      ListView1->height() - 2 * ListView1->frameWidth() - ListView1->header()->sizeHint().height();
  if (rowHeight > 0 && ListView1->topLevelItemCount() > rowsRoom / rowHeight)
    clientWidth += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView1);
  resize(clientWidth, height());
}

void TSelectLexiconsDlg::FillList() {
  ListView1->clear();
  const std::vector<LexViewInfo>& entries = view.Entries();
  std::vector<LexiconRow> rows;
  for (const LexViewInfo& entry : entries) rows.push_back(DescribeLexicon(entry));
  // Rows by name, as a list sorted by caption orders them: case aside.
  std::vector<size_t> order(entries.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return QString::fromStdString(rows[a].name)
               .compare(QString::fromStdString(rows[b].name), Qt::CaseInsensitive) < 0;
  });
  for (size_t index : order) {
    const LexiconRow& text = rows[index];
    auto* row = new QTreeWidgetItem(
        QStringList{QString::fromStdString(text.name), QString::fromStdString(text.words),
                    QString::fromStdString(text.created), QString::fromStdString(text.modified)});
    for (int column : {kWords, kCreated, kModified})
      row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(0, kIndexRole, QVariant::fromValue<qulonglong>(index));
    SetRowImage(row, entries[index].selected != 0);
    ListView1->addTopLevelItem(row);
  }
}

void TSelectLexiconsDlg::HookMainMenu() { ::HookMainMenu(MainMenu1, this); }
void TSelectLexiconsDlg::HookPopupMenu() { ::HookPopupMenu(mnuPopup, this); }

bool TSelectLexiconsDlg::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) SetHelpContext(kHelpTopic);
  return QDialog::event(event);
}

bool TSelectLexiconsDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListView1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    ListView1KeyPress();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TSelectLexiconsDlg::done(int result) {
  if (busy) return;
  QDialog::done(result);
}

std::vector<QTreeWidgetItem*> TSelectLexiconsDlg::HighlightedRows() const {
  std::vector<QTreeWidgetItem*> rows;
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
    if (QTreeWidgetItem* row = ListView1->topLevelItem(i); row->isSelected()) rows.push_back(row);
  return rows;
}

void TSelectLexiconsDlg::SetRowImage(QTreeWidgetItem* row, bool selected) {
  row->setIcon(kName, images[selected ? 1 : 0]);
  row->setData(kName, kImageIndexRole, selected ? 1 : 0);
}

void TSelectLexiconsDlg::ToggleRow(QTreeWidgetItem* row) {
  const size_t index = row->data(0, kIndexRole).toULongLong();
  SetRowImage(row, view.Toggle(index));
}

void TSelectLexiconsDlg::ListView1DblClick() {
  if (busy) return;
  const std::vector<QTreeWidgetItem*> rows = HighlightedRows();
  if (rows.empty()) return;
  BusyCursor cursor(ListView1);
  ToggleRow(rows.front());
  ListView1->viewport()->repaint();
}

void TSelectLexiconsDlg::ListView1KeyPress() { ListView1DblClick(); }

void TSelectLexiconsDlg::mnuToggleLexiconsClick() {
  for (QTreeWidgetItem* row : HighlightedRows()) ToggleRow(row);
}

void TSelectLexiconsDlg::mnuSelectAllClick() { SetAllSelected(true); }
void TSelectLexiconsDlg::mnuDeselectAllClick() { SetAllSelected(false); }

void TSelectLexiconsDlg::EnableCommands(bool enabled) {
  for (QAction* action : commands) action->setEnabled(enabled);
  for (QPushButton* button : {cmdSelectAll, cmdDeselectAll, cmdClose}) button->setEnabled(enabled);
}

void TSelectLexiconsDlg::SetAllSelected(bool state) {
  // The window stays responsive while lexicons load, so nothing may change the rows meanwhile:
  // every command waits, closing included.
  busy = true;
  EnableCommands(false);
  {
    BusyCursor cursor(ListView1);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
      ProcessMessages();
      QTreeWidgetItem* row = ListView1->topLevelItem(i);
      const size_t index = row->data(0, kIndexRole).toULongLong();
      SetRowImage(row, view.Select(index, state));
    }
  }
  EnableCommands(true);
  busy = false;
}

void TSelectLexiconsDlg::mnuDeleteLexiconsClick() {
  std::vector<std::string> paths;
  for (QTreeWidgetItem* row : HighlightedRows())
    paths.push_back(view.Entries().at(row->data(0, kIndexRole).toULongLong()).path);
  try {
    if (ConfirmAndDeleteLexicons(view, paths, BoxOwner(this))) FillList();
  } catch (const SorvaneException& e) {
    MessageBoxWrapper(BoxOwner(this), e.what(), LoadResString(kErrorCaption), MB_OK);
    FillList();
  }
}

void TSelectLexiconsDlg::mnuMakeDefaultClick() {
  try {
    view.ApplyFlags();
  } catch (const SorvaneException& e) {
    MessageBoxWrapper(BoxOwner(this), e.what(), LoadResString(kErrorCaption), MB_OK);
  }
}

void TSelectLexiconsDlg::mnuCloseClick() { reject(); }

TSelectLexiconsDlg* CreateSelectLexiconsDlg(VirtualLexListView& view) {
  return new TSelectLexiconsDlg(ApplicationWindow(), view);
}

void FreeSelectLexiconsDlg(TSelectLexiconsDlg* dialog) { delete dialog; }
