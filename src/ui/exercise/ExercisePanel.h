#pragma once

#include "exercise/EditedChart.h"
#include "exercise/Exercise.h"
#include "exercise/ExerciseCheck.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

// The exercise beside the chart, in a dock: title, text (Markdown), the visible tests with
// their input and expected lines, and "Kontrol Et", which runs every test on the chart as it is
// on screen (ExerciseCheck) and marks each visible test ✓ or ✗; of the hidden tests only how
// many passed is told.
class ExercisePanel : public QWidget {
    Q_OBJECT
public:
    using ChartSource = std::function<EditedChart()>;

    explicit ExercisePanel(QWidget *parent = nullptr);

    void setChartSource(ChartSource source) { m_source = std::move(source); }
    void setExercise(const Exercise &exercise, const QString &path);
    const std::optional<Exercise> &exercise() const { return m_exercise; }
    const QString &exercisePath() const { return m_path; }

    // Starts a check of the current chart (nothing without an exercise).
    void check();
    // The chart changed: a check under way is called off, its marks are no longer the chart's.
    void chartEdited();
    bool isChecking() const { return m_check.isRunning(); }

    QPushButton *checkButton() const { return m_checkButton; }
    QTreeWidget *testList() const { return m_tests; }
    QLabel *summary() const { return m_summary; }
    QProgressBar *progress() const { return m_progress; }

Q_SIGNALS:
    void checkingChanged(bool checking);

private:
    void showTests();
    void clearMarks();
    void testFinished(int index, const TestResult &result);
    void checkFinished(bool cancelled);
    QString summaryText() const;
    static QString differenceText(const TestResult &result);

    QLabel *m_title;
    QTextBrowser *m_text;
    QTreeWidget *m_tests;
    QPushButton *m_checkButton;
    QProgressBar *m_progress;
    QLabel *m_summary;
    ExerciseCheck m_check;
    ChartSource m_source;
    std::optional<Exercise> m_exercise;
    QString m_path;
    QList<std::optional<TestResult>> m_results;
};
