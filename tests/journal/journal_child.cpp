// Starts a run journal as a run does, records the copies named on the command line, prints the
// journal's path and waits to be killed. Usage: journal_child RESULTS [SOURCE COPY]...
#include "journal/run_journal.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc < 2)
        return 2;
    using namespace corvander;
    const auto journal = RunJournal::begin({QDateTime::currentDateTime(),
                                            QStringLiteral("content"),
                                            0,
                                            {QStringLiteral("x=2")},
                                            QFile::decodeName(argv[1])});
    for (int i = 2; i + 1 < argc; i += 2)
        journal->record(FileRecord::copied(QFile::decodeName(argv[i]),
                                           QFile::decodeName(argv[i + 1]),
                                           QStringLiteral("words 1-2 of the document")));
    std::printf("%s\n", QFile::encodeName(journal->path()).constData());
    std::fflush(stdout);
    for (;;)
        ::pause();
}
