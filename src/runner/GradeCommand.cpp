#include "runner/GradeCommand.h"

#include "exercise/ClassCharts.h"
#include "exercise/ExerciseReader.h"
#include "runner/GradeWorkerProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char *const gradeUsage = QT_TRANSLATE_NOOP(
    "GradeCommand",
    "Kullanım: varnel-run --grade ALIŞTIRMA.vnx [--jobs N] [--report RAPOR.csv|RAPOR.json|RAPOR.xml]\n"
    "                     ŞEMA.vnp|KLASÖR...\n"
    "  Her şemayı alıştırmanın bütün testleriyle sınar; klasör, içindeki .vnp dosyaları demektir.\n"
    "  --jobs N       aynı anda sınanan şema sayısı; varsayılan işlemci sayısı\n"
    "  --report RAPOR sonuçları CSV, JSON ya da JUnit XML olarak yazar (biçimi uzantısı seçer)\n"
    "Çıkış durumu: 0 her şema sınandı, 1 bir şema okunamadı ya da rapor yazılamadı,\n"
    "2 alıştırma dosyası ya da bağımsız değişkenler yanlış.\n");

void printLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString chartLine(const ChartGrade &grade)
{
    QString line = grade.chart + QStringLiteral(": ") + QString::number(grade.passed()) + u'/'
        + QString::number(grade.total());
    if (const TestResult *failure = grade.firstFailure())
        line += u' ' + failure->name + QStringLiteral(" (") + failure->reason + u')';
    return line;
}

} // namespace

int GradeCommand::usageError(const QString &problem) const
{
    if (!problem.isEmpty())
        printLine(stderr, problem);
    std::fputs(QCoreApplication::translate("GradeCommand", gradeUsage).toUtf8().constData(), stderr);
    return 2;
}

QString GradeCommand::parseArguments()
{
    QStringList rest = m_arguments;
    while (!rest.isEmpty()) {
        const QString argument = rest.takeFirst();
        if (argument == QStringLiteral("--jobs") || argument == QStringLiteral("--report")) {
            if (rest.isEmpty())
                return argument + QCoreApplication::translate("GradeCommand", " bir değer bekliyor.");
            const QString value = rest.takeFirst();
            if (argument == QStringLiteral("--report")) {
                m_reportPath = value;
                continue;
            }
            bool ok = false;
            m_jobs = value.toInt(&ok);
            if (!ok || m_jobs < 1 || m_jobs > MaxJobs)
                return QCoreApplication::translate("GradeCommand", "--jobs 1 ile 1024 arasında bir tam sayı bekliyor: ")
                    + value;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return QCoreApplication::translate("GradeCommand", "Bilinmeyen seçenek: ") + argument;
        } else if (m_exercisePath.isEmpty()) {
            m_exercisePath = argument;
        } else {
            m_chartArguments.append(argument);
        }
    }
    if (m_exercisePath.isEmpty() || m_chartArguments.isEmpty())
        return QCoreApplication::translate("GradeCommand",
                                           "Bir alıştırma dosyası ve en az bir şema ya da klasör verilmeli.");
    if (m_jobs == 0)
        m_jobs = qMax(1, QThread::idealThreadCount());
    return m_reportPath.isEmpty() ? QString() : checkReportPath();
}

QString GradeCommand::checkReportPath()
{
    m_reportFormat = GradeReport::formatOf(m_reportPath);
    if (!m_reportFormat)
        return QCoreApplication::translate("GradeCommand",
                                           "--report dosyasının uzantısı .csv, .json ya da .xml olmalı: ")
            + m_reportPath;
    const QFileInfo folder(QFileInfo(m_reportPath).absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("GradeCommand", "Raporun yazılacağı klasör yok: ") + folder.filePath();
    return QString();
}

int GradeCommand::exec()
{
    const QString problem = parseArguments();
    if (!problem.isEmpty())
        return usageError(problem);
    ExerciseReader reader;
    const std::optional<Exercise> exercise = reader.readFile(m_exercisePath);
    if (!exercise) {
        printLine(stderr, reader.message());
        return 2;
    }
    m_exercise = *exercise;
    QString missing;
    const std::optional<QList<ClassCharts::Chart>> charts = ClassCharts::collect(m_chartArguments, &missing);
    if (!charts)
        return usageError(missing);
    for (const ClassCharts::Chart &chart : *charts)
        m_grades.append(GradeJob{chart, ChartGrade{chart.name, {}, 0}, false});
    if (!runWorkers())
        return 1;
    return finish();
}

bool GradeCommand::runWorkers()
{
    QEventLoop loop;
    bool failed = false;
    qsizetype next = 0;
    const qsizetype count = qMin<qsizetype>(m_jobs, m_grades.size());
    std::vector<std::unique_ptr<GradeWorkerProcess>> workers;
    auto feed = [&](GradeWorkerProcess *worker) {
        if (!failed && next < m_grades.size())
            worker->take(&m_grades[next++]);
        else if (std::none_of(workers.begin(), workers.end(), [](const auto &w) { return w->busy(); }))
            loop.quit();
    };
    for (qsizetype i = 0; i < count; ++i) {
        auto worker = std::make_unique<GradeWorkerProcess>(QFileInfo(m_exercisePath).absoluteFilePath(), m_exercise);
        GradeWorkerProcess *w = worker.get();
        QObject::connect(w, &GradeWorkerProcess::jobDone, w, [&, w](GradeJob *) {
            printReady();
            feed(w);
        });
        QObject::connect(w, &GradeWorkerProcess::failed, w, [&, w](const QString &message) {
            if (!failed)
                printLine(stderr, message);
            failed = true;
            feed(w);
        });
        workers.push_back(std::move(worker));
    }
    // Started from the loop, so that a worker that fails at once finds the loop running.
    QMetaObject::invokeMethod(&loop, [&] {
        for (const auto &worker : workers)
            feed(worker.get());
    }, Qt::QueuedConnection);
    loop.exec();
    return !failed;
}

// The lines of the charts done so far, in the order the charts were given.
void GradeCommand::printReady()
{
    while (m_printed < m_grades.size() && m_grades[m_printed].done)
        printLine(stdout, chartLine(m_grades[m_printed++].grade));
}

int GradeCommand::finish()
{
    QList<ChartGrade> grades;
    int passed = 0;
    int total = 0;
    int complete = 0;
    bool allGraded = true;
    for (const GradeJob &job : std::as_const(m_grades)) {
        grades.append(job.grade);
        passed += job.grade.passed();
        total += job.grade.total();
        complete += job.grade.passed() == job.grade.total() ? 1 : 0;
        allGraded = allGraded && job.grade.graded();
    }
    printLine(stdout,
              QCoreApplication::translate("GradeCommand", "Sınıf toplamı: ") + QString::number(passed) + u'/'
                  + QString::number(total)
                  + QCoreApplication::translate("GradeCommand", " test geçti; bütün testleri geçen şema: ")
                  + QString::number(complete) + u'/' + QString::number(grades.size()));
    if (m_reportFormat) {
        QString failure;
        if (!GradeReport(m_exercise.title, grades).write(m_reportPath, *m_reportFormat, &failure)) {
            printLine(stderr,
                      QCoreApplication::translate("GradeCommand", "Rapor yazılamadı: ") + m_reportPath
                          + QStringLiteral(": ") + failure);
            return 1;
        }
    }
    return allGraded ? 0 : 1;
}
