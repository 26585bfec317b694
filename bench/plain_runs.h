#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Seconds taken by running the program once per argument list, one after the other, each run
// waited for with no event processing: the cost of the extractor runs alone.
double timePlainRuns(const QString& program, const QList<QStringList>& argumentLists);

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
