#include "common/settings_store.h"
#include "filelist/shift_cipher.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

TEST(SampleCipher, EveryByteComesBackWithEveryKeyLetter) {
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QByteArray key(8, letter);
        for (int code = 1; code <= 255; ++code) {
            const QByteArray plain(1, char(code));
            const QByteArray encoded = shiftEncodeBytes(plain, key);
            ASSERT_EQ(encoded.size(), 1);
            ASSERT_NE(encoded.at(0), '\0') << letter << " " << code;
            ASSERT_EQ(shiftDecodeBytes(encoded, key), plain) << letter << " " << code;
        }
    }
}

TEST(SampleCipher, SumsFromTwoHundredFiftySixWrapBy255) {
    const struct {
        int code;
        char key;
        int encoded;
    } cases[] = {
        {200, 'z', 67}, // 322 - 255
        {134, 'z', 1},  // 256 - 255: never 0
        {133, 'z', 255}, {158, 'a', 255}, {159, 'a', 1}, {1, 'a', 98}, {255, 'a', 97},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const QByteArray key(8, c.key);
        const QByteArray encoded = shiftEncodeBytes(QByteArray(1, char(c.code)), key);
        EXPECT_EQ(static_cast<unsigned char>(encoded.at(0)), c.encoded);
        EXPECT_EQ(shiftDecodeBytes(encoded, key), QByteArray(1, char(c.code)));
    }
}

TEST(SampleCipher, TheKeyStartsOverAfterItsLastLetter) {
    const QByteArray encoded = shiftEncodeBytes(QByteArray(10, char(1)), "kestrels");
    EXPECT_EQ(encoded, QByteArray("lftusfmtlf"));
}

TEST(SampleCipher, PathsComeBackWholeThroughTheSettingsFile) {
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("Fernwick.ini"));
    const QString key = QString::fromLatin1(kSampleListKey);
    ASSERT_EQ(key.size(), 8);
    QString everyCode;
    for (int code = 1; code <= 255; ++code)
        everyCode += QChar(code);
    const QString texts[] = {
        QString(),
        QStringLiteral("/opt/corvander/Samples/a.pdf|/opt/corvander/Samples/b.pdf"),
        QStringLiteral("/home/zo\u00eb/\u00dcbersicht/\u0436\u0443\u0440\u043d\u0430\u043b "
                       "\u65e5\u672c \U0001F4C4.pdf"),
        QStringLiteral("semi;colon,comma=equals \"quoted\" back\\slash [section] #hash"),
        everyCode,
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString stored = ShiftEncode(text, key);
        for (const QChar c : stored)
            ASSERT_TRUE(c.unicode() >= 1 && c.unicode() <= 255);
        SettingsStore(file).save(QStringLiteral("Snapshot"), stored);
        const QString read = SettingsStore(file).get(QStringLiteral("Snapshot"));
        EXPECT_EQ(read, stored);
        EXPECT_EQ(ShiftDecode(read, key), text);
    }
}

} // namespace corvander
