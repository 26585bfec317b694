#pragma once

#include <QString>
#include <QStringList>

class ProgressView;

// Where a child's standard output goes when it is sent to a file.
enum class OutputMode { Replace, Append };

// The result when a child cannot be started: the error number plus 0x80040000 as a signed
// 32-bit sum. A program that cannot be started counts as error 53, "File not found".
inline constexpr int kStartFailureBase = -2147221504;
inline constexpr int kStartFailure = kStartFailureBase + 53;

// Runs the program with its arguments (no shell is involved) and returns its exit code once it
// has ended, letting the window's events run while it waits. Standard output goes into
// stdoutFile when one is given and is discarded otherwise. With a bar, a wait longer than about
// five seconds shows "Please wait.. N" and lets the value creep forward; at the end the bar's
// text is set back to baseText, or to "Progress Bar" when that is empty.
int ShellAndWait(const QString& program, const QStringList& arguments,
                 const QString& stdoutFile = {}, ProgressView* bar = nullptr,
                 const QString& baseText = {}, int startValue = 0, int fileCount = 0,
                 OutputMode outputMode = OutputMode::Replace);

// The bar's text at the given pass (50 and later).
QString waitingText(int counter, const QString& baseText);
// True for the passes that move the bar: 50, 200, 350, ...
bool isCreepPass(int counter);
// The bar's value at a creep pass.
int creepValue(int counter, int startValue, int fileCount);

// Kills every child that a ShellAndWait call is waiting for; used when the program ends in the
// middle of a wait, so that no extractor outlives it.
void KillRunningChildren();
