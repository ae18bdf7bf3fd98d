#pragma once
// The file dialogs of the main window, replaceable so that tests and the window probe can
// answer them without a person.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct FileRequest {
  bool save = false;
  QString caption;
  QStringList filters;  // "Grid (*.grd)", ...; the first is chosen at first
};

struct FileAnswer {
  QString path;         // empty: the user cancelled
  int filterIndex = 0;  // the filter chosen in the dialog
};

using FileChooser = std::function<FileAnswer(QWidget* parent, const FileRequest& request)>;

// Asks through the installed chooser, by default the Qt file dialog.
FileAnswer ChooseFile(QWidget* parent, const FileRequest& request);
// Installs a chooser; an empty one puts the Qt file dialog back.
void SetFileChooser(FileChooser chooser);
// The filter whose pattern matches the file's extension; 0 when none does.
int FilterIndexForPath(const QStringList& filters, const QString& path);
