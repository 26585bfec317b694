#pragma once

// Real folder trees to walk, and a lister that refuses the folders it is told to.
#include "common/error_report.h"
#include "common/waiter.h"
#include "filelist/add_folder.h"
#include "filelist/folder_lister.h"
#include "filelist/list_sources.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/deep_tree.h"
#include "tests/support/scripted_dialogs.h"
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

// Answers for one folder as told and leaves every other folder to the file system.
class RefusingLister : public FolderLister {
public:
    RefusingLister(QString folder, std::function<SubfolderListing()> answer)
        : m_folder(std::move(folder)), m_answer(std::move(answer)) {}
    SubfolderListing subfolders(const QString& folder) const override {
        return folder == m_folder ? m_answer() : systemFolderLister().subfolders(folder);
    }

private:
    QString m_folder;
    std::function<SubfolderListing()> m_answer;
};

inline QStringList sortedTexts(const LeftOutPaths& leftOut) {
    QStringList texts;
    for (const LeftOutPath& item : leftOut)
        texts << item.text();
    texts.sort();
    return texts;
}

class FolderWalk : public ::testing::Test {
protected:
    QString root() const { return tree.path(); }
    QString top() const { return tree.path() + QLatin1Char('/'); }

    QStringList walk(const FolderLister& lister = systemFolderLister()) {
        QStringList folders{top()};
        GetSubDirectories2016(folders, true, dialogs, lister);
        return folders;
    }

    QStringList filesOf(const QStringList& folders, const QString& pattern) {
        PathList list;
        appendFilesOfFolders(list, folders, pattern);
        return list.entries;
    }

    // Three siblings, the middle one with a subfolder of its own.
    void makeSiblings() {
        makeFile(root(), QStringLiteral("a/a.pdf"));
        makeFile(root(), QStringLiteral("b/b.pdf"));
        makeFile(root(), QStringLiteral("b/deep/d.pdf"));
        makeFile(root(), QStringLiteral("c/c.pdf"));
    }

    QTemporaryDir tree;
    ScriptedDialogs dialogs;
};

} // namespace corvander
