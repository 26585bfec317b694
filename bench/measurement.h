#pragma once

#include <QString>
#include <QStringList>

namespace corvander {

// What every measurement gets: the PDFs made for this run and a scratch folder of its own.
struct BenchSetup {
    QStringList pdfs;      // full paths, in list order; none for a measurement with its own files
    QString scratchFolder; // empty, private to the measurement
    int rounds = 3;        // each side is timed this many times; the best time counts
    int givenFiles = 0;    // the number --files gave, 0 when it was not given
};

// Two timings of the same work, (a) through the program's own code and (b) the plain baseline,
// and the ratio (a)/(b) the program should stay within.
struct Comparison {
    QString programLabel;
    double programSeconds = 0;
    QString baselineLabel;
    double baselineSeconds = 0;
    double targetRatio = 0;
};

// What a measurement found: a timed one fills its comparisons, printed in order after the lines;
// any other reports in its lines, the verdict last.
struct BenchResult {
    QStringList lines;
    QList<Comparison> comparisons;
};

using MeasureFunction = BenchResult (*)(const BenchSetup&);

// The order measurements run in, whether chosen by switch or all at once. The readability check
// comes last so that its ratio is the last line printed.
enum class RunOrder {
    Content,
    LastPage,
    LongDocuments,
    Metadata,
    Template,
    Learn,
    Watch,
    Memory,
    Ocr,
    Check
};

// Which PDFs a measurement works on: the run's shared ones, or files it writes itself.
enum class Files { Shared, Own };

// A measurement registers itself from its own file under its command-line switch, so that
// adding one means adding a file.
struct Measurement {
    QString option; // for example "--check"
    QString title;
    MeasureFunction measure = nullptr;
    RunOrder order = RunOrder::Check;
    // Run only when its switch is given (it takes long, or needs more than the program does).
    bool onlyWhenNamed = false;
    Files files = Files::Shared;
};

class MeasurementRegistration {
public:
    MeasurementRegistration(const char* option, const char* title, MeasureFunction measure,
                            RunOrder order, bool onlyWhenNamed = false,
                            Files files = Files::Shared);
};

// Every registered measurement, in run order.
QList<Measurement> registeredMeasurements();

// "within target" or "OVER TARGET".
QString verdict(bool withinTarget);

} // namespace corvander
