#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window of type T that opens over `under` (a file dialog, a message
// box): a timer waits for it and hands it to the answer, which reads it and closes it.
template<typename T = QWidget>
void answerNextModal(std::function<void(T *)> answer, QWidget *under = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, under] {
        QWidget *modal = QApplication::activeModalWidget();
        T *wanted = qobject_cast<T *>(modal);
        if (!wanted || modal == under)
            return;
        timer->stop();
        timer->deleteLater();
        answer(wanted);
    });
    timer->start();
}
