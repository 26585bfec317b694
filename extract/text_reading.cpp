#include "extract/text_reading.h"

#include "common/code_page.h"
#include "common/error_report.h"
#include "common/path_helpers.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QByteArray readAllBytes(const QString& path) {
    QFile file(path);
    if (!file.exists())
        raiseError(QStringLiteral("File not found"));
    if (!file.open(QIODevice::ReadOnly))
        raiseError(QStringLiteral("Path/file access error"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseError(QStringLiteral("Input past end of file"));
    return bytes;
}

QString decodeOutput(const QByteArray& bytes) {
    // The decoder replaces every malformed sequence and carries on with the next byte.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return toComposedForm(utf8.decode(bytes));
}

} // namespace

QString ReadWholeFile(const QString& path) {
    return decodeOutput(readAllBytes(path));
}

QStringList ReadFileToStringFSOLine(Dialogs& dialogs, const QString& path) {
    QStringList lines;
    QString text;
    TrappedProcedure proc(dialogs, QStringLiteral("Main.ReadFileToStringFSOLine"));
    bool opened = false;
    proc.step([&] {
        text = decodeOutput(readAllBytes(path));
        opened = true;
    });
    proc.step([&] {
        if (!opened || text.isEmpty())
            return;
        lines = text.split(QLatin1Char('\n'));
        // A final line end closes the last line rather than opening an empty one.
        if (text.endsWith(QLatin1Char('\n')))
            lines.removeLast();
        for (QString& line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
    });
    return lines;
}

int FileSize2(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return 0;
    return static_cast<int>(static_cast<quint32>(file.size()));
}

QString checkOutputPath(const QString& workFolder, const QString& pdfPath) {
    return workFolder + QLatin1Char('/') + FileNameOf(StripExtension(pdfPath)) +
           QStringLiteral(".txt");
}

QString outputTextPath(const QString& workFolder, const QString& pdfPath) {
    return workFolder + QLatin1Char('/') + StripExtension(FileNameOf(pdfPath)) +
           QStringLiteral(".txt");
}
