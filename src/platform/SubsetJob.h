#pragma once
// What a host needs to run the lexicon analysis before a multi-word search under its small
// modal dialog: start it when the dialog shows, cancel it from the dialog's button, and close
// the dialog with the job's result once it has ended.

class SubsetJob {
 public:
  static constexpr int kModalOk = 1;
  static constexpr int kModalCancel = 2;

  virtual ~SubsetJob() = default;
  virtual void Start() = 0;
  virtual void Cancel() = 0;
  virtual bool Ended() const = 0;
  // kModalOk when the subset lexicon is ready, else kModalCancel; valid once Ended.
  virtual int ModalResult() const = 0;
};
