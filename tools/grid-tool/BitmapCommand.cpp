// bitmap: the picture the grid control makes of a grid, drawn offscreen. The one command that
// needs Qt.

#include <QApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

#include "Commands.h"
#include "crossword/forms/CrossWordGrid.h"
#include "foundation/SaveTarget.h"
#include "platform/SignalStop.h"
#include "platform/qt/QtText.h"

int BitmapCommand(const Arguments& arguments) {
  if (arguments.size() != 2) return BadArguments("bitmap needs GRID and OUT.bmp");
  // Writing into a FIFO would wait for a reader; a device or folder is not the user's picture.
  if (!IsWritableTarget(arguments[1])) return WriteError(arguments[1]);
  ::setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  int argc = 1;
  char name[] = "grid-tool";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  CrossWordGrid grid;
  const int code = grid.LoadGrid(arguments[0]);
  if (code != 0) return FileError(code);
  const QImage image = grid.GetGridAsBitmap();
  if (image.isNull()) return BadArguments("the grid is too large for one picture");
  // Written beside the target and moved in whole, as the window saves a picture; a signal
  // meanwhile ends the tool once the picture is in place.
  const bool saved = SignalStop::RunEndingOnSignals([&] {
    QSaveFile file(FileNameToQString(arguments[1]));
    return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit() ? 1 : 0;
  });
  if (!saved) return WriteError(arguments[1]);
  std::printf("%d %d %d\n", grid.GetCellWidth(), grid.GetCellHeight(), grid.lineWidth);
  return 0;
}
