#include "tests/support/pdf_security.h"

#include <QCryptographicHash>

namespace corvander {

namespace {

const QByteArray kPadding = QByteArray::fromHex("28BF4E5E4E758A4164004E56FFFA0108"
                                                "2E2E00B6D0683E802F0CA9FE6453697A");

QByteArray md5(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Md5);
}

QByteArray padded(const QByteArray& password) {
    return (password + kPadding).left(32);
}

// Revision 3 hashes fifty more times.
QByteArray stretched(QByteArray digest) {
    for (int i = 0; i < 50; ++i)
        digest = md5(digest);
    return digest;
}

// Revision 3 encrypts nineteen more times, each with the key's bytes XORed with the round.
QByteArray twentyRounds(const QByteArray& key, QByteArray data) {
    for (int round = 0; round < 20; ++round) {
        QByteArray roundKey = key;
        for (char& byte : roundKey)
            byte = char(byte ^ round);
        data = rc4(roundKey, data);
    }
    return data;
}

QByteArray littleEndian(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

} // namespace

QByteArray rc4(const QByteArray& key, const QByteArray& data) {
    unsigned char state[256];
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + static_cast<unsigned char>(key[i % key.size()])) & 0xFF;
        std::swap(state[i], state[j]);
    }
    QByteArray out(data.size(), Qt::Uninitialized);
    for (qsizetype n = 0, i = 0, j = 0; n < data.size(); ++n) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        out[n] = char(data[n] ^ state[(state[i] + state[j]) & 0xFF]);
    }
    return out;
}

PdfSecurity::PdfSecurity(const QByteArray& userPassword, const QByteArray& ownerPassword,
                         qint32 permissions, const QByteArray& fileId)
    : m_permissions(permissions) {
    const QByteArray ownerKey =
        stretched(md5(padded(ownerPassword.isEmpty() ? userPassword : ownerPassword)));
    m_owner = twentyRounds(ownerKey, padded(userPassword));
    m_key = stretched(
        md5(padded(userPassword) + m_owner + littleEndian(quint32(permissions), 4) + fileId));
    m_user = twentyRounds(m_key, md5(kPadding + fileId)) + QByteArray(16, '\0');
}

QByteArray PdfSecurity::dictionary() const {
    return "<< /Filter /Standard /V 2 /R 3 /Length 128 /O <" + m_owner.toHex() + "> /U <" +
           m_user.toHex() + "> /P " + QByteArray::number(m_permissions) + " >>";
}

QByteArray PdfSecurity::crypt(int objectNumber, const QByteArray& data) const {
    const QByteArray objectKey =
        md5(m_key + littleEndian(quint32(objectNumber), 3) + littleEndian(0, 2));
    return rc4(objectKey, data);
}

} // namespace corvander
