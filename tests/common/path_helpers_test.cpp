#include "common/path_helpers.h"
#include "common/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

TEST(PathHelpers, BaseNames) {
    const struct {
        const char* path;
        const char* fileName;
        const char* stripped; // StripExtension of the file name
    } cases[] = {
        {"/in/Report 2020.pdf", "Report 2020.pdf", "Report 2020"},
        {"/in/x.y.pdf", "x.y.pdf", "x.y"},
        {"/in/.pdf", ".pdf", ".pdf"},
        {"/in/noext", "noext", "noext"},
        {"plain.pdf", "plain.pdf", "plain"},
        {"/in/dir/", "", ""},
    };
    for (const auto& c : cases) {
        const QString name = FileNameOf(QString::fromUtf8(c.path));
        EXPECT_EQ(name, QString::fromUtf8(c.fileName)) << c.path;
        EXPECT_EQ(StripExtension(name), QString::fromUtf8(c.stripped)) << c.path;
    }
    // The last dot anywhere counts, also one in a folder name.
    EXPECT_EQ(StripExtension(QStringLiteral("/a.b/c")), QStringLiteral("/a"));
}

TEST(PathHelpers, ExistenceAndDeletion) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    EXPECT_FALSE(PathExists(file));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();
    EXPECT_TRUE(PathExists(file));
    EXPECT_TRUE(PathExists(dir.path()));
    EXPECT_TRUE(IsDirectory(dir.path()));
    EXPECT_FALSE(IsDirectory(file));
    EXPECT_FALSE(IsDirectory(QString()));

    QFile::setPermissions(file, QFileDevice::ReadOwner);
    DeleteFileForced(file);
    EXPECT_FALSE(PathExists(file));
    DeleteFileForced(file); // a missing file is no error
}

TEST(SettingsStore, KeepsValuesInTheCorvanderSection) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fernwick.ini"));
    {
        SettingsStore store(path);
        EXPECT_EQ(store.get(QStringLiteral("Text2"), QStringLiteral("%a - %t")),
                  QStringLiteral("%a - %t"));
        store.save(QStringLiteral("Text2"), QStringLiteral("%t, %a"));
        store.save(QStringLiteral("Text1"), QStringLiteral("/home/u/Out/"));
    }
    QFile ini(path);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(content.startsWith(QStringLiteral("[Corvander]"))) << content.toStdString();
    EXPECT_TRUE(content.contains(QStringLiteral("Text1=/home/u/Out/")));
    EXPECT_EQ(SettingsStore(path).get(QStringLiteral("Text2")), QStringLiteral("%t, %a"));
}

TEST(SettingsStore, HandEditedListValueReadsAsText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fernwick.ini"));
    QFile ini(path);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Corvander]\nText2=%a, %t\n");
    ini.close();
    EXPECT_EQ(SettingsStore(path).get(QStringLiteral("Text2")), QStringLiteral("%a, %t"));
}

TEST(SettingsStore, DefaultFileFollowsXdgConfigHome) {
    EXPECT_EQ(SettingsStore::defaultFilePath(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Fernwick.ini"));
}

} // namespace corvander
