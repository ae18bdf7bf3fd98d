#pragma once
// The Cancel button of a job's progress dialog, for every host that shows one.

class HostedJob;

// Holds the job at its next checkpoint, asks "Cancel Operation?" and cancels on OK; the job goes
// on in every case (to its end when cancelled).
void ConfirmJobCancel(HostedJob& job, const void* owner);
