// Copies a file into a results folder through the real copy code, in the way named, and stops in
// the middle of the copy until its input ends; then it dies without a word, as a killed run does.
//
//   leftovers_child FOLDER SOURCE named|exclusive
#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "tests/copying/provoking_calls.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char* argv[]) {
    using namespace corvander;
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const CopyWay way =
        std::strcmp(argv[3], "named") == 0 ? CopyWay::NamedRename : CopyWay::Exclusive;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    ProvokingCalls calls(folder);
    calls.refusal = [way](CopyWay tried) { return tried < way ? EPERM : 0; };
    const QString workFile = way == CopyWay::NamedRename ? QStringLiteral(".corvander-*.part")
                                                         : QStringLiteral(".corvander-*.mark");
    calls.duringCopy = [&folder, &workFile] {
        // The better ways write their copy before they are refused; the way named is under way
        // once its own work file is there.
        if (QDir(folder).entryList({workFile}, QDir::Files | QDir::Hidden).isEmpty())
            return;
        std::fputs("copying\n", stdout);
        std::fflush(stdout);
        char byte = 0;
        while (::read(STDIN_FILENO, &byte, 1) > 0) {
        }
        ::_exit(0);
    };
    CopyToFreeName(QString::fromLocal8Bit(argv[2]), corvander::ResultsFolder(folder, calls),
                   QStringLiteral("live"));
    return 1;
}
