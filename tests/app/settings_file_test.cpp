// Settings files that cannot be read or written, and stored values that cannot be used.
#include "tests/support/test_files.h"
#include "tests/support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace corvander {

namespace {

// Makes a file or folder unchangeable, even for root, for as long as it lives.
class Unchangeable {
public:
    explicit Unchangeable(const QString& path) : m_path(QFile::encodeName(path)) {
        m_holds = setFlag(true);
    }
    ~Unchangeable() {
        if (m_holds)
            setFlag(false);
    }
    bool holds() const { return m_holds; }

private:
    bool setFlag(bool on) {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return done;
    }

    QByteArray m_path;
    bool m_holds = false;
};

using SettingsFile = WindowTest;

} // namespace

TEST_F(SettingsFile, GarbageIsKeptAsideWithOneMessageAndTheDefaultsFollow) {
    const QString file = settings.filePath();
    const QByteArray garbage("\x00\x01[Corv\xff\xfe\nCombo1Index=3\n\x80\x81", 26);
    QFile older(file + QStringLiteral(".unreadable"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("an older one");
    older.close();
    QFile bad(file);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(garbage);
    bad.close();
    const QString keptAs = file + QStringLiteral(".unreadable.1");
    bool keptBeforeDefaults = false;
    dialogs.onNextDialog(
        [&] { keptBeforeDefaults = !QFile::exists(file) && fileBytes(keptAs) == garbage; });

    load();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(file + QLatin1Char(' ')));
    EXPECT_TRUE(dialogs.messages().first().contains(keptAs));
    EXPECT_TRUE(keptBeforeDefaults);
    EXPECT_TRUE(dialogs.warnings().isEmpty());
    EXPECT_EQ(fileBytes(keptAs), garbage);
    EXPECT_EQ(fileBytes(file + QStringLiteral(".unreadable")), "an older one");
    EXPECT_EQ(ui.Combo1->currentIndex(), 0);
    EXPECT_EQ(settings.get(QStringLiteral("Text2")), QStringLiteral("%a - %t"));

    // The next start finds a good file and says nothing.
    dialogs.clear();
    window.reset();
    load();
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// Something that is no regular file stands where the settings belong: opening a pipe waits for a
// writer, reading a device never ends, a folder holds no settings. None is ever opened.
TEST_F(SettingsFile, NoRegularFileIsKeptAsideUnopenedWithOneMessage) {
    const QString file = settings.filePath();
    const QByteArray encoded = QFile::encodeName(file);
    // The targets of the links live in the test's own folder: were the settings ever saved
    // through a link, only these would be replaced, never the system's /dev/zero.
    const QByteArray pipe = QFile::encodeName(home.filePath(QStringLiteral("pipe")));
    const QByteArray zero = QFile::encodeName(home.filePath(QStringLiteral("zero")));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    const bool device = ::mknod(zero.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    const struct {
        const char* what;
        std::function<bool()> make;
        mode_t type;
    } cases[] = {
        {"pipe", [&] { return ::mkfifo(encoded.constData(), 0600) == 0; }, S_IFIFO},
        {"folder", [&] { return QDir().mkdir(file); }, S_IFDIR},
        {"link to a pipe", [&] { return ::symlink(pipe.constData(), encoded.constData()) == 0; },
         S_IFLNK},
        {"link to a device like /dev/zero",
         [&] { return device && ::symlink(zero.constData(), encoded.constData()) == 0; }, S_IFLNK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString keptAs = file + QStringLiteral(".unreadable");
        QFile::remove(file);
        QDir(keptAs).removeRecursively();
        QFile::remove(keptAs);
        if (!c.make()) {
            // Making a device node needs the right to; the other cases still run.
            EXPECT_FALSE(device) << "could not make the " << c.what;
            continue;
        }
        // Straight through the store, before anything is kept aside: defaults, and a failed save.
        int failures = 0;
        SettingsStore direct(file);
        direct.setWriteFailureHandler([&] { ++failures; });
        EXPECT_EQ(direct.get(QStringLiteral("Text2"), QStringLiteral("%t")), QStringLiteral("%t"));
        EXPECT_FALSE(direct.contains(QStringLiteral("Text2")));
        direct.save(QStringLiteral("Text2"), QStringLiteral("%a"));
        EXPECT_EQ(failures, 1);

        settings = SettingsStore(file);
        dialogs.clear();
        window.reset();
        load();
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(
            dialogs.messages().first().contains(file + QStringLiteral(" could not be read")))
            << dialogs.messages().first().toStdString();
        EXPECT_TRUE(dialogs.messages().first().contains(keptAs));
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(keptAs).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & S_IFMT, c.type) << "kept as it was";
        EXPECT_EQ(ui.Combo1->currentIndex(), 0);
        EXPECT_EQ(settings.get(QStringLiteral("Text2")), QStringLiteral("%a - %t"));
        EXPECT_TRUE(QFileInfo(file).isFile()) << "the defaults were written to a new file";
    }
    struct stat info {};
    EXPECT_TRUE(::stat(pipe.constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_TRUE(!device || (::stat(zero.constData(), &info) == 0 && S_ISCHR(info.st_mode)))
        << "nothing was written through a link";
}

// Where the unreadable file cannot be moved, nothing is written over it.
TEST_F(SettingsFile, GarbageThatCannotBeKeptAsideIsNotOverwritten) {
    QFile bad(settings.filePath());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\xff\xfe[garbage\n");
    bad.close();
    const Unchangeable guard(home.path());
    if (!guard.holds())
        GTEST_SKIP() << "cannot set the immutable flag here (needs root and a file system with it)";
    load();
    ui.Text2->setText(QStringLiteral("%a"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(settings.filePath()));
    EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("will not be kept")));
    EXPECT_EQ(fileBytes(settings.filePath()), "\xff\xfe[garbage\n");
}

TEST_F(SettingsFile, UnwritableSettingsSayOnceThatChoicesWillNotBeKept) {
    const struct {
        const char* what;
        bool fileExists;
    } cases[] = {{"read-only file", true}, {"read-only folder", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(settings.filePath());
        if (c.fileExists)
            settings.save(QStringLiteral("Text2"), QStringLiteral("%t"));
        settings = SettingsStore(settings.filePath());
        dialogs.clear();
        window.reset();
        const QByteArray before = fileBytes(settings.filePath());
        const Unchangeable guard(c.fileExists ? settings.filePath() : home.path());
        if (!guard.holds())
            GTEST_SKIP()
                << "cannot set the immutable flag here (needs root and a file system with it)";

        load();
        ui.Text2->setText(QStringLiteral("%a"));
        ui.Check1->click();
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages().first().contains(settings.filePath()));
        EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("will not be kept")));
        EXPECT_EQ(fileBytes(settings.filePath()), before);
    }
}

TEST_F(SettingsFile, ModeThatDoesNotConvertIsNamedAndTheRunAsksForAMode) {
    settings.save(QStringLiteral("Combo1Index"), QStringLiteral("99999999999"));
    Form1& form = load();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().startsWith(
        QStringLiteral("Overflow (setting \"Combo1Index\" = \"99999999999\")\r\nin "
                       "Quarnex2021/08/31.Form1.Form_Load at line 114\r\r")))
        << dialogs.warnings().first().toStdString();

    form.fileList().appendEntry(home.filePath(QStringLiteral("any.pdf")));
    ui.Text1->setText(home.path());
    dialogs.clear();
    ui.PushButton2->click();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Please choose a rename mode first.")});
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

} // namespace corvander
