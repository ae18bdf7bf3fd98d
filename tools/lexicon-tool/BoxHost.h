#pragma once
// The host of the lexicon-changing commands: every box the program would show goes to standard
// error as "caption: text" and is answered with its default button; a command that has shown
// one exits with kBoxShownStatus. A stop signal cancels the job that runs.

#include "SignalStoppingHost.h"

constexpr int kBoxShownStatus = 2;

class BoxHost : public SignalStoppingHost {
 public:
  int ShowMessage(const MessageRequest& request) override;
  bool BoxShown() const { return !Boxes().empty(); }
  // The command's status: kBoxShownStatus once a box was shown, else 0.
  int Status() const { return BoxShown() ? kBoxShownStatus : 0; }
};
