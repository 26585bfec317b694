// Learning a name template from one example the user named by hand: a 10-page invoice whose
// labelled values are on its first page, read through a worker of its own with the one request
// learning makes (the worker's start paid as the command line pays it), and learned. The time of
// the learning alone, on the document read beforehand, is printed as well.
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "common/error_report.h"
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "naming/learn/example_files.h"
#include "naming/template/template_extraction.h"
#include "tests/support/pdf_writer.h"

#include <algorithm>
#include <limits>

namespace corvander {

namespace {

constexpr int kPages = 10;
constexpr int kLinesPerPage = 40;
constexpr double kLimitSeconds = 1.0;
const QString kWantedName = QStringLiteral("2024-05-07 Alder & Finch AF-7731");

QString writeInvoice(const QString& folder) {
    PdfDocument document;
    document.pages.append(
        {QStringLiteral("Jane Roe Trading"), QStringLiteral("4 Mill Lane, Leeds LS1 4AB"),
         QStringLiteral("Alder & Finch SARL"), QStringLiteral("Invoice"),
         QStringLiteral("Invoice No.: AF-7731"), QStringLiteral("Invoice date: 07.05.2024")});
    for (int page = 2; page <= kPages; ++page) {
        QStringList lines;
        for (int line = 1; line <= kLinesPerPage; ++line)
            lines << QStringLiteral("Item %1.%2 shackle, rope and fender 4 pcs 18,00 EUR")
                         .arg(page)
                         .arg(line);
        document.pages.append(lines);
    }
    const QString path = folder + QStringLiteral("/invoice.pdf");
    if (!writePdf(path, document))
        raiseError(QStringLiteral("could not write the invoice"));
    return path;
}

corvander::PoolSettings poolSettings() {
    return corvander::PoolSettings::fromEnvironment(QStringLiteral(CORVANDER_EXTRACT_PROGRAM));
}

corvander::TemplateDocument readOnce(const QString& path) {
    corvander::ExtractionPool pool(poolSettings());
    corvander::EventLoopWaiter waiter;
    const corvander::TemplateNeeds needs = corvander::learningNeeds();
    const auto ticket = pool.submit(corvander::templateRequest(path, needs));
    waiter.waitUntil([&] { return pool.isFinished(ticket); }, [] {});
    return corvander::templateDocument(path, needs, pool.take(ticket));
}

BenchResult measureLearning(const BenchSetup& setup) {
    const QString path = writeInvoice(setup.scratchFolder);
    const corvander::TemplateLearner learner(corvander::DateOrder::Dmy);
    const corvander::TemplateDocument document = readOnce(path);
    double whole = std::numeric_limits<double>::infinity();
    double learning = whole;
    QString learned;
    for (int round = 0; round < setup.rounds; ++round) {
        whole = std::min(whole, timeSeconds([&] {
                             corvander::ExtractionPool pool(poolSettings());
                             corvander::EventLoopWaiter waiter;
                             const corvander::LearnedTemplates templates =
                                 corvander::learnFromFiles(learner, {{path, kWantedName}}, pool,
                                                           waiter);
                             pool.shutdown();
                             if (!templates.allLearned())
                                 raiseError(templates.outcomes.value(0).reason);
                             learned = templates.lines.value(0);
                         }));
        learning = std::min(learning, timeSeconds([&] {
                                if (!learner.learn(document, kWantedName).learned)
                                    raiseError(QStringLiteral("the read invoice was not learned"));
                            }));
    }
    BenchResult result;
    result.lines
        << QStringLiteral("one PDF file of %1 pages, named \"%2\"").arg(kPages).arg(kWantedName)
        << QStringLiteral("learned: %1").arg(learned)
        << QStringLiteral("learning alone, the document read beforehand: %1 s")
               .arg(learning, 0, 'f', 3)
        << QStringLiteral("a worker started, the document read and learned: %1 s, "
                          "target under %2 s: %3")
               .arg(whole, 0, 'f', 3)
               .arg(kLimitSeconds, 0, 'f', 0)
               .arg(verdict(whole < kLimitSeconds));
    return result;
}

const MeasurementRegistration registration("--learn", "learning a template from one example",
                                           &measureLearning, RunOrder::Learn, false, Files::Own);

} // namespace

} // namespace corvander
