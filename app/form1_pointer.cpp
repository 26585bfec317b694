// The window's pointer: the hand over push buttons, the arrow elsewhere, and the wait pointer
// that marks the window busy and that neither hover rule may replace.
#include "app/file_drop_list.h"
#include "app/form1.h"

#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

void Form1::watchPointer() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }
    for (QWidget* area :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
          static_cast<QWidget*>(Frame3), ListView1->viewport()}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
}

void Form1::followPointer(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (!isBusy())
            setPointer(qobject_cast<QPushButton*>(watched) ? Pointer::Custom : Pointer::Arrow);
    }
}

void Form1::setPointer(Pointer pointer) {
    m_pointer = pointer;
    switch (pointer) {
    case Pointer::Arrow:
        setCursor(Qt::ArrowCursor);
        break;
    case Pointer::Custom:
        // Without a cursor file the custom state shows the plain arrow.
        setCursor(m_hasCustomCursor ? m_customCursor : QCursor(Qt::ArrowCursor));
        break;
    case Pointer::Hourglass:
        setCursor(Qt::WaitCursor);
        break;
    }
}
