#include "app/graphical_session.h"

#include "common/translations.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace corvander {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previous = nullptr;
// The line in the user's language, ready before Qt may need it.
QByteArray g_noSession;
QList<HeldMessage> g_held;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(g_noSession.constData(), stderr);
        std::fflush(nullptr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        // Anything else fatal goes out as Qt would send it, and Qt then aborts.
        g_previous(type, context, text);
        return;
    }
    g_held.append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                   QByteArray(context.category), text});
}

} // namespace

GraphicalSessionGuard::GraphicalSessionGuard() {
    g_noSession = translatedEarly("corvander::GraphicalSession", kNoGraphicalSession).toUtf8();
    g_previous = qInstallMessageHandler(holdOrEnd);
}

void GraphicalSessionGuard::release() {
    if (!m_active)
        return;
    m_active = false;
    qInstallMessageHandler(g_previous);
    for (const HeldMessage& message : std::as_const(g_held)) {
        const QMessageLogContext context(
            message.file.isNull() ? nullptr : message.file.constData(), message.line,
            message.function.isNull() ? nullptr : message.function.constData(),
            message.category.isNull() ? nullptr : message.category.constData());
        g_previous(message.type, context, message.text);
    }
    g_held.clear();
}

} // namespace corvander
