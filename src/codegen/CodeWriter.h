#pragma once

#include "codegen/CodeStatement.h"
#include "codegen/FlowOperand.h"
#include "codegen/NameTable.h"
#include "codegen/RuntimePieces.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class FlowProgram;
struct FlowNode;

// Writes a program in one language: what every language shares (which helper each block
// needs, how operands read, the order of branches and loops) is here; the spelling is the
// language's own.
class CodeWriter {
public:
    // What each language writes the same way but for the words: %1, %2 stand for the parts.
    struct Spelling {
        RuntimePieces::Language language;
        NameTable::Letters letters;
        const QStringList &reserved; // what the language's runtime defines
        const char *assignment;      // %1 = target, %2 = expression
        const char *output;          // %1 = expression
        const char *comment;         // %1 = text
    };

    CodeWriter(const FlowProgram &program, const Spelling &spelling);
    virtual ~CodeWriter();

    QString write();
    // Whether every chart came out as branches and loops (no state machine).
    bool structured() const { return m_structured; }
    // The block each line of the program comes from (0-based line, tag ID), for the main chart.
    const QList<QPair<int, QString>> &blockLines() const { return m_blockLines; }

protected:
    // ---- spelling
    QString stringLiteral(const QString &text) const;
    virtual QString numberLiteral(double value) const;
    virtual QString helper(const QString &name) const { return name; }
    QString assignment(const QString &target, const QString &expression) const;
    virtual QString expressionStatement(const QString &expression) const = 0;
    QString output(const QString &expression) const;
    virtual QString concatenation(const QString &literal, const QString &expression) const;
    virtual QString callChart(const QString &function, const QString &argument) const;
    // Ends the run after showing the messages (literals).
    virtual QString stopCall(const QStringList &messages) const;

    // ---- blocks and structure
    virtual void openIf(const QString &condition, bool chained) = 0;
    virtual void openElse() = 0;
    virtual void close() = 0;
    virtual void openWhile(const QString &condition) = 0;
    virtual void openForever() = 0;
    virtual void openDoWhile() { openForever(); }
    virtual void closeDoWhile(const QString &condition) = 0;
    virtual void writeBreak() = 0;
    virtual void writeContinue() = 0;
    // A machine with an exit runs while the state is not -1; one without runs for ever.
    virtual void openMachine(const QString &state, int first, bool exits) = 0;
    virtual void openState(const QString &state, int node, bool firstState) = 0;
    virtual void closeState(bool lastState) = 0;
    virtual void closeMachine() = 0;
    virtual void writeJump(const QString &state, int node) = 0;
    void writeComment(const QString &text);
    virtual bool hasDoWhile() const { return true; }
    virtual bool needsElseForEmptyIf() const { return false; }

    // ---- the program around the charts
    virtual QString prologue() = 0;
    virtual QString epilogue() = 0;
    virtual void openChart(int chart) = 0;
    virtual void closeChart(int chart) = 0;
    virtual QStringList entryLines(int chart) = 0;
    virtual QStringList exitLines(int chart) = 0;

    // ---- for the languages
    const FlowProgram &program() const { return m_program; }
    NameTable &names() { return m_names; }
    QString functionName(int chart) const;
    QString variable(const QString &name) const;
    QString variableKeyName(const QString &key) const { return m_names.of(key); }
    // The operand as text, as a number, and stripped of one pair of quotes.
    QString textOperand(const FlowOperand &operand);
    QString numberOperand(const FlowOperand &operand);
    QString unquotedOperand(const FlowOperand &operand);
    QString reportedOperand(const FlowOperand &operand);
    QString condition(int chart, int node, bool negate);
    // An assignment statement, with what the language needs for it.
    QString assign(const QString &target, const QString &expression);
    QString savedName(int chart, int local) const;
    // The text a variable starts with before the main chart runs (PARAM, RETURN and the nameless
    // one); none for the others, which do not exist yet.
    std::optional<QString> initialText(const QString &key) const;
    // The two lines at the head of a program: where it comes from, how it reads numbers.
    QStringList headerLines(const QString &languageName) const;
    // A helper of the runtime that the program uses.
    void use(const QString &feature) { m_features.insert(feature); }
    bool uses(const QString &feature) const { return m_features.contains(feature); }
    const QSet<QString> &features() const { return m_features; }

    void line(const QString &text);
    void indent() { ++m_depth; }
    void dedent() { --m_depth; }
    QString takeLines();
    int currentLineCount() const { return int(m_lines.size()); }

    int m_chart = -1;

private:
    void nameEverything();
    void writeChart(int chart);
    void writeStatements(const std::vector<CodeStatement> &list);
    void writeStatement(const CodeStatement &s);
    void writeIf(const CodeStatement &s, bool chained);
    void writeMachine(const CodeStatement &s);
    QStringList statementLines(int node);
    void markBlock(int node);
    static QString summary(const FlowNode &node);
    QStringList arithmeticLines(const FlowNode &node, int index);
    QStringList functionLines(const FlowNode &node, int index);
    QString builtInCall(const FlowNode &node, int index);

    const FlowProgram &m_program;
    const Spelling &m_spelling;
    NameTable m_names;
    QStringList m_functionNames;
    std::vector<QStringList> m_savedNames;
    QSet<QString> m_features;
    QStringList m_lines;
    int m_depth = 0;
    bool m_structured = true;
    QList<QPair<int, QString>> m_blockLines;
    QString m_state; // the state variable of the machine being written
};
