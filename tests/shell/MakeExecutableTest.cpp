#include "shell/MakeExecutable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class MakeExecutableTest : public ::testing::Test {
protected:
    QStringList made() const { return QDir(target.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir programDir, charts, target;
    QString program = write(programDir.filePath(QStringLiteral("varnel")), "program");
    QString flow = write(charts.filePath(QStringLiteral("ana.vnp")), "chart");
    MakeExecutable maker{program};
};

} // namespace

TEST(MakeExecutableTexts, SettingsFileAndNotice)
{
    for (const auto &[target, settings] : {std::pair{"/a/Program1", "/a/Program1.ini"}, {"/a/H.exe", "/a/H.ini"},
                                           {"/a/H.EXE", "/a/H.ini"}, {"/a/h.bin", "/a/h.bin.ini"}})
        EXPECT_EQ(MakeExecutable::settingsPathFor(QLatin1String(target)), QLatin1String(settings));
    EXPECT_EQ(MakeExecutable::noticeText(QStringLiteral("/oyun/Hesap.exe")),
              QStringLiteral("Lütfen dikkat: \r\n\r\n  Bu projede kullanılan tüm \".vnp\" dosyalarının "
                             "(fonksiyon içerenler dahil)\r\n\"Hesap.exe\" ve \"Hesap.ini\" dosyasıyla "
                             "aynı yere kopyalanmalıdır.\r\n  "));
}

TEST_F(MakeExecutableTest, MakesTheRunnableCopyItsSettingsAndTheFlow)
{
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    const QString copy = write(target.filePath(QStringLiteral("Program1")), "an older copy");
    const MakeExecutable::Result result = maker.make(QStringLiteral(" ") + flow, copy);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(made(), (QStringList{QStringLiteral("Program1"), QStringLiteral("Program1.ini"), QStringLiteral("ana.vnp")}));
    EXPECT_EQ(bytesOf(copy), "program");
    EXPECT_TRUE(QFileInfo(copy).isExecutable());
    EXPECT_EQ(bytesOf(copy + QStringLiteral(".ini")), "ASSOCIATE_IF_REQUIRED=NO\r\nENGLISH\r\nana.vnp\r\n");
    EXPECT_EQ(bytesOf(target.filePath(QStringLiteral("ana.vnp"))), "chart");
}

TEST_F(MakeExecutableTest, FlowsBesideTheTargetOrGivenRelatively)
{
    ASSERT_TRUE(maker.make(flow, charts.filePath(QStringLiteral("P"))).ok);
    EXPECT_EQ(bytesOf(flow), "chart");
    write(programDir.filePath(QStringLiteral("kare.vnp")), "square");
    ASSERT_TRUE(maker.make(QStringLiteral("kare.vnp"), target.filePath(QStringLiteral("K"))).ok);
    EXPECT_EQ(bytesOf(target.filePath(QStringLiteral("kare.vnp"))), "square");
}

TEST_F(MakeExecutableTest, FailuresAreReportedAndLoseNothing)
{
    const QString none = programDir.filePath(QStringLiteral("yok"));
    const struct {
        MakeExecutable maker;
        QString flow, target;
        const char *reason;
    } cases[] = {
        {maker, none, target.filePath(QStringLiteral("P")), "Başlangıç diyagramı bulunamadı"},
        {maker, flow, program, "Çalışan program kendi üzerine yazılamaz"},
        {maker, flow, programDir.filePath(QStringLiteral("varnel.exe")), "Çalışan programın ayar dosyası"},
        {maker, flow, flow, "başlangıç diyagramının üzerine yazılamaz"},
        {maker, flow, target.filePath(QStringLiteral("ana.vnp")), "başlangıç diyagramının üzerine yazılamaz"},
        {maker, flow, target.filePath(QStringLiteral("yok/P")), "dosyasına yazılamıyor"},
        {MakeExecutable(none), flow, target.filePath(QStringLiteral("P")), "okunamıyor"},
    };
    for (const auto &c : cases) {
        const QString error = c.maker.make(c.flow, c.target).error;
        EXPECT_TRUE(error.startsWith(QStringLiteral("EXE oluşturulurken hata: \r\n"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << c.reason << " / " << error.toStdString();
    }
    EXPECT_TRUE(made().isEmpty());
    EXPECT_EQ(bytesOf(flow), "chart");
    EXPECT_EQ(bytesOf(program), "program");
}
