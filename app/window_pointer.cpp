#include "app/window_pointer.h"

#include "common/path_helpers.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>

namespace corvander {

WindowPointer::WindowPointer(QWidget* window) : m_window(window) {}

void WindowPointer::loadHandCursor(const QString& programFolder) {
    const QString path = programFolder + QStringLiteral("/HAND-M.CUR");
    if (!PathExists(path))
        return;
    const QPixmap picture(path);
    // A cursor file the image readers cannot take still asks for a hand: use the system's.
    m_customCursor = picture.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(picture, 0, 0);
    m_hasCustomCursor = true;
}

void WindowPointer::showHandOver(QWidget* widget) {
    watch(widget, PointerShape::Custom);
}

void WindowPointer::showArrowOver(QWidget* widget) {
    watch(widget, PointerShape::Arrow);
}

void WindowPointer::watch(QWidget* widget, PointerShape shape) {
    m_watched.insert(widget, shape);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool WindowPointer::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) && !isBusy()) {
        const auto shape = m_watched.constFind(watched);
        if (shape != m_watched.constEnd())
            setShape(*shape);
    }
    return QObject::eventFilter(watched, event);
}

void WindowPointer::setBusy(bool busy) {
    setShape(busy ? PointerShape::Hourglass : PointerShape::Arrow);
}

void WindowPointer::setShape(PointerShape shape) {
    m_shape = shape;
    switch (shape) {
    case PointerShape::Arrow:
        m_window->setCursor(Qt::ArrowCursor);
        break;
    case PointerShape::Custom:
        // Without a cursor file the custom state shows the plain arrow.
        m_window->setCursor(m_hasCustomCursor ? m_customCursor : QCursor(Qt::ArrowCursor));
        break;
    case PointerShape::Hourglass:
        m_window->setCursor(Qt::WaitCursor);
        break;
    }
}

} // namespace corvander
