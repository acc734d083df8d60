#include "ui/codegen/ChartCode.h"

#include "exercise/ChartSnapshot.h"
#include <QCoreApplication>

bool ChartCode::make(const EditedChart &chart, CodeExport::Language language, CodeExport &out, QString &error,
                     const QString &className)
{
    const ChartSnapshot snapshot(chart.path, chart.bytes);
    if (!snapshot.isValid()) {
        error = QCoreApplication::translate("ChartCode", "Şemanın geçici kopyası yazılamadı; geçici klasörde yer kalmamış olabilir.");
        return false;
    }
    if (out.exportChart(snapshot.path(), language, className))
        return true;
    error = out.error();
    return false;
}
