#pragma once

#include <QtGlobal>

namespace corvander {

// Peak resident memory, as the kernel keeps it for every process (VmHWM in /proc/PID/status).

// The peak of the process in bytes; -1 when it cannot be read (the process is gone).
qint64 peakResidentBytes(qint64 processId);

// Starts this process's peak afresh at its present size, so that what is measured next is not
// hidden by an earlier peak. False when the system does not allow it; the peak then covers the
// whole life of the process.
bool restartOwnPeak();

// This process's peak in bytes.
qint64 ownPeakResidentBytes();

} // namespace corvander
