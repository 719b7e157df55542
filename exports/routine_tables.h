// The event routine tables handed to the host, in code order, each closed by a null entry.
#pragma once

#include "events/routines.h"

namespace zandrel {

constexpr int kConditionCount = 8;
constexpr int kActionCount = 16;
constexpr int kExpressionCount = 17;

extern ConditionRoutine const kConditionRoutines[kConditionCount + 1];
extern ActionRoutine const kActionRoutines[kActionCount + 1];
extern ExpressionRoutine const kExpressionRoutines[kExpressionCount + 1];

}  // namespace zandrel
