#pragma once

#include <QString>
#include <QStringList>

// What every measurement gets: the PDFs made for this run and a scratch folder of its own.
struct BenchSetup {
    QStringList pdfs;      // full paths, in list order
    QString scratchFolder; // empty, private to the measurement
    int rounds = 3;        // each side is timed this many times; the best time counts
};

// What a measurement found. A timed one fills the two timings of the same work, (a) through the
// program's own code and (b) the plain baseline, and the ratio (a)/(b) it should stay within; any
// other reports in its lines, the verdict last.
struct BenchResult {
    QString programLabel;
    double programSeconds = 0;
    QString baselineLabel;
    double baselineSeconds = 0;
    double targetRatio = 0;
    QStringList lines;
};

using MeasureFunction = BenchResult (*)(const BenchSetup&);

// The order measurements run in, whether chosen by switch or all at once. The readability check
// comes last so that its ratio is the last line printed.
enum class RunOrder { Content, LastPage, Metadata, Memory, Ocr, Check };

// A measurement registers itself from its own file under its command-line switch, so that
// adding one means adding a file.
struct Measurement {
    QString option; // for example "--check"
    QString title;
    MeasureFunction measure = nullptr;
    RunOrder order = RunOrder::Check;
    // Run only when its switch is given (it takes long, or needs more than the program does).
    bool onlyWhenNamed = false;
};

class MeasurementRegistration {
public:
    MeasurementRegistration(const char* option, const char* title, MeasureFunction measure,
                            RunOrder order, bool onlyWhenNamed = false);
};

// Every registered measurement, in run order.
QList<Measurement> registeredMeasurements();

// "within target" or "OVER TARGET".
QString verdict(bool withinTarget);
