#include "app/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/qt/QtText.h"

namespace {
FileChooser& Installed() {
  static FileChooser chooser;
  return chooser;
}

FileAnswer AskWithFileDialog(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, request.caption, request.folder, request.filters.join(";;"));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The dialog adds the extension itself, so that it asks before replacing the file meant.
  const auto useExtensionOf = [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(FilterExtension(filter));
  };
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useExtensionOf);
  dialog.selectNameFilter(request.filters.value(0));
  useExtensionOf(request.filters.value(0));
  if (dialog.exec() != QDialog::Accepted) return {};
  return {dialog.selectedFiles().value(0),
          std::max(0, int(request.filters.indexOf(dialog.selectedNameFilter())))};
}

const QRegularExpression& ExtensionPattern() {
  static const QRegularExpression pattern(R"(\*\.(\w+))");
  return pattern;
}
}  // namespace

FileAnswer ChooseFile(QWidget* parent, FileRequest request) {
  if (request.folder.isEmpty()) {
    request.folder = FileNameToQString(Settings::Instance().GetString(SettingId::FolderFiles));
  }
  const FileChooser& chooser = Installed();
  FileAnswer answer = chooser ? chooser(parent, request) : AskWithFileDialog(parent, request);
  const QString extension = FilterExtension(request.filters.value(answer.filterIndex));
  if (request.save && !answer.path.isEmpty() && !extension.isEmpty() &&
      !QFileInfo(answer.path).fileName().contains('.')) {
    answer.path += "." + extension;
  }
  return answer;
}

void SetFileChooser(FileChooser chooser) { Installed() = std::move(chooser); }

int FilterIndexForPath(const QStringList& filters, const QString& path) {
  for (int i = 0; i < filters.size(); ++i) {
    auto matches = ExtensionPattern().globalMatch(filters[i]);
    while (matches.hasNext()) {
      if (path.endsWith("." + matches.next().captured(1), Qt::CaseInsensitive)) return i;
    }
  }
  return 0;
}

QString FilterExtension(const QString& filter) {
  return ExtensionPattern().match(filter).captured(1);
}
