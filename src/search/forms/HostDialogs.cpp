#include "search/forms/HostDialogs.h"

#include "foundation/forms/TDlgProgress.h"
#include "platform/qt/QtHost.h"
#include "search/forms/TSelectLexiconsDlg.h"
#include "search/forms/TSubSetDlg.h"
#include "search/selection/SelectLexiconsDialog.h"

void RegisterHostDialogs(QtHost& host) {
  host.SetJobDialog([](QWidget* owner, HostedJob& job, const std::string& message,
                       bool showCancel) {
    TDlgProgress dialog(owner, job);
    dialog.SetMessage(QString::fromUtf8(message));
    if (!showCancel) dialog.HideCancel();
    dialog.Start();
  });
  host.SetSubsetDialog([](QWidget* owner, SubsetJob& job) {
    TSubSetDlg dialog(owner, job);
    return dialog.exec();
  });
  SelectLexiconsDialog::Register([](VirtualLexListView& view) {
    TSelectLexiconsDlg* dialog = CreateSelectLexiconsDlg(view);
    dialog->exec();
    FreeSelectLexiconsDlg(dialog);
  });
}
