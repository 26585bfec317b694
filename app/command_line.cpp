#include "app/command_line.h"

#include <QSet>

namespace corvander {

namespace {

// The options QApplication takes for itself, with and without a value; on X11 the window
// system plug-in takes a few more. They may be written with one dash or two.
const QSet<QString> kQtOptionsWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),
    QStringLiteral("session"),
    QStringLiteral("display"),
    QStringLiteral("name"),
    QStringLiteral("visual"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
};
const QSet<QString> kQtFlags = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"),  QStringLiteral("sync"),        QStringLiteral("testability"),
};

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        // An empty word names nothing; taken as a path it would be the working folder.
        if (argument.isEmpty())
            continue;
        if (!options || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            if (options && argument == QLatin1String("-")) {
                result.action = CommandLine::Action::RefuseOption;
                result.refused = argument;
                return result;
            }
            result.paths << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            options = false;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            result.action = CommandLine::Action::ShowVersion;
            return result;
        } else {
            const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            const QString bare = name.section(QLatin1Char('='), 0, 0);
            if (kQtOptionsWithValue.contains(bare)) {
                if (bare == name)
                    ++i; // the value is the next argument
            } else if (!kQtFlags.contains(name) &&
                       !name.startsWith(QLatin1String("qmljsdebugger="))) {
                result.action = CommandLine::Action::RefuseOption;
                result.refused = argument;
                return result;
            }
        }
    }
    return result;
}

} // namespace corvander
