#pragma once

#include "common/window_port.h"

#include <QCursor>
#include <QHash>
#include <QObject>

class QWidget;

namespace corvander {

enum class PointerShape { Arrow, Custom, Hourglass };

// The window's pointer: the hand (the custom cursor) over push buttons, the arrow over the
// window's background, frames and list, and the wait pointer that marks the window busy and that
// neither hover rule may replace.
class WindowPointer : public QObject, public BusyPointer {
    Q_OBJECT
public:
    explicit WindowPointer(QWidget* window);

    PointerShape shape() const { return m_shape; }
    void setShape(PointerShape shape);
    bool hasCustomCursor() const { return m_hasCustomCursor; }
    // The cursor file beside the program, when there is one, becomes the custom pointer.
    void loadHandCursor(const QString& programFolder);

    // Pointing at the widget shows the hand, or the arrow, unless the window is busy.
    void showHandOver(QWidget* widget);
    void showArrowOver(QWidget* widget);

    // BusyPointer
    bool isBusy() const override { return m_shape == PointerShape::Hourglass; }
    void setBusy(bool busy) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget, PointerShape shape);

    QWidget* m_window;
    // The watched widgets, each with the pointer it shows; they live as long as the window.
    QHash<const QObject*, PointerShape> m_watched;
    PointerShape m_shape = PointerShape::Arrow;
    QCursor m_customCursor;
    bool m_hasCustomCursor = false;
};

} // namespace corvander
