#include "events/routines.h"

namespace zandrel {

// Slots are filled as the routines are built.
ConditionRoutine const kConditionRoutines[kConditionCount + 1] = {};
ActionRoutine const kActionRoutines[kActionCount + 1] = {};
ExpressionRoutine const kExpressionRoutines[kExpressionCount + 1] = {};

}  // namespace zandrel
