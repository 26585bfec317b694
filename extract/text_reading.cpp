#include "extract/text_reading.h"

namespace corvander {

QStringList splitOutputLines(const QByteArray& bytes) {
    const QString text = decodeExtractedText(bytes);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end closes the last line rather than opening an empty one.
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

} // namespace corvander
