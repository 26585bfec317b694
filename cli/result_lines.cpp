#include "cli/result_lines.h"

#include "cli/output_fields.h"
#include "cli/terminal_progress.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace corvander {

ResultLines::ResultLines(bool json, TerminalProgress* progress)
    : m_json(json), m_progress(::isatty(1) == 1 ? progress : nullptr) {}

void ResultLines::success(const char* result, const QByteArray& source, const QString& name,
                          const char* key) {
    write(result, source, name.isEmpty() ? nullptr : key, name);
}

void ResultLines::shortfall(const char* result, const QByteArray& source, const QString& reason) {
    m_shortfall = true;
    write(result, source, "reason", reason);
}

void ResultLines::passedOver(const char* result, const QByteArray& source, const QString& reason) {
    write(result, source, "reason", reason);
}

void ResultLines::write(const char* result, const QByteArray& source, const char* key,
                        const QString& value) {
    QByteArray line;
    if (m_json) {
        QList<std::pair<const char*, OutputField>> members{{"result", result}, {"source", source}};
        if (key)
            members.append({key, value.toUtf8()});
        line = jsonLine(members);
        if (!m_nextFields.isEmpty()) {
            QByteArray fields = ",\"fields\":[";
            for (qsizetype i = 0; i < m_nextFields.size(); ++i) {
                const std::array<QString, 3>& field = m_nextFields.at(i);
                fields += (i > 0 ? ",{" : "{") + jsonString("field") + ':' +
                          jsonString(field[0].toUtf8()) + ',' + jsonString("value") + ':' +
                          jsonString(field[1].toUtf8()) + ',' + jsonString("source") + ':' +
                          jsonString(field[2].toUtf8()) + '}';
            }
            // Inside the object: before its closing brace and line feed.
            line.insert(line.size() - 2, fields + ']');
        }
    } else {
        QList<OutputField> fields{result, source};
        if (key)
            fields.append(value.toUtf8());
        line = tsvLine(fields);
    }
    m_nextFields.clear();
    if (m_progress)
        m_progress->hide();
    if (!m_writeFailed && !writeLine(1, line)) {
        m_writeFailed = true;
        m_readerGone = errno == EPIPE;
    }
    if (m_progress)
        m_progress->show();
    if (m_readerGone && m_onReaderGone)
        std::exchange(m_onReaderGone, {})();
}

ListOrder::ListOrder(const QList<ListedSource>& sources, Gap gap)
    : m_sources(sources), m_gap(std::move(gap)) {
    for (qsizetype i = 0; i < m_sources.size(); ++i) {
        if (m_sources.at(i).readable())
            m_indexOfRunPosition.append(i);
    }
}

QStringList ListOrder::runPaths() const {
    QStringList paths;
    for (const qsizetype index : m_indexOfRunPosition)
        paths << m_sources.at(index).path;
    return paths;
}

const ListedSource& ListOrder::reach(int runPosition) {
    const qsizetype index = m_indexOfRunPosition.at(runPosition - 1);
    fillGapsUpTo(index);
    m_next = index + 1;
    return m_sources.at(index);
}

void ListOrder::finish() {
    fillGapsUpTo(m_sources.size());
}

void ListOrder::fillGapsUpTo(qsizetype index) {
    for (; m_next < index; ++m_next)
        m_gap(m_sources.at(m_next));
}

} // namespace corvander
