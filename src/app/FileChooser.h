#pragma once
// The file dialogs of the main window, replaceable so that tests and the window probe can
// answer them without a person.

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

class QWidget;

struct FileRequest {
  FileRequest(bool save, QString caption, QStringList filters)
      : save(save), caption(std::move(caption)), filters(std::move(filters)) {}

  bool save = false;
  QString caption;
  QStringList filters;  // "Grid (*.grd)", ...; the first is chosen at first
  QString folder;       // where the dialog opens; ChooseFile fills it
};

struct FileAnswer {
  QString path;         // empty: the user cancelled
  int filterIndex = 0;  // the filter chosen in the dialog
};

using FileChooser = std::function<FileAnswer(QWidget* parent, const FileRequest& request)>;

// Asks through the installed chooser, by default the Qt file dialog, opened in the files folder
// of the settings. A file to save named without an extension gets the chosen filter's.
FileAnswer ChooseFile(QWidget* parent, FileRequest request);
// Installs a chooser; an empty one puts the Qt file dialog back.
void SetFileChooser(FileChooser chooser);
// The filter whose pattern matches the file's extension; 0 when none does.
int FilterIndexForPath(const QStringList& filters, const QString& path);
// The first extension a filter names ("grd" for "Grid (*.grd)"); empty for "All Files (*)".
QString FilterExtension(const QString& filter);
