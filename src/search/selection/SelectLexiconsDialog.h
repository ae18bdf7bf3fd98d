#pragma once
// The "Select Lexicons" dialog that search code opens over a selection. The search forms
// register the real dialog when the program starts; with none registered, showing it changes
// nothing, as in a program without windows.

#include <functional>

class VirtualLexListView;

namespace SelectLexiconsDialog {
using Runner = std::function<void(VirtualLexListView& view)>;
// Makes the runner the dialog shown from now on and returns the one it replaces.
Runner Register(Runner runner);
// Shows the dialog modally over the selection and returns once it closed.
void Show(VirtualLexListView& view);
}  // namespace SelectLexiconsDialog
