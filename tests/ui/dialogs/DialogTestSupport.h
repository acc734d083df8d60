#pragma once

#include "model/ActionFields.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const ActionFields &f, std::ostream *os)
{
    *os << '{' << f.zAction.toStdString() << " | " << f.zParam1.toStdString() << " | "
        << f.zParam2.toStdString() << " | " << f.zParam3.toStdString() << '}';
}

// Runs `interact` on the modal dialog as soon as its event loop runs. Whatever `interact`
// leaves open is closed a little later, so a failing test cannot hang in exec().
inline void whenModal(std::function<void(QWidget *)> interact)
{
    QTimer::singleShot(0, [interact] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog)
            interact(dialog);
    });
    QTimer::singleShot(3000, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
}

template <class T>
T *field(const QWidget *dialog, const char *name)
{
    T *child = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        ADD_FAILURE() << "no field " << name;
    return child;
}

inline void clickOK(QWidget *dialog)
{
    QTest::mouseClick(field<QWidget>(dialog, "cmdOK"), Qt::LeftButton);
}

// Types into an editable list or text field the way a user does: select all, then type.
inline void typeInto(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Picks an item from a list's pop-up: open it, move to the item, press Enter.
inline void pickItem(QComboBox *cbox, const QString &text)
{
    const int index = cbox->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    cbox->showPopup();
    QAbstractItemView *view = cbox->view();
    view->setCurrentIndex(view->model()->index(index, cbox->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
}

inline QStringList itemsOf(const QComboBox *cbox)
{
    QStringList items;
    for (int i = 0; i < cbox->count(); ++i)
        items << cbox->itemText(i);
    return items;
}
