#pragma once
// The steps a user takes inside the dialog in front (the topmost modal dialog that is not a
// box), on its controls by their object names. Each answers false with the reason in error when
// it cannot be done.
//
//   dialog-tab N                  shows the dialog's page N (from 1)
//   dialog-type CONTROL TEXT      replaces an edit's text (or an editable combo's) by typing
//   dialog-tick CONTROL on|off    a check box
//   dialog-pick CONTROL TEXT      chooses a combo's item; clicks a list's item (ticks or
//                                 unticks it in a list of check boxes)
//   dialog-click CONTROL          a button ("disabled CONTROL" printed when it is disabled)
//   print dialog                  the caption, the page showing and each visible edit, check
//                                 box, combo and list: "NAME: text", "NAME: [x] caption",
//                                 "NAME: item | *chosen item", "[x]" for a ticked list item

#include <QString>
#include <ostream>

class QDialog;

namespace DialogSteps {

// Whether a step acts on the dialog in front (and so needs one left open).
bool ActsOnDialog(const QString& name, const QString& firstArgument);
QDialog* FrontDialog();

bool ShowTab(const QString& number, QString* error);
bool Type(const QString& control, const QString& text, QString* error);
bool Tick(const QString& control, const QString& state, QString* error);
bool Pick(const QString& control, const QString& text, QString* error);
bool Click(const QString& control, std::ostream& out, QString* error);
bool Print(std::ostream& out, QString* error);

}  // namespace DialogSteps
