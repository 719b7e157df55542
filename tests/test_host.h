// A minimal host for unit tests: services, control keys and objects, over a fresh
// simulated world and an empty XInput device list.
#pragma once

#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "host/exports.h"
#include "host/host_interface.h"
#include "input/sim_world.h"
#include "input/xinput_devices.h"
#include "runtime/run_object.h"

namespace zandrel::testing {

class TestHost {
public:
    static constexpr std::size_t kMaxRaised = 64;

    TestHost()
    {
        current_ = this;
        sim::TheWorld().Reset();
        TheXInputDeviceList() = XInputDeviceList{0, {0, 0, 0, 0}};
        services_.GenerateEvent = &GenerateEvent;
        services_.NextActionParameter = &NextActionParameter;
        services_.FirstExpressionParameter = &ExpressionParameter;
        services_.NextExpressionParameter = &ExpressionParameter;
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

    static std::int32_t ZANDREL_CALL ExpressionParameter(RunObject*, std::int32_t, HostParam)
    {
        TestHost& host = Current();
        ++host.expressionParametersFetched;
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
