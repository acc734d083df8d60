#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window that opens over `under` (a file dialog, a message box): a
// timer waits for it, hands it to the answer, which reads it and closes it.
inline void answerNextModal(std::function<void(QWidget *)> answer, QWidget *under = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, under] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == under)
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}
