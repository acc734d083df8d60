#include "shell/Registry.h"

#include "base/MessageLog.h"
#include "shell/IniFile.h"
#include "project/UserFolders.h"

#include <QFileInfo>

#include <array>

namespace {

const QString kWarningLineBreak = QStringLiteral("\r\n");

QString resolveWarning()
{
    return QStringLiteral("Kayıt defteri anahtarı çözümlenemiyor ya da .ini dosyası bulunamıyor.");
}

QString writeWarning()
{
    return QStringLiteral("Kayıt defteri ya da .ini dosya değeri yazılamıyor.");
}

struct RootWord {
    const char *word;
    Registry::TopKey top;
};

constexpr std::array<RootWord, 6> kRootWords{{
    {"HKCU", Registry::TopKey::CurrentUser},
    {"HKLM", Registry::TopKey::LocalMachine},
    {"HKU", Registry::TopKey::Users},
    {"HKDD", Registry::TopKey::DynamicData},
    {"HKCC", Registry::TopKey::CurrentConfig},
    {"HKCR", Registry::TopKey::ClassesRoot},
}};

QString rootWordOf(Registry::TopKey top)
{
    for (const RootWord &root : kRootWords) {
        if (root.top == top)
            return QLatin1String(root.word);
    }
    return QString();
}

bool isTextType(const QString &valueType)
{
    return valueType.compare(u"S", Qt::CaseInsensitive) == 0;
}

} // namespace

Registry::Registry(MessageLog *log, QString storeFolder)
    : m_log(log)
    , m_store(std::move(storeFolder))
{
}

QString Registry::defaultStoreFolder()
{
    return UserFolders::configFolder();
}

Registry::TopKey Registry::fTopKey(const QString &KeyRoot) const
{
    const QString word = KeyRoot.toUpper();
    for (const RootWord &root : kRootWords) {
        if (word == QLatin1String(root.word))
            return root.top;
    }
    // A NUL cannot be part of a file name: the root can be neither a hive nor a file.
    if (KeyRoot.contains(QChar(u'\0'))) {
        warn(resolveWarning(), QStringLiteral("fTopKey"));
        return TopKey::Unresolved;
    }
    return QFileInfo(KeyRoot).isFile() ? TopKey::IniFile : TopKey::Unresolved;
}

int Registry::fQueryValue(const QString &KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, const QString &valueType,
                          const QString &defaultText, QVariant &KeyVal) const
{
    const TopKey top = fTopKey(KeyRoot);
    if (top == TopKey::Unresolved)
        return RootUnresolved;
    if (top != TopKey::IniFile) {
        const SectionedFile::Outcome outcome =
            m_store.query(rootWordOf(top), KeyName, SubKeyRef, isTextType(valueType), KeyVal);
        return storeStatus(top, outcome);
    }
    // Only text is read from .ini files.
    if (!isTextType(valueType))
        return InvalidData;
    KeyVal = IniFile(KeyRoot).value(KeyName, SubKeyRef, defaultText);
    return Success;
}

int Registry::fWriteValue(const QString &KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, const QString &valueType,
                          const QVariant &KeyVal) const
{
    const TopKey top = fTopKey(KeyRoot);
    if (top == TopKey::Unresolved || (top == TopKey::IniFile && !isTextType(valueType)))
        return failWrite(RootUnresolved);
    SectionedFile::Outcome outcome;
    if (top == TopKey::IniFile) {
        outcome = IniFile(KeyRoot).setValue(KeyName, SubKeyRef, KeyVal.toString());
    } else {
        outcome = m_store.write(rootWordOf(top), KeyName, SubKeyRef, isTextType(valueType), KeyVal);
        if (outcome.status == CannotRead && !outcome.reason.isEmpty())
            return storeStatus(top, outcome);
    }
    return outcome.ok() ? int(Success) : failWrite(outcome.status, outcome.reason);
}

int Registry::storeStatus(TopKey top, const SectionedFile::Outcome &outcome) const
{
    if (outcome.status != CannotRead || outcome.reason.isEmpty())
        return outcome.status;
    const QString path = m_store.filePath(rootWordOf(top));
    if (m_log && !m_reportedFiles.contains(path)) {
        m_reportedFiles.insert(path);
        m_log->mBox(QStringLiteral("Anahtar deposu okunmadı, ") + outcome.reason + QStringLiteral(": ") + path
                    + kWarningLineBreak + QStringLiteral("İçindeki değerler yok sayılıyor; dosya değiştirilmiyor."));
    }
    return outcome.status;
}

int Registry::failWrite(int status, const QString &reason) const
{
    warn(reason.isEmpty() ? writeWarning() : writeWarning() + kWarningLineBreak + reason,
         QStringLiteral("fWriteValue"));
    return status;
}

void Registry::warn(const QString &text, const QString &title) const
{
    if (m_log)
        m_log->showModal(text, title);
}
