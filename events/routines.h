// The event routine tables handed to the host, in code order, each closed by a null entry.
#pragma once

#include <cstdint>

#include "host/host_interface.h"
#include "runtime/run_object.h"

namespace zandrel {

using ConditionRoutine = std::int32_t(ZANDREL_CALL*)(RunObject* object, std::int32_t param1, std::int32_t param2);
using ActionRoutine = std::int32_t(ZANDREL_CALL*)(RunObject* object, std::int32_t unused1, std::int32_t unused2);
using ExpressionRoutine = std::int32_t(ZANDREL_CALL*)(RunObject* object, HostParam parameters);

constexpr int kConditionCount = 5;
constexpr int kActionCount = 11;
constexpr int kExpressionCount = 11;

extern ConditionRoutine const kConditionRoutines[kConditionCount + 1];
extern ActionRoutine const kActionRoutines[kActionCount + 1];
extern ExpressionRoutine const kExpressionRoutines[kExpressionCount + 1];

}  // namespace zandrel
