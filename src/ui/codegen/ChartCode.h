#pragma once

#include "codegen/CodeExport.h"
#include "exercise/EditedChart.h"

#include <QString>

// The code of the chart on screen, unsaved edits included: exported from a private copy of it
// and of the charts it calls, so nothing is written where the student works.
namespace ChartCode {

// False with `error` set in the user's words (a chart with a window, a copy that could not be
// written).
bool make(const EditedChart &chart, CodeExport::Language language, CodeExport &out, QString &error,
          const QString &className = {});

} // namespace ChartCode
