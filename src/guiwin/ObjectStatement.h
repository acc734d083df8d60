#pragma once

#include "base/MessageText.h"
#include "guiwin/GuiObjectAccess.h"

#include <QString>

class MessageLog;
class VariableAccess;

// One property statement of a running flowchart on its open window: target := source, where
// one side is an object name, a dot and a property word (b1.TEXT, WINDOW.W). Every failure is
// reported through the message log and gives false; the interpreter then ends the run.
class ObjectStatement {
public:
    enum class Direction { Read, Write };

    struct Parsed {
        Direction direction = Direction::Read;
        QString objectName;
        QString property; // upper case
        QString value;    // writes: the source with quotes removed and variables resolved
        QString shownSource; // the source as messages show it
    };

    ObjectStatement(GuiObjectAccess &window, VariableAccess &variables, MessageLog &log, QString projectFolder);

    bool processObjectDefinition(const QString &target, const QString &source);

    // Assignments from one object's property to another are not carried out.
    static bool isObjectToObject(const QString &target, const QString &source);
    // May throw VarnelError (a source that is a lone double quote).
    static Parsed parse(const QString &target, const QString &source, VariableAccess &variables);
    // x1,y1,x2,y2 for LINE; throws VarnelError when an item is no number.
    static void lineItems(const QString &value, double out[4]);

private:
    bool windowStatement(const QString &target, const Parsed &p);
    bool readObject(const QString &target, const Parsed &p);
    bool writeObject(const QString &target, const Parsed &p);
    void writeGeometry(const Parsed &p, GuiObjectAccess::Field field);
    QString readGeometry(const Parsed &p, GuiObjectAccess::Field field) const;
    void requireKind(const Parsed &p, bool allowed) const;
    QString resolveImage(const QString &value) const;
    bool fail(const MessageText &message);
    double twipsPerPixel(GuiObjectAccess::Field field) const;

    GuiObjectAccess &m_window;
    VariableAccess &m_variables;
    MessageLog &m_log;
    QString m_projectFolder;
};
