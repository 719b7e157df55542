// A minimal host for unit tests: services, control keys and objects, over a fresh
// simulated world, an empty XInput device list and only the built-in layout rows.
#pragma once

#include <cstdint>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "exports/routine_tables.h"
#include "host/exports.h"
#include "host/host_interface.h"
#include "input/pad_layouts.h"
#include "input/xinput_devices.h"
#include "platform/sim_world.h"
#include "runtime/run_object.h"

namespace zandrel::testing {

class TestHost {
public:
    static constexpr std::size_t kMaxRaised = 64;

    TestHost()
    {
        current_ = this;
        sim::TheWorld().Reset();
        ResetXInputDevices();
        ResetPadBindings();
        ResetPadLayouts(ThePadLayoutTable());
        services_.GenerateEvent = &GenerateEvent;
        services_.NextActionParameter = &NextActionParameter;
        services_.FirstExpressionParameter = &FirstExpressionParameter;
        services_.NextExpressionParameter = &NextExpressionParameter;
        services_.StringResultBuffer = &StringResultBuffer;
    }
    ~TestHost() { current_ = nullptr; }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // A new object as the host hands it over: header filled in, the rest of the
    // memory holding leftovers (0xAA), then CreateRunObject.
    RunObject* Create()
    {
        objects_.push_back(std::make_unique<RunObject>());
        RunObject* object = objects_.back().get();
        std::memset(static_cast<void*>(object), 0xAA, sizeof(RunObject));
        std::memset(&object->header, 0, sizeof object->header);
        object->header.services = &services_;
        object->header.controlKeys = &controlKeys;
        CreateRunObject(object, nullptr, nullptr);
        return object;
    }

    // An object in memory the caller owns (to watch what lies around it), with the
    // given control-key table (may be null).
    RunObject* CreateAt(RunObject* memory, HostControlKeys* keys)
    {
        return CreateIn(memory, sizeof(RunObject), keys, &services_);
    }

    // An object in `size` bytes of memory, as large as GetRunObjectDataSize asked,
    // with these services and control-key table (either may be null).
    RunObject* CreateIn(void* memory, std::size_t size, HostControlKeys* keys, HostServices* services)
    {
        std::memset(memory, 0xAA, size);
        auto* object = static_cast<RunObject*>(memory);
        std::memset(&object->header, 0, sizeof object->header);
        object->header.services = services;
        object->header.controlKeys = keys;
        CreateRunObject(object, nullptr, nullptr);
        return object;
    }

    HostServices* services() { return &services_; }

    // Runs action `code` with these parameters, as an event would.
    std::int32_t Act(RunObject* object, int code, std::initializer_list<HostParam> parameters = {})
    {
        actionParameters.assign(parameters);
        actionParametersFetched = 0;
        return kActionRoutines[code](object, 0, 0);
    }

    // Evaluates expression `code` with these parameters.
    HostParam Evaluate(RunObject* object, int code, std::initializer_list<std::int32_t> parameters = {})
    {
        expressionParameters.assign(parameters);
        expressionParametersFetched = 0;
        firstExpressionFetches = 0;
        nextExpressionFetches = 0;
        return kExpressionRoutines[code](object, kParameterHandle);
    }

    // Evaluates condition `code` with its first parameter.
    std::int32_t Test(RunObject* object, int code, std::int32_t parameter = 0)
    {
        return kConditionRoutines[code](object, parameter, 0);
    }

    static constexpr HostParam kParameterHandle = 0x5A5A;

    sim::World& world() { return sim::TheWorld(); }

    // Every GenerateEvent call so far: (object, code).
    struct Raised {
        RunObject* object;
        std::int32_t code;
    };
    const Raised* raised() const { return raised_; }
    std::size_t raisedCount() const { return raisedCount_; }
    void ClearRaised() { raisedCount_ = 0; }

    // Called during GenerateEvent, as the host evaluates the raised conditions.
    void (*onRaise)(RunObject* object, std::int32_t code, void* context) = nullptr;
    void* onRaiseContext = nullptr;

    // Parameters handed out by NextActionParameter and the expression services.
    std::deque<HostParam> actionParameters;
    std::deque<std::int32_t> expressionParameters;
    std::int32_t actionParametersFetched = 0;
    std::int32_t expressionParametersFetched = 0;
    std::int32_t firstExpressionFetches = 0;  // through the first-parameter service
    std::int32_t nextExpressionFetches = 0;   // through the next-parameter service
    HostParam lastExpressionHandle = 0;

    // String result: 66 wide characters and a guard area behind them.
    char16_t stringResult[kStringResultRoom + 16] = {};
    bool stringResultNull = false;

    HostControlKeys controlKeys = {};

private:
    static TestHost& Current() { return *current_; }

    static void ZANDREL_CALL GenerateEvent(RunObject* object, std::int32_t code, std::int32_t)
    {
        TestHost& host = Current();
        if (host.raisedCount_ < kMaxRaised) {
            host.raised_[host.raisedCount_++] = Raised{object, code};
        }
        if (host.onRaise != nullptr) {
            host.onRaise(object, code, host.onRaiseContext);
        }
    }

    static HostParam ZANDREL_CALL NextActionParameter(RunObject*, std::int32_t, std::int32_t)
    {
        TestHost& host = Current();
        ++host.actionParametersFetched;
        if (host.actionParameters.empty()) {
            return 0;
        }
        const HostParam value = host.actionParameters.front();
        host.actionParameters.pop_front();
        return value;
    }

    static std::int32_t ZANDREL_CALL FirstExpressionParameter(RunObject* object, std::int32_t a, HostParam handle)
    {
        ++Current().firstExpressionFetches;
        return ExpressionParameter(object, a, handle);
    }

    static std::int32_t ZANDREL_CALL NextExpressionParameter(RunObject* object, std::int32_t a, HostParam handle)
    {
        ++Current().nextExpressionFetches;
        return ExpressionParameter(object, a, handle);
    }

    static std::int32_t ZANDREL_CALL ExpressionParameter(RunObject*, std::int32_t, HostParam handle)
    {
        TestHost& host = Current();
        ++host.expressionParametersFetched;
        host.lastExpressionHandle = handle;
        if (host.expressionParameters.empty()) {
            return 0;
        }
        const std::int32_t value = host.expressionParameters.front();
        host.expressionParameters.pop_front();
        return value;
    }

    static char16_t* ZANDREL_CALL StringResultBuffer(RunObject*, std::int32_t, std::int32_t)
    {
        TestHost& host = Current();
        return host.stringResultNull ? nullptr : host.stringResult;
    }

    static inline TestHost* current_ = nullptr;
    HostServices services_{};
    std::vector<std::unique_ptr<RunObject>> objects_;
    Raised raised_[kMaxRaised] = {};
    std::size_t raisedCount_ = 0;
};

// Helpers for reading the simulated world's effects.
inline sim::Effect KeyDown(std::uint8_t key)
{
    return {sim::EffectKind::KeyStroke, key, 1, 0};
}
inline sim::Effect KeyUp(std::uint8_t key)
{
    return {sim::EffectKind::KeyStroke, key, 3, 0};
}
inline sim::Effect ConfigChanged()
{
    return {sim::EffectKind::JoyConfigChanged, 0, 0, 0};
}
inline sim::Effect RescanStarted()
{
    return {sim::EffectKind::RescanStarted, 0, 0, 0};
}
inline sim::Effect Vibration(std::uint32_t index, std::uint32_t left, std::uint32_t right)
{
    return {sim::EffectKind::Vibration, index, left, right};
}

}  // namespace zandrel::testing
