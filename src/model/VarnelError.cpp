#include "model/VarnelError.h"

VarnelError::VarnelError(int number, QString source, QString description)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description))
{
}

VarnelError VarnelError::overflow(const QString &source)
{
    return VarnelError(Overflow, source, QStringLiteral("Taşma"));
}

VarnelError VarnelError::typeMismatch(const QString &source)
{
    return VarnelError(TypeMismatch, source, QStringLiteral("Tür uyuşmazlığı"));
}

VarnelError VarnelError::divisionByZero(const QString &source)
{
    return VarnelError(DivisionByZero, source, QStringLiteral("Sıfıra bölme"));
}

VarnelError VarnelError::invalidCall(const QString &source)
{
    return VarnelError(InvalidCall, source, QStringLiteral("Geçersiz yordam çağrısı veya bağımsız değişken"));
}
