#pragma once

#include "codegen/CodeStatement.h"

#include <vector>

// Makes structured code read the way a person writes it: no empty `then`, no `else` after a
// branch that jumps away, no `continue` at the end of a loop, `while`/`do while` where a loop
// tests its condition first or last.
namespace CodeTidy {
void tidy(std::vector<CodeStatement> &statements);
// Whether control never goes on after the statement.
bool endsFlow(const CodeStatement &statement);
}
