#include "exercise/ChartGrade.h"

int ChartGrade::passed() const
{
    int count = 0;
    for (const TestResult &test : tests)
        count += test.passed() ? 1 : 0;
    return count;
}

const TestResult *ChartGrade::firstFailure() const
{
    for (const TestResult &test : tests) {
        if (!test.passed())
            return &test;
    }
    return nullptr;
}

bool ChartGrade::graded() const
{
    return tests.isEmpty() || tests.first().ending != TestResult::Ending::NotLoaded;
}
