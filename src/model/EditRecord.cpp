#include "model/EditRecord.h"

namespace {

bool onlyChanges(const QVector<EditRecord::Step> &steps)
{
    for (const EditRecord::Step &step : steps) {
        if (!std::holds_alternative<EditRecord::BlockChanged>(step)
            && !std::holds_alternative<EditRecord::LineChanged>(step)
            && !std::holds_alternative<EditRecord::ModifiedChanged>(step))
            return false;
    }
    return true;
}

// The step of the same block, line or flag, if this record has one.
EditRecord::Step *sameSubject(QVector<EditRecord::Step> &steps, const EditRecord::Step &step)
{
    for (EditRecord::Step &mine : steps) {
        if (mine.index() != step.index())
            continue;
        if (const auto *b = std::get_if<EditRecord::BlockChanged>(&step)) {
            if (std::get<EditRecord::BlockChanged>(mine).after.tagID == b->before.tagID)
                return &mine;
        } else if (const auto *l = std::get_if<EditRecord::LineChanged>(&step)) {
            if (std::get<EditRecord::LineChanged>(mine).position == l->position)
                return &mine;
        } else {
            return &mine;
        }
    }
    return nullptr;
}

void takeLaterEnd(EditRecord::Step &mine, const EditRecord::Step &later)
{
    if (auto *b = std::get_if<EditRecord::BlockChanged>(&mine))
        b->after = std::get<EditRecord::BlockChanged>(later).after;
    else if (auto *l = std::get_if<EditRecord::LineChanged>(&mine))
        l->after = std::get<EditRecord::LineChanged>(later).after;
    else
        std::get<EditRecord::ModifiedChanged>(mine).after = std::get<EditRecord::ModifiedChanged>(later).after;
}

} // namespace

bool EditRecord::mergeWith(const EditRecord &later)
{
    if (!onlyChanges(steps) || !onlyChanges(later.steps))
        return false;
    for (const Step &step : later.steps) {
        if (Step *mine = sameSubject(steps, step))
            takeLaterEnd(*mine, step);
        else
            steps.append(step);
    }
    if (later.outcome == Outcome::Applied)
        outcome = Outcome::Applied;
    return true;
}
