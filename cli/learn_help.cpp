#include "cli/help_text.h"

#include "extract/worker_count.h"

#include <QCoreApplication>

namespace corvander {

QString learnHelp() {
    return QCoreApplication::translate(
               "corvander::CommandHelp",
               "Usage: corvander learn [options] FILE=NAME...\n"
               "\n"
               "Writes, for each example FILE, the name template that gives exactly NAME, the\n"
               "name you would have typed for it (\".pdf\" may be left off; a \"/\" makes\n"
               "subfolders). Give one example of each kind of document (one invoice of each\n"
               "sender, one letter of each form): its template names every other document of\n"
               "that kind the same way, and skips the documents of other kinds. The templates\n"
               "are for rename by template (see \"corvander rename --help\"), which can also\n"
               "learn them itself from the same examples.\n"
               "\n"
               "FILE=NAME is split at the first \"=\" before which stands an existing file.\n"
               "\n"
               "Options:\n"
               "  --date-order ORDER         dmy, mdy or ymd: how a date whose day and month\n"
               "                             could be swapped is read when FILE and NAME do\n"
               "                             not show it\n"
               "  --jobs N                   extraction workers, 1 to %1 (default: the number of "
               "cores)\n"
               "  --password-file FILE       try the first line of FILE on protected documents\n"
               "  --json                     print JSON Lines instead of TAB-separated lines\n"
               "  --ocr                      read pages without text by OCR, in the default\n"
               "                             languages: the desktop's, when installed, and eng\n"
               "  --ocr-languages L          OCR in the installed languages L, e.g. eng+deu\n"
               "                             (implies --ocr)\n"
               "  -h, --help                 show this help and exit\n"
               "\n"
               "Output, one line per example in the order given, fields separated by TABs:\n"
               "  learned    FILE  TEMPLATE\n"
               "  unlearned  FILE  REASON     (the part \"AF-7731\" is not in the document, ...)\n"
               "Fields are escaped as for \"corvander rename\".\n"
               "\n"
               "Exit status: 0 every example learned, 1 some not, 2 usage error, 3 nothing could\n"
               "start (no worker program).\n")
        .arg(kMostWorkers);
}

} // namespace corvander
