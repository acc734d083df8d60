#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <string>

// Sets environment variables for one test and puts the old values back when it ends.
class EnvironmentScope {
public:
    EnvironmentScope() = default;
    EnvironmentScope(const EnvironmentScope &) = delete;
    EnvironmentScope &operator=(const EnvironmentScope &) = delete;
    ~EnvironmentScope()
    {
        for (const auto &[name, value] : m_saved)
            value.isNull() ? qunsetenv(name.c_str()) : qputenv(name.c_str(), value);
    }

    void set(const char *name, const QString &value)
    {
        m_saved.try_emplace(name, qgetenv(name));
        qputenv(name, value.toUtf8());
    }

private:
    std::map<std::string, QByteArray> m_saved;
};
