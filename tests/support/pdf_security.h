#pragma once

#include <QByteArray>

namespace corvander {

// The standard security handler, revision 3, with 128-bit RC4: enough for tests to write
// password-protected documents that real readers open.
class PdfSecurity {
public:
    PdfSecurity(const QByteArray& userPassword, const QByteArray& ownerPassword, qint32 permissions,
                const QByteArray& fileId);

    // The /Encrypt dictionary.
    QByteArray dictionary() const;
    // A string or stream of the object with this number (generation 0), encrypted; RC4 is its
    // own inverse, so this also decrypts.
    QByteArray crypt(int objectNumber, const QByteArray& data) const;

private:
    QByteArray m_owner;
    QByteArray m_user;
    QByteArray m_key;
    qint32 m_permissions;
};

QByteArray rc4(const QByteArray& key, const QByteArray& data);

} // namespace corvander
