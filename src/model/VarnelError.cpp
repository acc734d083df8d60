#include "model/VarnelError.h"

VarnelError::VarnelError(int number, QString source, MessageText description)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description))
{
}

VarnelError VarnelError::overflow(const QString &source)
{
    return VarnelError(Overflow, source, MessageText::of(QT_TRANSLATE_NOOP("Message", "Taşma")));
}

VarnelError VarnelError::typeMismatch(const QString &source)
{
    return VarnelError(TypeMismatch, source, MessageText::of(QT_TRANSLATE_NOOP("Message", "Tür uyuşmazlığı")));
}

VarnelError VarnelError::divisionByZero(const QString &source)
{
    return VarnelError(DivisionByZero, source, MessageText::of(QT_TRANSLATE_NOOP("Message", "Sıfıra bölme")));
}

VarnelError VarnelError::invalidCall(const QString &source)
{
    return VarnelError(InvalidCall, source, MessageText::of(QT_TRANSLATE_NOOP("Message", "Geçersiz yordam çağrısı veya bağımsız değişken")));
}
