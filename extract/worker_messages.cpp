#include "extract/worker_messages.h"

#include "naming/words/extracted_text.h"
#include "worker/word_box_codec.h"

#include <QFile>

namespace corvander {

namespace {

using protocol::Tag;

QByteArray bytesOf(const protocol::Fields& fields, Tag tag) {
    const std::string value = fields.value(tag);
    return QByteArray(value.data(), qsizetype(value.size()));
}

QList<int> pagesOf(const protocol::Fields& fields, Tag tag) {
    QList<int> pages;
    for (const QByteArray& page : bytesOf(fields, tag).split(',')) {
        bool ok = false;
        const int number = page.toInt(&ok);
        if (ok)
            pages << number;
    }
    return pages;
}

const char* operationOf(ExtractRequest::Kind kind) {
    switch (kind) {
    case ExtractRequest::Kind::Text:
        return protocol::kOperationText;
    case ExtractRequest::Kind::Info:
        return protocol::kOperationInfo;
    case ExtractRequest::Kind::Languages:
        return protocol::kOperationLanguages;
    case ExtractRequest::Kind::PageImage:
        return protocol::kOperationPage;
    }
    return protocol::kOperationText;
}

void addStopRule(protocol::Fields& fields, const ExtractRequest& request) {
    const char* kind = nullptr;
    switch (request.stop.kind) {
    case StopRule::Kind::None:
        break;
    case StopRule::Kind::Bytes:
        kind = protocol::kStopBytes;
        break;
    case StopRule::Kind::Words:
        kind = protocol::kStopWords;
        break;
    case StopRule::Kind::WordsAfter:
        kind = protocol::kStopAfter;
        break;
    case StopRule::Kind::WordsBefore:
        kind = protocol::kStopBefore;
        break;
    }
    if (kind) {
        fields.add(Tag::Stop, kind);
        fields.addNumber(Tag::StopCount, request.stop.count);
        const QByteArray text = request.stop.searchText.toUtf8();
        if (!text.isEmpty())
            fields.add(Tag::StopText, std::string_view(text.constData(), size_t(text.size())));
    }
    if (request.stopAtWordless)
        fields.add(Tag::StopAtWordless, "1");
}

// The state of the file the worker read, when it said.
std::optional<FileIdentity> fileOf(const protocol::Fields& answer) {
    if (!answer.has(Tag::FileDevice) || !answer.has(Tag::FileInode))
        return std::nullopt;
    FileIdentity identity;
    identity.device = std::strtoull(answer.value(Tag::FileDevice).c_str(), nullptr, 10);
    identity.inode = std::strtoull(answer.value(Tag::FileInode).c_str(), nullptr, 10);
    identity.size = answer.number(Tag::FileSize, -1);
    identity.modifiedNanoseconds = answer.number(Tag::FileModified, -1);
    return identity;
}

void addTextExtras(protocol::Fields& fields, const ExtractRequest& request) {
    if (request.withInfo)
        fields.add(Tag::WithInfo, "1");
    if (request.wordPages.isEmpty())
        return;
    std::string pages;
    for (const int page : request.wordPages)
        pages += (pages.empty() ? "" : ",") + std::to_string(page);
    fields.add(Tag::WordPages, pages);
}

// The words of the pages, decoded as the text is.
void readWordBoxes(const protocol::Fields& answer, ExtractResult& result) {
    const std::optional<std::vector<protocol::PageBoxRecord>> pages =
        protocol::readWordBoxes(answer.value(Tag::WordBoxes));
    if (!pages)
        return;
    for (const protocol::PageBoxRecord& record : *pages) {
        if (record.omitted) {
            result.wordPagesOmitted << record.page;
            continue;
        }
        PageWords page;
        page.page = record.page;
        page.width = record.width;
        page.height = record.height;
        page.words.reserve(qsizetype(record.words.size()));
        for (const protocol::WordBoxRecord& word : record.words) {
            const QByteArray text(word.text.data(), qsizetype(word.text.size()));
            page.words.append(
                {decodeExtractedText(text), word.xMin, word.yMin, word.xMax, word.yMax});
        }
        result.pageWords.append(std::move(page));
    }
}

void readImage(const protocol::Fields& answer, ExtractResult& result) {
    if (!answer.has(Tag::Image))
        return;
    const QSize size(int(answer.number(Tag::ImageWidth, 0)),
                     int(answer.number(Tag::ImageHeight, 0)));
    const QByteArray image = bytesOf(answer, Tag::Image);
    static const QByteArray kPngSignature("\x89PNG\r\n\x1a\n");
    const auto area = protocol::readNumbers(answer.value(Tag::PageArea));
    const auto pageSize = protocol::readNumbers(answer.value(Tag::PageSize));
    // Half a picture is none.
    if (size.isEmpty() || !image.startsWith(kPngSignature) || !area || area->size() != 4 ||
        !pageSize || pageSize->size() != 2)
        return;
    result.image = image;
    result.imageSize = size;
    result.pageArea = QRectF((*area)[0], (*area)[1], (*area)[2], (*area)[3]);
    result.pageSize = QSizeF((*pageSize)[0], (*pageSize)[1]);
}

} // namespace

std::string encodeRequest(quint64 ticket, const ExtractRequest& request,
                          int ocrPageTimeoutMilliseconds) {
    protocol::Fields fields;
    fields.add(Tag::Operation, operationOf(request.kind));
    fields.addNumber(Tag::Id, static_cast<long long>(ticket));
    const QByteArray path = QFile::encodeName(request.path);
    fields.add(Tag::Path, std::string_view(path.constData(), size_t(path.size())));
    if (request.firstPage != 0)
        fields.addNumber(Tag::FirstPage, request.firstPage);
    if (request.lastPage != 0)
        fields.addNumber(Tag::LastPage, request.lastPage);
    if (request.lastPageOnly)
        fields.add(Tag::LastPageOnly, "1");
    if (!request.password.isEmpty()) {
        const QByteArray password = request.password.toUtf8();
        fields.add(Tag::Password, std::string_view(password.constData(), size_t(password.size())));
    }
    if (request.kind == ExtractRequest::Kind::Text) {
        addStopRule(fields, request);
        addTextExtras(fields, request);
    }
    if (request.kind == ExtractRequest::Kind::PageImage) {
        if (request.imageBox.width() > 0)
            fields.addNumber(Tag::ImageWidth, request.imageBox.width());
        if (request.imageBox.height() > 0)
            fields.addNumber(Tag::ImageHeight, request.imageBox.height());
    }
    if (request.kind == ExtractRequest::Kind::Text && !request.ocrLanguages.isEmpty()) {
        const QByteArray languages = request.ocrLanguages.toUtf8();
        fields.add(Tag::Ocr, "1");
        fields.add(Tag::OcrLanguages,
                   std::string_view(languages.constData(), size_t(languages.size())));
        fields.addNumber(Tag::OcrTimeout, ocrPageTimeoutMilliseconds);
    }
    return fields.encode();
}

ExtractResult decodeAnswer(const protocol::Fields& answer) {
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = int(answer.number(Tag::Status, protocol::kStatusOtherError));
    result.pageCount = int(answer.number(Tag::PageCount, -1));
    result.text = bytesOf(answer, Tag::Text);
    result.info = bytesOf(answer, Tag::Info);
    result.xml = bytesOf(answer, Tag::Xml);
    result.needsPassword = answer.value(Tag::NeedsPassword) == "1";
    result.passwordRejected = result.needsPassword && answer.value(Tag::PasswordRejected) == "1";
    result.ocrPages = pagesOf(answer, Tag::OcrPages);
    result.ocrTimedOut = pagesOf(answer, Tag::OcrTimedOut);
    const QByteArray languages = bytesOf(answer, Tag::OcrLanguages);
    if (!languages.isEmpty())
        result.languages = QString::fromUtf8(languages).split(QLatin1Char('+'));
    result.error = QString::fromUtf8(bytesOf(answer, Tag::Error));
    result.pagesRead = int(answer.number(Tag::PagesRead, 0));
    result.textOffset = answer.number(Tag::TextOffset, 0);
    result.wordOffset = answer.number(Tag::WordOffset, 0);
    result.wordlessPage = int(answer.number(Tag::WordlessPage, 0));
    result.file = fileOf(answer);
    readWordBoxes(answer, result);
    readImage(answer, result);
    return result;
}

} // namespace corvander
