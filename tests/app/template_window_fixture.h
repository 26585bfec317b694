#pragma once

// A loaded window for rename by template: typing templates, waiting for the names the preview
// shows, and the results of a run.
#include "tests/run/rename_fixture.h"

#include <QDirIterator>
#include <QTest>

namespace corvander {

class TemplateWindow : public RenameTest {
protected:
    void typeTemplate(const QString& text) {
        ui.Text3->clear();
        ui.Text3->setFocus();
        QTest::keyClicks(ui.Text3, text);
    }

    // The name column's text of a row once it shows `name`; what it shows after a while if not.
    QString nameOnceShown(int row, const QString& name) {
        const auto shown = [&] {
            return ui.ListView1->columnCount() > 1 ? ui.ListView1->topLevelItem(row)->text(1)
                                                   : QString();
        };
        static_cast<void>(QTest::qWaitFor([&] { return shown() == name; }, 30000));
        return shown();
    }

    // Every file below the results folder, by its path there.
    QStringList resultTree() const {
        QStringList files;
        QDirIterator it(results.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(results.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    QString messagesText() const { return dialogs.messages().join(QLatin1Char('\n')); }

    void showWindow() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
};

} // namespace corvander
