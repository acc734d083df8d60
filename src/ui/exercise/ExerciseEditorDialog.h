#pragma once

#include "exercise/Exercise.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

// "Alıştırma Düzenleyici": a teacher writes an exercise file: title, text (Markdown), limits
// and a table of tests (name, input lines, expected lines, hidden, how lines compare).
// "Örnek Çözümden Doldur" fills the expected lines by running a reference chart.
class ExerciseEditorDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { Name, Input, Expected, Hidden, Compare, ColumnCount };

    explicit ExerciseEditorDialog(QWidget *parent = nullptr);

    void setExercise(const Exercise &exercise, const QString &path);
    // The exercise as the fields hold it.
    Exercise exercise() const;
    const QString &path() const { return m_path; }

    void addTest();
    void removeTest();
    // Runs the reference chart on every test and takes its lines; what could not be filled.
    QStringList fillFromReference(const QString &referencePath);
    // Checks the exercise as the reader would and writes it; false with `failure` set.
    bool saveTo(const QString &path, QString &failure);

    QLineEdit *titleEdit() const { return m_title; }
    QPlainTextEdit *textEdit() const { return m_text; }
    QTableWidget *testTable() const { return m_tests; }

private:
    void setRow(int row, const ExerciseTest &test);
    ExerciseTest rowTest(int row) const;
    void askReference();
    void askAndSave();

    QString m_path;
    QLineEdit *m_title;
    QPlainTextEdit *m_text;
    QLineEdit *m_locale;
    QSpinBox *m_maxBlocks;
    QDoubleSpinBox *m_seconds;
    QTableWidget *m_tests;
};
