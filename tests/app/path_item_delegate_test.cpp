// Long paths in the file list: shortened in the middle while the file name still shows whole.
#include "app/file_drop_list.h"
#include "app/path_item_delegate.h"
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QFontMetrics>
#include <QTest>

namespace corvander {

namespace {
const QString kEllipsis(QChar(0x2026));
const QString kPath = QStringLiteral("/home/maren/Documents/Scans/2024/Invoices/scan0001.pdf");
const QString kName = QStringLiteral("/scan0001.pdf");
} // namespace

TEST(PathElision, MiddleGoesWhileTheNameShowsThenTheEnd) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(9);
    const QFontMetrics metrics(font);
    const int whole = metrics.horizontalAdvance(kPath);
    const int nameOnly = metrics.horizontalAdvance(kEllipsis + kName);
    const struct {
        const char* name;
        int width;
        bool keepsName;
    } cases[] = {
        {"room for all", whole, true},
        {"a little short", whole - 1, true},
        {"half", whole / 2, true},
        {"just the name", nameOnly, true},
        {"less than the name", nameOnly - 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString shown = elidedPath(kPath, metrics, c.width);
        EXPECT_LE(metrics.horizontalAdvance(shown), c.width);
        EXPECT_EQ(shown.endsWith(kName), c.keepsName) << shown.toStdString();
        if (c.width >= whole) {
            EXPECT_EQ(shown, kPath);
        } else if (c.keepsName) {
            // Cut inside the folders: the start of the path shows unless there is no room at all.
            EXPECT_TRUE(shown.contains(kEllipsis));
            EXPECT_EQ(shown.startsWith(QStringLiteral("/home")), c.width > nameOnly + 40);
        } else {
            EXPECT_TRUE(shown.startsWith(QStringLiteral("/ho")));
            EXPECT_TRUE(shown.endsWith(kEllipsis));
        }
    }
    EXPECT_EQ(elidedPath(QStringLiteral("no-folder-at-all.pdf"), metrics, 40).right(1), kEllipsis);
}

using FileListPaths = WindowTest;

TEST_F(FileListPaths, ListShowsTheNameOfALongPathAndItsToolTipTheWholePath) {
    Form1& form = load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QString longPath =
        QStringLiteral("/srv/archive/departments/accounting/incoming/2024/quarter-3/") +
        QStringLiteral("supplier-statements/unsorted/") + QStringLiteral("statement 4711.pdf");
    form.fileList().appendEntry(longPath);
    QTreeWidgetItem* item = ui.ListView1->topLevelItem(0);
    EXPECT_EQ(item->toolTip(0), longPath);

    auto* delegate = qobject_cast<PathItemDelegate*>(ui.ListView1->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    QStyleOptionViewItem option;
    option.initFrom(ui.ListView1->viewport());
    option.widget = ui.ListView1;
    option.rect = ui.ListView1->visualItemRect(item);
    const QString shown = delegate->shownText(option, ui.ListView1->model()->index(0, 0));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/srv/")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/statement 4711.pdf")));
    EXPECT_TRUE(shown.contains(kEllipsis));
}

} // namespace corvander
