#include "filelist/shift_cipher.h"

namespace corvander {

namespace {

QByteArray shift(const QByteArray& bytes, const QByteArray& key, int direction) {
    QByteArray result;
    result.reserve(bytes.size());
    qsizetype keyPosition = 0;
    for (const char byte : bytes) {
        const int c = static_cast<unsigned char>(byte);
        const int k = key.isEmpty() ? 0 : static_cast<unsigned char>(key.at(keyPosition));
        if (!key.isEmpty())
            keyPosition = (keyPosition + 1) % key.size();
        int v = c + direction * k;
        if (v >= 256)
            v -= 255;
        else if (v <= 0 && direction < 0)
            v += 255;
        result += static_cast<char>(v);
    }
    return result;
}

} // namespace

QByteArray shiftEncodeBytes(const QByteArray& bytes, const QByteArray& key) {
    return shift(bytes, key, +1);
}

QByteArray shiftDecodeBytes(const QByteArray& bytes, const QByteArray& key) {
    return shift(bytes, key, -1);
}

QString ShiftEncode(const QString& text, const QString& key) {
    return QString::fromLatin1(shiftEncodeBytes(text.toUtf8(), key.toLatin1()));
}

QString ShiftDecode(const QString& text, const QString& key) {
    return QString::fromUtf8(shiftDecodeBytes(text.toLatin1(), key.toLatin1()));
}

} // namespace corvander
