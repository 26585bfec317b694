#include "tests/support/recorded_answers.h"

#include "extract/ocr_pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvander {

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

ExtractResult answered(int pageCount) {
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = 0;
    result.pageCount = pageCount;
    return result;
}

} // namespace

RecordedAnswers RecordedAnswers::load(const QString& folder) {
    RecordedAnswers answers;
    const QDir dir(folder);
    const QStringList texts = dir.entryList({QStringLiteral("*.text")}, QDir::Files, QDir::Name);
    for (const QString& text : texts) {
        const QString base = QFileInfo(text).completeBaseName();
        Document document;
        document.pages = splitPages(contentsOf(dir.filePath(text)));
        document.info = contentsOf(dir.filePath(base + QStringLiteral(".info")));
        document.xml = contentsOf(dir.filePath(base + QStringLiteral(".xml")));
        answers.m_documents.insert(base + QStringLiteral(".pdf"), document);
    }
    return answers;
}

bool RecordedAnswers::save(const QString& folder, const QString& fileName,
                           const ExtractResult& text, const ExtractResult& info) {
    const QString base = QDir(folder).filePath(QFileInfo(fileName).completeBaseName());
    return writeFile(base + QStringLiteral(".text"), text.text) &&
           writeFile(base + QStringLiteral(".info"), info.info) &&
           writeFile(base + QStringLiteral(".xml"), info.xml);
}

std::optional<ExtractResult> RecordedAnswers::answer(const ExtractRequest& request) const {
    const auto found = m_documents.constFind(QFileInfo(request.path).fileName());
    if (found == m_documents.cend())
        return std::nullopt;
    const Document& document = *found;
    const int pageCount = int(document.pages.size());
    ExtractResult result = answered(pageCount);
    switch (request.kind) {
    case ExtractRequest::Kind::Info:
        result.info = document.info;
        result.xml = document.xml;
        return result;
    case ExtractRequest::Kind::Text:
        break;
    default:
        return std::nullopt;
    }
    int first = request.firstPage > 0 ? request.firstPage : 1;
    int last = request.lastPage > 0 ? request.lastPage : pageCount;
    if (request.lastPageOnly)
        first = last = pageCount;
    if (first > pageCount || last < first) {
        // The text tool's answer to a range past the document: exit status 99, no text.
        result.status = 99;
        return result;
    }
    last = std::min(last, pageCount);
    for (int page = first; page <= last; ++page)
        result.text += document.pages.at(page - 1);
    // A reading that stops early gives the same part of the text as the whole reading; the
    // recording answers with the whole, which the rules must name alike.
    result.pagesRead = last - first + 1;
    if (request.withInfo) {
        result.info = document.info;
        result.xml = document.xml;
    }
    return result;
}

} // namespace corvander
