#include "codegen/FlowNode.h"

#include "interp/Arithmetic.h"

bool FlowNode::isCondition() const
{
    return kind == Block && Arithmetic::isCondition(code);
}
