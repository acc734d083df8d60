#pragma once

#include "base/MessageText.h"

#include <QString>
#include <exception>

// A run-time error in the system's own terms: a number, the routine that raised it and a
// description, in Turkish and translatable. Ticks, the loader and the commands catch it and report these three.
class VarnelError : public std::exception {
public:
    enum Number {
        InvalidCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InputPastEnd = 62,
        NoObject = 91,
        DuplicateKey = 457,
    };

    VarnelError(int number, QString source, MessageText description);

    static VarnelError overflow(const QString &source);
    static VarnelError typeMismatch(const QString &source);
    static VarnelError divisionByZero(const QString &source);
    static VarnelError invalidCall(const QString &source);

    int number() const { return m_number; }
    const QString &source() const { return m_source; }
    QString description() const { return m_description.turkish(); }
    const MessageText &message() const { return m_description; }
    const char *what() const noexcept override { return "VarnelError"; }

private:
    int m_number;
    QString m_source;
    MessageText m_description;
};
