#pragma once

#include "extract/extract_request.h"

#include <QHash>
#include <QString>
#include <optional>

namespace corvander {

// The worker's answers for a few documents, kept as files so that tests of naming and of the run
// need no worker: for each document "NAME.text" holds its whole text and "NAME.info" and
// "NAME.xml" its document information, byte for byte as the worker answers them. The worker test
// "RecordedAnswers" keeps them true to the worker.
class RecordedAnswers {
public:
    // The recordings in `folder`, found by file name whatever folder a request names.
    static RecordedAnswers load(const QString& folder);
    // Writes one document's recording into `folder`.
    static bool save(const QString& folder, const QString& fileName, const ExtractResult& text,
                     const ExtractResult& info);

    QStringList fileNames() const { return m_documents.keys(); }
    // The answer the worker gives to `request`, as far as the recording holds it; nothing for a
    // document it does not hold or a request it cannot answer (images, languages).
    std::optional<ExtractResult> answer(const ExtractRequest& request) const;

private:
    struct Document {
        QList<QByteArray> pages; // each ends in the form feed that ends its page
        QByteArray info;
        QByteArray xml;
    };
    QHash<QString, Document> m_documents;
};

} // namespace corvander
