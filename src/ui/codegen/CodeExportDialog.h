#pragma once

#include "codegen/CodeExport.h"
#include "exercise/EditedChart.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Kod Olarak Dışa Aktar": the chart on screen and the charts it calls as one program in
// Python, C or Java, shown before it is saved; the file is written whole or not at all.
class CodeExportDialog : public QDialog {
    Q_OBJECT
public:
    CodeExportDialog(const EditedChart &chart, QWidget *parent = nullptr);

    CodeExport::Language language() const;
    void setLanguage(CodeExport::Language language);
    // Exports for the file at path (Java's class takes the file's name) and writes it; false
    // with `failure` set in the user's words when the chart cannot be exported or the file
    // could not be written.
    bool saveTo(const QString &path, QString &failure);

    QComboBox *languageBox() const { return m_language; }
    QPlainTextEdit *preview() const { return m_preview; }
    QLabel *problem() const { return m_problem; }
    QPushButton *saveButton() const { return m_save; }

private:
    void showPreview();
    void askAndSave();
    QString suggestedPath() const;

    EditedChart m_chart;
    QComboBox *m_language;
    QPlainTextEdit *m_preview;
    QLabel *m_problem;
    QPushButton *m_save;
};
