#pragma once

#include "exercise/ChartGrade.h"
#include "exercise/ClassCharts.h"

// One chart of a class on its way through a worker: the tests it has done so far.
struct GradeJob {
    ClassCharts::Chart chart;
    ChartGrade grade;
    bool done = false;
};
