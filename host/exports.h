// The functions the host finds by name. On Windows the .def file exports them
// undecorated; natively they are plain C functions the reference host links.
#pragma once

#include <cstdint>

#include "host/host_interface.h"
#include "runtime/run_object.h"

#define ZANDREL_EXPORT extern "C"

// Runtime lifecycle.
ZANDREL_EXPORT std::int32_t ZANDREL_CALL GetRunObjectDataSize(void* hostRecord, void* editData);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL CreateRunObject(zandrel::RunObject* object, void* editData, void* createInfo);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL DestroyRunObject(zandrel::RunObject* object, std::int32_t fast);
ZANDREL_EXPORT std::int32_t ZANDREL_CALL HandleRunObject(zandrel::RunObject* object);
