// The copies standing in a results folder, found by their bytes, as a watch of thousands of files
// asks for them: its own copies at once, files put there by others at the next listing, and never
// a file whose bytes are not the ones asked for.
#include "journal/copied_index.h"
#include "journal/file_digest.h"
#include "tests/journal/journal_fixture.h"

#include <QThread>

namespace corvander {

namespace {

// A file of these bytes in the results folder; its size and digest.
std::pair<qint64, QByteArray> place(const QString& folder, const QString& name,
                                    const QByteArray& bytes) {
    QFile file(folder + QLatin1Char('/') + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    return {bytes.size(), sha256OfFile(file.fileName())};
}

TEST_F(JournalTest, CopiesAreFoundByTheirBytesAsTheyStandNow) {
    // Many files of one size, as a scanner makes them: only the one with the bytes is found.
    for (int i = 0; i < 50; ++i)
        place(results.path(), QStringLiteral("scan%1.pdf").arg(i, 2, 10, QLatin1Char('0')),
              QByteArray("%PDF-") + QByteArray::number(i + 10));
    const auto [size, digest] = place(results.path(), QStringLiteral("wanted.pdf"), "%PDF-99");
    CopiedIndex index(results.path());
    EXPECT_EQ(index.find(size, digest), QStringLiteral("wanted.pdf"));
    EXPECT_EQ(index.find(size, digest), QStringLiteral("wanted.pdf")) << "asked again";

    // Changed since: the same size, other bytes, no longer counts.
    place(results.path(), QStringLiteral("wanted.pdf"), "%PDF-98");
    EXPECT_EQ(index.find(size, digest), std::nullopt);

    // The index's own copies count at once; a file someone else puts there counts once the
    // folder is listed again.
    const auto [ownSize, ownDigest] = place(results.path(), QStringLiteral("own.pdf"), "%PDF-77");
    index.add(QStringLiteral("own.pdf"), ownSize, ownDigest);
    EXPECT_EQ(index.find(ownSize, ownDigest), QStringLiteral("own.pdf"));
    const auto [otherSize, otherDigest] =
        place(results.path(), QStringLiteral("other.pdf"), "%PDF-66");
    QThread::msleep(1100);
    EXPECT_EQ(index.find(otherSize, otherDigest), QStringLiteral("other.pdf"));

    // Removed: not there any more.
    ASSERT_TRUE(QFile::remove(results.filePath(QStringLiteral("own.pdf"))));
    EXPECT_EQ(index.find(ownSize, ownDigest), std::nullopt);
}

} // namespace

} // namespace corvander
