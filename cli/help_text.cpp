#include "cli/help_text.h"

#include "extract/worker_count.h"
#include "naming/rules/naming_rules.h"

#include <QCoreApplication>

namespace corvander {

namespace {

// The options rename and check share: how files are found and read, and how lines are written.
QString readingOptions() {
    return QCoreApplication::translate(
               "corvander::CommandHelp",
               "  --extension EXT            walk folders for *.EXT instead of *.pdf; * for all\n"
               "  --jobs N                   extraction workers, 1 to %1 (default: the number of "
               "cores)\n"
               "  --password-file FILE       try the first line of FILE on protected documents\n"
               "  --json                     print JSON Lines instead of TAB-separated lines\n"
               "  --ocr                      read pages without text by OCR, in the default\n"
               "                             languages: the desktop's, when installed, and eng\n"
               "  --ocr-languages L          OCR in the installed languages L, e.g. eng+deu\n"
               "                             (implies --ocr)\n"
               "  -h, --help                 show this help and exit\n")
        .arg(kMostWorkers);
}

// The families, one line each from the table of naming rules (a description may go on over
// more lines), as --help lists them.
QString familyList() {
    constexpr qsizetype kDescriptionColumn = 29;
    QString list;
    for (const NamingRule* rule : namingRules()) {
        const QStringList lines = rule->description().split(QLatin1Char('\n'));
        QString first = QStringLiteral("  ") + rule->usage();
        list += first.leftJustified(kDescriptionColumn - 1) + QLatin1Char(' ') + lines.first() +
                QLatin1Char('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            list += QString(kDescriptionColumn, QLatin1Char(' ')) + lines.at(i) + QLatin1Char('\n');
    }
    return list;
}

} // namespace

QString renameHelp() {
    return QCoreApplication::translate(
               "corvander::CommandHelp",
               "Usage: corvander rename FAMILY [options] --to DIR PATH...\n"
               "\n"
               "Copies each PDF file into DIR under a name taken from its own text or from its\n"
               "document information, exactly as the window's \"Start Renaming\" does. The files\n"
               "themselves are never changed, and no file in DIR is ever replaced: a name that is\n"
               "taken gets \"!\" (then \"!!\", ...) before \".pdf\".\n"
               "\n"
               "PATH: files, taken in the order given whatever their names, and folders, walked\n"
               "breadth-first for *.pdf files (any letter case); inside a folder, names starting\n"
               "with \".\" or \"~\" are left out. \"--\" ends the options.\n"
               "\n"
               "FAMILY, exactly one of:\n") +
           familyList() +
           QCoreApplication::translate(
               "corvander::CommandHelp",
               "  --like FILE=NAME           rename by template, the templates learned from\n"
               "                             FILE named NAME by hand; repeat it, one example\n"
               "                             of each kind (see \"corvander learn --help\")\n"
               "Numbers are whole numbers in decimal.\n"
               "\n"
               "Options:\n"
               "  --to DIR                   the results folder (required; must exist)\n"
               "  --date-order ORDER         dmy, mdy or ymd: how --template reads a date\n"
               "                             whose day and month could be swapped\n"
               "  --dry-run                  copy nothing; print what a real run would do "
               "now\n"
               "  --skip-copied              copy no file whose identical copy (same size and\n"
               "                             SHA-256) already stands in DIR\n"
               "%1\n"
               "Output, one line per listed file in list order, fields separated by TABs:\n"
               "  copied      SOURCE  NEW-FILE-NAME\n"
               "  would-copy  SOURCE  NEW-FILE-NAME   (--dry-run)\n"
               "  skipped     SOURCE  REASON\n"
               "  skipped     SOURCE  already copied as NAME   (--skip-copied; counts as copied)\n"
               "  failed      SOURCE  REASON          (the copy itself failed)\n"
               "A backslash, TAB or line feed in a field is written as \\\\, \\t, \\n; a byte "
               "that\n"
               "is not UTF-8 as \\xHH. Progress goes to standard error when it is a terminal.\n"
               "\n"
               "Exit status: 0 every file copied (with --dry-run: would be), 1 some skipped or\n"
               "failed, 2 usage error, 3 nothing could start (no such DIR, no worker program).\n"
               "\n"
               "Several rename processes, on one machine or several, may write into one DIR at\n"
               "once: no copy ever replaces another, and every copy is whole. See corvander(1).\n")
               .arg(readingOptions());
}

QString checkHelp() {
    return QCoreApplication::translate(
               "corvander::CommandHelp",
               "Usage: corvander check [options] PATH...\n"
               "\n"
               "Tells for each PDF file whether it has text to rename by, as the window's check\n"
               "after adding files does. PATH: files and folders, as for \"corvander rename\".\n"
               "\n"
               "Options:\n"
               "%1\n"
               "Output, one line per listed file in list order, fields separated by TABs:\n"
               "  readable    SOURCE\n"
               "  unreadable  SOURCE  REASON   (no text, too little text, unreadable, timed out,\n"
               "                               password needed, wrong password, OCR timed out)\n"
               "Fields are escaped as for \"corvander rename\".\n"
               "\n"
               "Exit status: 0 every file readable, 1 some unreadable, 2 usage error, 3 nothing\n"
               "could start (no worker program).\n")
        .arg(readingOptions());
}

QString undoHelp() {
    return QCoreApplication::translate(
        "corvander::CommandHelp",
        "Usage: corvander undo [options] [JOURNAL]\n"
        "\n"
        "Removes the copies a rename run made, as the window's \"Undo Last Run\" does:\n"
        "without JOURNAL, those of the newest run (of the window or of the command line)\n"
        "that made copies and was not undone yet; a run still going is passed over. A copy\n"
        "is removed only while it is still the file the run made (the same size and\n"
        "SHA-256, not a link); anything else is kept. The source files are never touched.\n"
        "The journal is then marked as undone, so the next undo steps back to the run\n"
        "before.\n"
        "\n"
        "JOURNAL: a run journal, as kept in $XDG_STATE_HOME/corvander (by default\n"
        "~/.local/state/corvander), one file per run.\n"
        "\n"
        "Options:\n"
        "  --json                     print JSON Lines instead of TAB-separated lines\n"
        "  -h, --help                 show this help and exit\n"
        "\n"
        "Output, one line per copy the run made, fields separated by TABs:\n"
        "  removed  PATH\n"
        "  kept     PATH  REASON      (changed since the run, no longer there, ...)\n"
        "Fields are escaped as for \"corvander rename\".\n"
        "\n"
        "Exit status: 0 every copy removed, 1 some kept, 2 usage error, 3 nothing undone:\n"
        "no run to undo, the last run is still going on (a watch), or JOURNAL cannot be\n"
        "read, is in use, was undone already or records no copy.\n");
}

QString watchHelp() {
    return QCoreApplication::translate(
               "corvander::CommandHelp",
               "Usage: corvander watch FAMILY [options] --to DIR INBOX...\n"
               "\n"
               "Names every PDF file in the INBOX folders (walked as \"corvander rename\" walks a\n"
               "folder), then every one that arrives, into DIR, as \"corvander rename\n"
               "--skip-copied\" would: a file whose identical copy stands in DIR already is not\n"
               "copied again. A file is taken once it is complete: closed after writing or moved\n"
               "in, or, where the folder tells no such events (network shares), once its size\n"
               "and time have not changed for 2 seconds. Runs until SIGINT or SIGTERM, then\n"
               "finishes the file it is on and exits. An INBOX that disappears is watched again\n"
               "when it returns; a file that cannot be copied because DIR cannot be written is\n"
               "tried again when it can. Each day of a watch has its own run journal, which\n"
               "\"corvander undo\" takes back once the watch has ended.\n"
               "\n"
               "FAMILY, exactly one of:\n") +
           familyList() +
           QCoreApplication::translate(
               "corvander::CommandHelp",
               "\n"
               "Options:\n"
               "  --to DIR                   the results folder (required; must exist)\n"
               "  --skip-copied              always on for a watch\n"
               "%1\n"
               "Output, one line per file as it is done, as for \"corvander rename\":\n"
               "  copied      SOURCE  NEW-FILE-NAME\n"
               "  skipped     SOURCE  REASON\n"
               "  failed      SOURCE  REASON\n"
               "\n"
               "Exit status: 0 stopped by a signal, 2 usage error, 3 nothing could start (no such\n"
               "DIR, no worker program).\n")
               .arg(readingOptions());
}

} // namespace corvander
