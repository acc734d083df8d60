#include "base/MessageLog.h"
#include "shell/Registry.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kWriteWarning = QStringLiteral("Kayıt defteri ya da .ini dosya değeri yazılamıyor.");

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        log.setModalSink([this](const MessageText &text, const QString &title) {
            warnings.append(title + u'|' + text.turkish());
        });
    }

    QString storeFolder() const { return dir.filePath(QStringLiteral("store")); }

    QString file(const QString &name, const QByteArray &bytes) const
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }

    static QByteArray contents(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QString query(const QString &root, const QString &key, const QString &name, int *status = nullptr)
    {
        QVariant value(QStringLiteral("unchanged"));
        const int result = registry.fQueryValue(root, key, name, QStringLiteral("S"),
                                                QStringLiteral("default"), value);
        if (status)
            *status = result;
        return value.toString();
    }

    QTemporaryDir dir;
    MessageLog log;
    QStringList warnings;
    Registry registry{&log, storeFolder()};
};

} // namespace

TEST_F(RegistryTest, RootWordsInAnyCaseAndExistingFiles)
{
    EXPECT_EQ(registry.fTopKey(QStringLiteral("hkcr")), Registry::TopKey::ClassesRoot);
    EXPECT_EQ(registry.fTopKey(QStringLiteral("HkCu")), Registry::TopKey::CurrentUser);
    EXPECT_EQ(registry.fTopKey(QStringLiteral("HKU")), Registry::TopKey::Users);
    EXPECT_EQ(registry.fTopKey(QStringLiteral("HKEY")), Registry::TopKey::Unresolved);
    EXPECT_EQ(registry.fTopKey(file(QStringLiteral("a.ini"), "")), Registry::TopKey::IniFile);
    EXPECT_EQ(registry.fTopKey(dir.filePath(QStringLiteral("missing.ini"))),
              Registry::TopKey::Unresolved);
    EXPECT_EQ(registry.fTopKey(dir.path()), Registry::TopKey::Unresolved);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(RegistryTest, RootThatCannotBeAFileNameWarns)
{
    EXPECT_EQ(registry.fTopKey(QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b")),
              Registry::TopKey::Unresolved);
    EXPECT_EQ(warnings, QStringList{QStringLiteral(
                            "fTopKey|Kayıt defteri anahtarı çözümlenemiyor ya da .ini dosyası bulunamıyor.")});
}

TEST_F(RegistryTest, UnresolvedRoot)
{
    int status = -1;
    EXPECT_EQ(query(QStringLiteral("nowhere.ini"), QString(), QString(), &status),
              QStringLiteral("unchanged"));
    EXPECT_EQ(status, Registry::RootUnresolved);
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(registry.fWriteValue(QStringLiteral("nowhere.ini"), QStringLiteral("k"), QString(),
                                   QStringLiteral("S"), QStringLiteral("v")),
              99);
    EXPECT_EQ(warnings, QStringList{QStringLiteral("fWriteValue|") + kWriteWarning});
}

TEST_F(RegistryTest, AssociationValuesRoundTrip)
{
    const QString command = QStringLiteral("/opt/Varnel Dir/varnel \"%1\"");
    const QString icon = QStringLiteral("/opt/şğ/varnel,0");
    EXPECT_EQ(registry.fWriteValue(QStringLiteral("HKCR"), QStringLiteral(".vnp"), QString(),
                                   QStringLiteral("s"), QStringLiteral("Varnel")),
              0);
    EXPECT_EQ(registry.fWriteValue(QStringLiteral("HKCR"), QStringLiteral("Varnel\\DefaultIcon"),
                                   QString(), QStringLiteral("S"), icon),
              0);
    EXPECT_EQ(registry.fWriteValue(QStringLiteral("HKCR"), QStringLiteral("Varnel\\shell\\open\\command"),
                                   QString(), QStringLiteral("S"), command),
              0);
    int status = -1;
    EXPECT_EQ(query(QStringLiteral("hkcr"), QStringLiteral(".VNP"), QString(), &status),
              QStringLiteral("Varnel"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(query(QStringLiteral("HKCR"), QStringLiteral("varnel\\defaulticon"), QString()), icon);
    EXPECT_EQ(query(QStringLiteral("HKCR"), QStringLiteral("Varnel\\shell\\open\\command"), QString()),
              command);
    EXPECT_TRUE(warnings.isEmpty());
    // Another hive is another store.
    query(QStringLiteral("HKCU"), QStringLiteral(".vnp"), QString(), &status);
    EXPECT_EQ(status, Registry::NotFound);
}

TEST_F(RegistryTest, StoreKeepsAnyTextAndReplacesValues)
{
    const QString awkward = QStringLiteral("  a=b \"q\" \\ back\r\nsecond line ");
    const QString root = QStringLiteral("HKCU");
    EXPECT_EQ(registry.fWriteValue(root, QStringLiteral("K"), QStringLiteral("name=\"x\""),
                                   QStringLiteral("S"), awkward),
              0);
    EXPECT_EQ(query(root, QStringLiteral("k"), QStringLiteral("NAME=\"X\"")), awkward);
    registry.fWriteValue(root, QStringLiteral("K"), QStringLiteral("name=\"x\""), QStringLiteral("S"),
                         QStringLiteral("new"));
    EXPECT_EQ(query(root, QStringLiteral("K"), QStringLiteral("name=\"x\"")), QStringLiteral("new"));
}

TEST_F(RegistryTest, MissingKeysAndValues)
{
    const QString root = QStringLiteral("HKLM");
    int status = -1;
    EXPECT_EQ(query(root, QStringLiteral("A\\B"), QString(), &status), QStringLiteral("unchanged"));
    EXPECT_EQ(status, Registry::NotFound);
    registry.fWriteValue(root, QStringLiteral("A\\B"), QStringLiteral("v"), QStringLiteral("S"),
                         QStringLiteral("x"));
    // The parent key exists now, but has no default value.
    query(root, QStringLiteral("A"), QString(), &status);
    EXPECT_EQ(status, Registry::NotFound);
    query(root, QStringLiteral("A\\B"), QStringLiteral("other"), &status);
    EXPECT_EQ(status, Registry::NotFound);
}

TEST_F(RegistryTest, FlagsAreTwoBytesReadAsBool)
{
    const QString root = QStringLiteral("HKCU");
    EXPECT_EQ(registry.fWriteValue(root, QStringLiteral("K"), QStringLiteral("on"),
                                   QStringLiteral("B"), true),
              0);
    registry.fWriteValue(root, QStringLiteral("K"), QStringLiteral("off"), QStringLiteral("B"), false);
    EXPECT_TRUE(contents(storeFolder() + QStringLiteral("/HKCU.reg")).contains("\"on\"=hex:ff,ff"));
    QVariant value;
    EXPECT_EQ(registry.fQueryValue(root, QStringLiteral("K"), QStringLiteral("on"), QStringLiteral("B"),
                                   QString(), value),
              0);
    EXPECT_EQ(value.typeId(), QMetaType::Bool);
    EXPECT_TRUE(value.toBool());
    registry.fQueryValue(root, QStringLiteral("K"), QStringLiteral("off"), QStringLiteral("B"),
                         QString(), value);
    EXPECT_FALSE(value.toBool());
    // A flag is not text, nor text a flag.
    EXPECT_EQ(registry.fQueryValue(root, QStringLiteral("K"), QStringLiteral("on"), QStringLiteral("S"),
                                   QString(), value),
              Registry::InvalidData);
    registry.fWriteValue(root, QStringLiteral("K"), QStringLiteral("t"), QStringLiteral("S"),
                         QStringLiteral("x"));
    EXPECT_EQ(registry.fQueryValue(root, QStringLiteral("K"), QStringLiteral("t"), QStringLiteral("B"),
                                   QString(), value),
              Registry::InvalidData);
}

TEST_F(RegistryTest, StoreFileThatCannotBeDecodedIsNeverOverwritten)
{
    QDir().mkpath(storeFolder());
    const QByteArray bad = "[K]\r\n\"v\"=\"\xff\xfe\"\r\n";
    const QString path = storeFolder() + QStringLiteral("/HKCU.reg");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bad);
    out.close();
    EXPECT_EQ(registry.fWriteValue(QStringLiteral("HKCU"), QStringLiteral("K"), QStringLiteral("w"),
                                   QStringLiteral("S"), QStringLiteral("x")),
              Registry::CannotRead);
    EXPECT_EQ(warnings, QStringList{QStringLiteral("fWriteValue|") + kWriteWarning});
    EXPECT_EQ(contents(path), bad);
}

TEST_F(RegistryTest, StoreKeepsLinesItDoesNotUnderstand)
{
    QDir().mkpath(storeFolder());
    const QString path = storeFolder() + QStringLiteral("/HKCU.reg");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("; note\n[K]\ngarbage\n\"v\"=\"old\"\n[L]\n@=\"l\"");
    out.close();
    registry.fWriteValue(QStringLiteral("HKCU"), QStringLiteral("K"), QStringLiteral("v"),
                         QStringLiteral("S"), QStringLiteral("new"));
    registry.fWriteValue(QStringLiteral("HKCU"), QStringLiteral("M"), QString(), QStringLiteral("S"),
                         QStringLiteral("m"));
    EXPECT_EQ(contents(path),
              QByteArray("; note\n[K]\ngarbage\n\"v\"=\"new\"\n[L]\n@=\"l\"\r\n[M]\r\n@=\"m\"\r\n"));
    EXPECT_EQ(query(QStringLiteral("HKCU"), QStringLiteral("L"), QString()), QStringLiteral("l"));
}

TEST_F(RegistryTest, IniValuesReadLikePrivateProfiles)
{
    const QString ini = file(QStringLiteral("app.ini"),
                             "[Other]\r\nkey=wrong\r\n[ Main ]\r\n  Key =  \"quoted \"  \r\n"
                             "plain=\xfe\xe7" "ek\r\nlong=" + QByteArray(300, 'x') + "\r\n");
    int status = -1;
    EXPECT_EQ(query(ini, QStringLiteral("main"), QStringLiteral("KEY"), &status), QStringLiteral("quoted "));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(query(ini, QStringLiteral("Main"), QStringLiteral("plain")), QStringLiteral("şçek"));
    EXPECT_EQ(query(ini, QStringLiteral("Main"), QStringLiteral("long")).size(), 255);
    EXPECT_EQ(query(ini, QStringLiteral("Main"), QStringLiteral("none"), &status), QStringLiteral("default"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(query(ini, QStringLiteral("Absent"), QStringLiteral("key")), QStringLiteral("default"));
    QVariant value;
    EXPECT_EQ(registry.fQueryValue(ini, QStringLiteral("Main"), QStringLiteral("plain"),
                                   QStringLiteral("B"), QString(), value),
              Registry::InvalidData);
}

TEST_F(RegistryTest, IniWritesKeepTheRestOfTheFile)
{
    const QString ini = file(QStringLiteral("app.ini"),
                             "; comment\n[Main]\nkey=old\nother=1\n\n[Next]\nx=y");
    EXPECT_EQ(registry.fWriteValue(ini, QStringLiteral("MAIN"), QStringLiteral("Key"), QStringLiteral("S"),
                                   QStringLiteral("yeni değer")),
              0);
    registry.fWriteValue(ini, QStringLiteral("Main"), QStringLiteral("added"), QStringLiteral("S"),
                         QStringLiteral("a=b"));
    registry.fWriteValue(ini, QStringLiteral("Last"), QStringLiteral("k"), QStringLiteral("S"),
                         QStringLiteral("v"));
    EXPECT_EQ(contents(ini), QByteArray("; comment\n[Main]\nKey=yeni de\xf0" "er\nother=1\n"
                                        "added=a=b\r\n\n[Next]\nx=y\r\n[Last]\r\nk=v\r\n"));
    EXPECT_EQ(query(ini, QStringLiteral("main"), QStringLiteral("added")), QStringLiteral("a=b"));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(RegistryTest, IniWritesThatWouldCorruptTheFileAreRefused)
{
    const QByteArray original = "[Main]\r\nkey=old\r\n";
    const QString ini = file(QStringLiteral("app.ini"), original);
    EXPECT_EQ(registry.fWriteValue(ini, QStringLiteral("Main"), QStringLiteral("key"), QStringLiteral("B"),
                                   true),
              99);
    EXPECT_NE(registry.fWriteValue(ini, QStringLiteral("Main"), QStringLiteral("key"), QStringLiteral("S"),
                                   QStringLiteral("two\r\nlines")),
              0);
    // Not in the file's code page.
    EXPECT_NE(registry.fWriteValue(ini, QStringLiteral("Main"), QStringLiteral("key"), QStringLiteral("S"),
                                   QStringLiteral("中")),
              0);
    EXPECT_EQ(warnings.size(), 3);
    EXPECT_EQ(contents(ini), original);
}

TEST_F(RegistryTest, WritesMeetingAFullDiskSaySoAndKeepTheOldFiles)
{
    const QString ini = file(QStringLiteral("app.ini"), "[Main]\r\nkey=old\r\n");
    ASSERT_EQ(registry.fWriteValue(QStringLiteral("HKCR"), QStringLiteral(".vnp"), QString(),
                                   QStringLiteral("S"), QStringLiteral("Varnel")),
              0);
    const QString store = storeFolder() + QStringLiteral("/HKCR.reg");
    const QByteArray oldStore = contents(store);
    const QString answer = ChildProcess::withFileSizeLimit(8, [&] {
        const int iniStatus = registry.fWriteValue(ini, QStringLiteral("Main"), QStringLiteral("key"),
                                                   QStringLiteral("S"), QStringLiteral("new"));
        const int storeStatus = registry.fWriteValue(QStringLiteral("HKCR"), QStringLiteral(".vnp"), QString(),
                                                     QStringLiteral("S"), QStringLiteral("Başka"));
        return QStringLiteral("%1 %2 ").arg(iniStatus).arg(storeStatus) + warnings.join(u'/');
    });
    const QString warning = QStringLiteral("fWriteValue|") + kWriteWarning + QStringLiteral("\r\nDisk dolu");
    EXPECT_EQ(answer, QStringLiteral("112 112 ") + warning + u'/' + warning);
    EXPECT_EQ(contents(ini), QByteArray("[Main]\r\nkey=old\r\n"));
    EXPECT_EQ(contents(store), oldStore);
}

TEST_F(RegistryTest, DevicesAndHugeStoreFilesAreLeftUnreadAndSaidOnce)
{
    QDir().mkpath(storeFolder());
    const QString device = storeFolder() + QStringLiteral("/HKCR.reg");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    const QByteArray huge = "[K]\r\n@=\"v\"\r\n" + QByteArray(8 * 1024 * 1024, ';');
    const QString large = file(QStringLiteral("store/HKCU.reg"), huge);
    QStringList messages;
    QObject::connect(&log, &MessageLog::messageAdded, [&messages](const QString &text) { messages.append(text); });

    for (const QString &root : {QStringLiteral("HKCR"), QStringLiteral("HKCU")}) {
        for (int twice = 0; twice < 2; ++twice) {
            int status = -1;
            query(root, QStringLiteral("K"), QString(), &status);
            EXPECT_EQ(status, Registry::CannotRead);
            EXPECT_EQ(registry.fWriteValue(root, QStringLiteral("K"), QString(), QStringLiteral("S"), QStringLiteral("x")),
                      Registry::CannotRead);
        }
    }
    const QString tail = QStringLiteral("\r\nİçindeki değerler yok sayılıyor; dosya değiştirilmiyor.");
    EXPECT_EQ(messages, (QStringList{QStringLiteral("Anahtar deposu okunmadı, normal bir dosya değil: ") + device + tail,
                                     QStringLiteral("Anahtar deposu okunmadı, 1 MiB'den büyük: ") + large + tail}));
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_TRUE(QFileInfo(device).isSymLink());
    EXPECT_EQ(contents(large), huge);
}
