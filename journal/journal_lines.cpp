#include "journal/journal_lines.h"

#include "copying/file_descriptor.h"
#include "journal/file_digest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace corvander {

namespace {

const QString kType = QStringLiteral("type");

QByteArray lineOf(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> objectOf(const QByteArray& line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

QString timeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

void putPath(QJsonObject& object, const QString& key, const QString& text,
             const QByteArray& native) {
    object.insert(key, text);
    if (!native.isEmpty() && native != QFile::encodeName(text))
        object.insert(key + QStringLiteral("Bytes"), QString::fromLatin1(native.toBase64()));
}

// The path's text into text, and its bytes as the result. disagree is set when the line holds
// bytes that are not the file name of the text, or bytes that cannot be read: which file the line
// means is then in doubt.
QByteArray takePath(const QJsonObject& object, const QString& key, QString& text, bool& disagree) {
    text = object.value(key).toString();
    const QJsonValue bytes = object.value(key + QStringLiteral("Bytes"));
    if (!bytes.isUndefined()) {
        const auto decoded = QByteArray::fromBase64Encoding(
            bytes.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (bytes.isString() && decoded) {
            disagree = QFile::decodeName(*decoded) != text;
            return *decoded;
        }
        disagree = true;
    }
    return QFile::encodeName(text);
}

// A value past 2^63 stands as its negative two's complement, so that JSON holds it exactly.
qint64 asJsonInteger(quint64 value) {
    return qint64(value);
}

// Nothing when the line has neither field (a journal from before they were recorded). Fields
// that are there but unreadable give an identity no file has (inode 0), so that its copy is kept.
std::optional<DeviceAndInode> takeIdentity(const QJsonObject& object) {
    const QJsonValue device = object.value(QStringLiteral("device"));
    const QJsonValue inode = object.value(QStringLiteral("inode"));
    if (device.isUndefined() && inode.isUndefined())
        return std::nullopt;
    const std::optional<qint64> deviceNumber =
        device.isDouble() ? std::optional(device.toInteger(0)) : std::nullopt;
    const std::optional<qint64> inodeNumber =
        inode.isDouble() ? std::optional(inode.toInteger(0)) : std::nullopt;
    if (!deviceNumber || !inodeNumber)
        return DeviceAndInode{};
    return DeviceAndInode{quint64(*deviceNumber), quint64(*inodeNumber)};
}

RunStart startOf(const QJsonObject& object) {
    RunStart start;
    start.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    start.family = object.value(QStringLiteral("family")).toString();
    start.mode = object.value(QStringLiteral("mode")).toInt(-1);
    for (const QJsonValue& parameter : object.value(QStringLiteral("parameters")).toArray())
        start.parameters.append(parameter.toString());
    start.resultsFolder = object.value(QStringLiteral("resultsFolder")).toString();
    return start;
}

FileRecord fileOf(const QJsonObject& object) {
    FileRecord file;
    bool sourceDisagrees = false;
    file.nativeSource = takePath(object, QStringLiteral("source"), file.source, sourceDisagrees);
    file.nativeNewPath =
        takePath(object, QStringLiteral("newPath"), file.newPath, file.pathsDisagree);
    file.size = object.value(QStringLiteral("size")).toInteger(-1);
    file.sha256 = object.value(QStringLiteral("sha256")).toString().toLatin1();
    file.identity = takeIdentity(object);
    file.provenance = object.value(QStringLiteral("provenance")).toString();
    file.skipReason = object.value(QStringLiteral("skipReason")).toString();
    return file;
}

} // namespace

int JournalContent::copies() const {
    return int(std::count_if(files.cbegin(), files.cend(),
                             [](const FileRecord& file) { return !file.nativeNewPath.isEmpty(); }));
}

QByteArray startLine(const RunStart& start, qint64 pid) {
    return lineOf({{kType, QStringLiteral("start")},
                   {QStringLiteral("version"), 1},
                   {QStringLiteral("time"), timeText(start.time)},
                   {QStringLiteral("pid"), pid},
                   {QStringLiteral("family"), start.family},
                   {QStringLiteral("mode"), start.mode},
                   {QStringLiteral("parameters"), QJsonArray::fromStringList(start.parameters)},
                   {QStringLiteral("resultsFolder"), start.resultsFolder}});
}

QByteArray fileLine(const FileRecord& file) {
    QJsonObject object{{kType, QStringLiteral("file")}};
    putPath(object, QStringLiteral("source"), file.source, file.nativeSource);
    if (file.newPath.isEmpty() && file.nativeNewPath.isEmpty()) {
        object.insert(QStringLiteral("skipReason"), file.skipReason);
    } else {
        putPath(object, QStringLiteral("newPath"), file.newPath, file.nativeNewPath);
        object.insert(QStringLiteral("size"), file.size);
        object.insert(QStringLiteral("sha256"), QString::fromLatin1(file.sha256.toLower()));
        if (file.identity) {
            object.insert(QStringLiteral("device"), asJsonInteger(file.identity->device));
            object.insert(QStringLiteral("inode"), asJsonInteger(file.identity->inode));
        }
    }
    object.insert(QStringLiteral("provenance"), file.provenance);
    return lineOf(object);
}

QByteArray endLine(const QDateTime& time, bool stopped, int handled, int total) {
    return lineOf({{kType, QStringLiteral("end")},
                   {QStringLiteral("time"), timeText(time)},
                   {QStringLiteral("stopped"), stopped},
                   {QStringLiteral("handled"), handled},
                   {QStringLiteral("total"), total}});
}

QByteArray undoneLine(const QDateTime& time, int removed, int kept) {
    return lineOf({{kType, QStringLiteral("undone")},
                   {QStringLiteral("time"), timeText(time)},
                   {QStringLiteral("removed"), removed},
                   {QStringLiteral("kept"), kept}});
}

std::optional<JournalContent> parseJournal(const QByteArray& bytes) {
    JournalContent content;
    bool started = false;
    for (const QByteArray& line : bytes.split('\n')) {
        const std::optional<QJsonObject> parsed = objectOf(line);
        if (!parsed)
            continue;
        const QJsonObject& object = *parsed;
        const QString type = object.value(kType).toString();
        if (!started) {
            if (type != QLatin1String("start"))
                return std::nullopt;
            content.start = startOf(object);
            started = true;
        } else if (type == QLatin1String("file")) {
            content.files.append(fileOf(object));
        } else if (type == QLatin1String("end")) {
            content.ended = true;
            content.stopped = object.value(QStringLiteral("stopped")).toBool();
            content.handled = object.value(QStringLiteral("handled")).toInt();
            content.total = object.value(QStringLiteral("total")).toInt();
        } else if (type == QLatin1String("undone")) {
            content.undone = true;
        }
    }
    if (!started)
        return std::nullopt;
    content.endsWithLineFeed = bytes.endsWith('\n');
    return content;
}

std::optional<JournalLineKind> kindOfLine(const QByteArray& line) {
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object)
        return std::nullopt;
    JournalLineKind kind{object->value(kType).toString()};
    kind.copy = kind.type == QLatin1String("file") && !fileOf(*object).nativeNewPath.isEmpty();
    return kind;
}

FileDescriptor openJournalToRead(const QString& path) {
    FileDescriptor file(::open(QFile::encodeName(path).constData(),
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.isOpen() && (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)))
        file.reset();
    return file;
}

std::optional<JournalContent> readJournal(const QString& path) {
    const FileDescriptor file = openJournalToRead(path);
    if (!file.isOpen())
        return std::nullopt;
    const std::optional<QByteArray> bytes = readWholeFile(file.get());
    return bytes ? parseJournal(*bytes) : std::nullopt;
}

std::optional<QByteArray> readWholeFile(int fd, qint64 from) {
    QByteArray bytes;
    const auto take = [&bytes](QByteArrayView chunk) {
        bytes.append(chunk);
        return true;
    };
    if (!readChunks(fd, take, off_t(from)))
        return std::nullopt;
    return bytes;
}

} // namespace corvander
