#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace corvander {

// Runs the program once and waits for it, with no event processing; its standard output goes
// into stdoutFile when one is given.
void runPlainly(const QString& program, const QStringList& arguments,
                const QString& stdoutFile = {});

// A fresh, empty folder of that name under the scratch folder.
QString emptyFolder(const QString& scratch, const QString& name);

// Seconds taken by running the program once per argument list, one after the other, each run
// waited for with no event processing: the cost of the extractor runs alone.
double timePlainRuns(const QString& program, const QList<QStringList>& argumentLists);

// What the plain loops do with an extractor's output file: name the copy after its first words
// (or after the text as given), adding "!" until the name is free, and copy the PDF.
void copyUnderFirstWords(const QString& pdf, const QString& textFile, int words,
                         const QString& results);
void copyUnderName(const QString& pdf, const QString& name, const QString& results);

// The full path of a program on PATH; raises an error when there is none.
QString requireProgram(const QString& name);

// Seconds taken by a piece of work.
template <typename Work> double timeSeconds(Work&& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e9;
}

// The best of several timings, running the two sides in turn so that neither gets a warmer
// file cache than the other.
void bestOfRounds(int rounds, double& programBest, double& baselineBest,
                  const std::function<double()>& program, const std::function<double()>& baseline);

} // namespace corvander
