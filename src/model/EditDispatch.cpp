#include "model/EditDispatch.h"

#include "model/ActionCode.h"

namespace {

EditDispatch::Dialog dialogFor(ActionCode code)
{
    using D = EditDispatch::Dialog;
    switch (code) {
    case ActionCode::Start:
        return D::General;
    case ActionCode::Definition:
    case ActionCode::Add:
    case ActionCode::Subtract:
    case ActionCode::Multiply:
    case ActionCode::Divide:
    case ActionCode::DivInt:
    case ActionCode::Module:
    case ActionCode::Power:
    case ActionCode::Percent:
    case ActionCode::Join:
    case ActionCode::Comp:
    case ActionCode::Sql:
        return D::Action;
    case ActionCode::Input:
        return D::Input;
    case ActionCode::Output:
        return D::Output;
    case ActionCode::IfEqual:
    case ActionCode::IfNotEqual:
    case ActionCode::IfLess:
    case ActionCode::IfLessEqual:
    case ActionCode::IfGreater:
    case ActionCode::IfGreaterEqual:
        return D::Condition;
    case ActionCode::Function:
        return D::Function;
    case ActionCode::Window:
        return D::Window;
    case ActionCode::Stop:
    case ActionCode::Intersection:
    case ActionCode::Unknown:
        break;
    }
    return D::None;
}

} // namespace

EditDispatch EditDispatch::forSelection(bool hasSelection, const QString &zAction)
{
    if (!hasSelection)
        return {Dialog::None, MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne seçilmemiş!"))};
    const ActionCode code = actionCodeOf(zAction);
    const Dialog dialog = dialogFor(code);
    if (dialog != Dialog::None)
        return {dialog, MessageText()};
    if (code == ActionCode::Stop || code == ActionCode::Intersection)
        return {Dialog::None, MessageText::of(QT_TRANSLATE_NOOP("Message", "%1 düzenlenemez!"), {zAction})};
    return {Dialog::None, MessageText::of(QT_TRANSLATE_NOOP("Message", "Bu fonksiyon için henüz düzenleme desteği yok: %1. üzgünüz"), {zAction})};
}
