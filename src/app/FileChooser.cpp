#include "app/FileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {
FileChooser& Installed() {
  static FileChooser chooser;
  return chooser;
}

FileAnswer AskWithFileDialog(QWidget* parent, const FileRequest& request) {
  const QString filter = request.filters.join(";;");
  QString chosen = request.filters.value(0);
  const QString path =
      request.save ? QFileDialog::getSaveFileName(parent, request.caption, {}, filter, &chosen)
                   : QFileDialog::getOpenFileName(parent, request.caption, {}, filter, &chosen);
  return {path, std::max(0, int(request.filters.indexOf(chosen)))};
}
}  // namespace

FileAnswer ChooseFile(QWidget* parent, const FileRequest& request) {
  const FileChooser& chooser = Installed();
  return chooser ? chooser(parent, request) : AskWithFileDialog(parent, request);
}

void SetFileChooser(FileChooser chooser) { Installed() = std::move(chooser); }

int FilterIndexForPath(const QStringList& filters, const QString& path) {
  static const QRegularExpression pattern(R"(\*\.(\w+))");
  for (int i = 0; i < filters.size(); ++i) {
    auto matches = pattern.globalMatch(filters[i]);
    while (matches.hasNext()) {
      if (path.endsWith("." + matches.next().captured(1), Qt::CaseInsensitive)) return i;
    }
  }
  return 0;
}
