#pragma once

#include "model/ActionCode.h"

// The arithmetic and comparison action codes on two numbers. Errors (division by zero,
// overflow, an invalid power) are raised as VarnelError for the tick to catch. DIVINT and
// MODULE give whole numbers, which read and write exactly like the integers they are.
namespace Arithmetic {
double apply(ActionCode code, double left, double right);
bool compare(ActionCode code, double left, double right);
bool isArithmetic(ActionCode code);
bool isCondition(ActionCode code);
}
