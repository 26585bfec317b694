#pragma once

#include <QString>
#include <QStringList>

// What every measurement gets: the PDFs made for this run and a scratch folder of its own.
struct BenchSetup {
    QStringList pdfs;      // full paths, in list order
    QString scratchFolder; // empty, private to the measurement
    int rounds = 3;        // each side is timed this many times; the best time counts
};

// Two timings of the same work: (a) through the program's own code, (b) the plain baseline.
struct BenchResult {
    QString programLabel;
    double programSeconds = 0;
    QString baselineLabel;
    double baselineSeconds = 0;
};

using MeasureFunction = BenchResult (*)(const BenchSetup&);

// A measurement registers itself from its own file under its command-line switch, so that
// adding one means adding a file.
struct Measurement {
    QString option; // for example "--check"
    QString title;
    MeasureFunction measure = nullptr;
};

class MeasurementRegistration {
public:
    MeasurementRegistration(const char* option, const char* title, MeasureFunction measure);
};

const QList<Measurement>& registeredMeasurements();
