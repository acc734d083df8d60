#pragma once

#include "ui/main/ProjectDialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

// The project commands' dialogs as standard Qt dialogs over the main window.
class QtProjectDialogs final : public ProjectDialogs {
    Q_DECLARE_TR_FUNCTIONS(QtProjectDialogs)

public:
    explicit QtProjectDialogs(QWidget *parent);

    static QString filter();

    QString openFile(const QString &folder) override;
    QString saveFile(const QString &proposedPath) override;
    SaveQuestion::Answer askSave(const QString &title, const QString &text) override;
    bool askRestore(const QString &title, const QString &text) override;
    void notify(const QString &text) override;

private:
    QWidget *parentWidget() const;

    QPointer<QWidget> m_parent;
};
