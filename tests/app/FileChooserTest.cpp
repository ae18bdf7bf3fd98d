// The Qt file dialog behind the window's file commands, answered as a user would.

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "app/FileChooser.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

TEST(FileChooserTest, TheDialogOpensInTheFilesFolderAndAddsTheChosenFiltersExtension) {
  const QString files =
      QString::fromStdString(Settings::Instance().GetString(SettingId::FolderFiles));
  QString opened;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    opened = dialog->directory().absolutePath();
    // As a user picks the filter: the dialog announces it.
    dialog->selectNameFilter("Text (*.txt)");
    emit dialog->filterSelected("Text (*.txt)");
    dialog->selectFile("words");
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const FileAnswer answer =
      ChooseFile(nullptr, {true, "Save Grid", {"Grid (*.grd)", "Text (*.txt)"}});
  EXPECT_EQ(opened, files);
  EXPECT_EQ(answer.path, files + "/words.txt");
  EXPECT_EQ(answer.filterIndex, 1);
}
