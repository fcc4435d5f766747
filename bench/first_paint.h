#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Quits the application once the watched window has been painted the first
// time: start-up measured to what the user first sees.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool done_ = false;
};
