#include "codegen/CodeTidy.h"

namespace {

using Statements = std::vector<CodeStatement>;

bool endsFlowList(const Statements &list)
{
    return !list.empty() && CodeTidy::endsFlow(list.back());
}

bool isBreak(const Statements &list)
{
    return list.size() == 1 && list.front().kind == CodeStatement::Break;
}

// A `continue` as the last thing a loop does changes nothing.
void dropTrailingContinue(Statements &list)
{
    while (!list.empty() && list.back().kind == CodeStatement::Continue)
        list.pop_back();
    if (!list.empty() && list.back().kind == CodeStatement::If) {
        dropTrailingContinue(list.back().body);
        dropTrailingContinue(list.back().orElse);
    }
}

// Whether a `continue` of this loop (not of a loop inside it) occurs in the list.
bool continues(const Statements &list)
{
    for (const CodeStatement &s : list) {
        if (s.kind == CodeStatement::Continue)
            return true;
        if (s.kind == CodeStatement::If && (continues(s.body) || continues(s.orElse)))
            return true;
    }
    return false;
}

void tidyIf(Statements &list, std::size_t i)
{
    CodeStatement &s = list[i];
    if (s.body.empty() && !s.orElse.empty()) {
        s.negate = !s.negate;
        std::swap(s.body, s.orElse);
    }
    if (!endsFlowList(s.body) && endsFlowList(s.orElse)) {
        s.negate = !s.negate;
        std::swap(s.body, s.orElse);
    }
    if (endsFlowList(s.body) && !s.orElse.empty()) {
        Statements rest = std::move(s.orElse);
        s.orElse.clear();
        list.insert(list.begin() + std::ptrdiff_t(i) + 1, std::make_move_iterator(rest.begin()),
                    std::make_move_iterator(rest.end()));
    }
}

void tidyLoop(CodeStatement &s)
{
    dropTrailingContinue(s.body);
    if (!s.body.empty() && s.body.front().kind == CodeStatement::If && isBreak(s.body.front().body)
        && s.body.front().orElse.empty()) {
        s.kind = CodeStatement::While;
        s.node = s.body.front().node;
        s.negate = !s.body.front().negate;
        s.body.erase(s.body.begin());
        return;
    }
    if (!s.body.empty() && s.body.back().kind == CodeStatement::If && isBreak(s.body.back().body)
        && s.body.back().orElse.empty() && !continues(s.body)) {
        s.kind = CodeStatement::DoWhile;
        s.node = s.body.back().node;
        s.negate = !s.body.back().negate;
        s.body.pop_back();
    }
}

} // namespace

bool CodeTidy::endsFlow(const CodeStatement &s)
{
    switch (s.kind) {
    case CodeStatement::Do:
        return s.ends;
    case CodeStatement::Break:
    case CodeStatement::Continue:
    case CodeStatement::Jump:
        return true;
    case CodeStatement::If:
        return endsFlowList(s.body) && endsFlowList(s.orElse);
    default:
        return false;
    }
}

void CodeTidy::tidy(Statements &list)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        CodeStatement &s = list[i];
        // A state ends with the jump to the next one, which in Python is a plain assignment:
        // nothing after it may move.
        if (s.kind == CodeStatement::Machine)
            continue;
        tidy(s.body);
        tidy(s.orElse);
        if (s.kind == CodeStatement::If)
            tidyIf(list, i);
        else if (s.kind == CodeStatement::Loop)
            tidyLoop(s);
    }
    // "if c: <long way away> / <short way away>" reads better as "if not c: <short way> / <long way>".
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        CodeStatement &s = list[i];
        const std::size_t rest = list.size() - i - 1;
        if (s.kind != CodeStatement::If || !s.orElse.empty() || !endsFlowList(s.body) || !endsFlow(list.back())
            || rest > s.body.size())
            continue;
        Statements tail(std::make_move_iterator(list.begin() + std::ptrdiff_t(i) + 1),
                        std::make_move_iterator(list.end()));
        list.erase(list.begin() + std::ptrdiff_t(i) + 1, list.end());
        Statements body = std::move(list[i].body);
        list[i].body = std::move(tail);
        list[i].negate = !list[i].negate;
        list.insert(list.end(), std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));
        break;
    }
    // Nothing after a statement that never goes on is ever reached.
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        if (endsFlow(list[i])) {
            list.erase(list.begin() + std::ptrdiff_t(i) + 1, list.end());
            break;
        }
    }
}
