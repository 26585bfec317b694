#pragma once

#include "cli/source_list.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>

namespace corvander {

class TerminalProgress;

// The command's standard output: one line per listed file, as TAB-separated fields
// (RESULT SOURCE [NAME-OR-REASON]) or, with --json, as JSON Lines with the keys "result",
// "source" and "name" or "reason".
class ResultLines {
public:
    // The bar is taken off its line for each output line when both share a terminal.
    ResultLines(bool json, TerminalProgress* progress);

    // A line whose result is what the command was asked for ("copied", "would-copy",
    // "readable", "learned"), naming the copy when there is one; `key` is that field's JSON key.
    void success(const char* result, const QByteArray& source, const QString& name = {},
                 const char* key = "name");
    // A line for a file that did not get there ("skipped", "failed", "unreadable").
    void shortfall(const char* result, const QByteArray& source, const QString& reason);
    // A line for a file left alone because what it was asked for is already there (a copy made
    // before): not a shortfall.
    void passedOver(const char* result, const QByteArray& source, const QString& reason);

    // With --json, the next line also says where each field of a template found its value:
    // "fields": [{"field": ..., "value": ..., "source": ...}, ...].
    void setNextFields(const QList<std::array<QString, 3>>& fields) { m_nextFields = fields; }

    bool anyShortfall() const { return m_shortfall; }
    // Standard output could not take a line (a full disk, a closed pipe).
    bool writeFailed() const { return m_writeFailed; }
    // Standard output is a pipe whose reader has gone: nobody reads the lines any more.
    bool readerGone() const { return m_readerGone; }
    // Runs once, when the reader is found gone.
    void setReaderGoneHandler(std::function<void()> handler) {
        m_onReaderGone = std::move(handler);
    }

private:
    void write(const char* result, const QByteArray& source, const char* key, const QString& value);

    bool m_json;
    TerminalProgress* m_progress;
    QList<std::array<QString, 3>> m_nextFields;
    bool m_shortfall = false;
    bool m_writeFailed = false;
    bool m_readerGone = false;
    std::function<void()> m_onReaderGone;
};

// The run and the check only see the files that have a path; this keeps the lines in list order
// all the same. Told of each file the run finishes, by the run's position, it first hands the
// files before it that the run never saw, or passed over without telling their end, to `gap`.
class ListOrder {
public:
    using Gap = std::function<void(const ListedSource&)>;

    ListOrder(const QList<ListedSource>& sources, Gap gap);

    // The paths the run works through, in order.
    QStringList runPaths() const;
    // The listed file at the run's position, after the gaps before it.
    const ListedSource& reach(int runPosition);
    // The gaps after the last file the run finished.
    void finish();

private:
    void fillGapsUpTo(qsizetype index);

    const QList<ListedSource>& m_sources;
    QList<qsizetype> m_indexOfRunPosition;
    qsizetype m_next = 0;
    Gap m_gap;
};

} // namespace corvander
