#pragma once

#include "interp/Runtime.h"
#include "support/LocaleScope.h"
#include "ui/run/RunControlPanel.h"
#include "ui/main/frmMain.h"

#include "ui/main/ToolColumn.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A main window with an example chart, and the waits a run through the window needs.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<frmMain>(); }
    void TearDown() override
    {
        if (window->runtime().run.runInProgress())
            window->runtime().run.TerminateExecution();
        window.reset();
    }

    static QString example(const QString &file)
    {
        return QStringLiteral(VARNEL_SOURCE_DATA "/Examples/") + file;
    }

    bool waitFor(const std::function<bool()> &condition, int timeoutMs = 10000)
    {
        return QTest::qWaitFor(condition, timeoutMs);
    }

    RunControl &run() { return window->runtime().run; }
    RunControlPanel &controls() { return *window->runControls(); }

    void loadExample(const QString &file)
    {
        ASSERT_TRUE(window->project().load_FILE(example(file)));
    }

    // Presses the run button as the user does and waits until the run has begun.
    void pressRun()
    {
        bool started = false;
        const QMetaObject::Connection c = QObject::connect(&run(), &RunControl::runStarted, [&started] { started = true; });
        QTest::mouseClick(controls().cmdRun, Qt::LeftButton);
        const bool ok = waitFor([&started] { return started; }, 2000);
        QObject::disconnect(c);
        ASSERT_TRUE(ok);
    }

    // A run waits for an input inside its own event loop, below the test's wait; what the user
    // does then has to come from that loop, so it is queued here and done when the input is asked.
    void whenInputPending(std::function<void()> action)
    {
        auto *poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, action] {
            if (!window->runtime().console.inputPending())
                return;
            poll->stop();
            poll->deleteLater();
            action();
        });
        poll->start(5);
    }

    void setDelay(int value) { controls().scroll_ExecutionDelay->setValue(value); }

    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    std::unique_ptr<frmMain> window;
};
