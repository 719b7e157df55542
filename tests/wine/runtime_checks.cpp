// An object's life with no pad present (Wine's winmm knows no joystick) and a
// device rescan against Wine's own device inventory.
#include "exports/routine_tables.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"
#include "tests/wine/wine_host.h"

namespace {

constexpr std::uint16_t kPlayerOneKeys[8] = {38, 40, 37, 39, 90, 88, 32, 13};
constexpr int kSetPlayerAndPadID = 0;
constexpr int kReLoadDeviceList = 8;
constexpr int kIsXInput = 6;
constexpr int kGetPadID = 7;
constexpr int kIsError = 8;

void CheckRaisedPairs(const wine_host::Runtime& runtime, zandrel::RunObject* object, std::size_t frames)
{
    if (!EXPECT_SAME(2 * frames, runtime.raised.size())) {
        return;
    }
    for (std::size_t i = 0; i < runtime.raised.size(); ++i) {
        EXPECT_TRUE(runtime.raised[i].object == object);
        EXPECT_SAME(i % 2 == 0 ? 0 : 2, runtime.raised[i].code);
    }
}

}  // namespace

WINE_CHECK_GROUP(ObjectLifeWithoutPad)
{
    wine_host::Runtime runtime;
    for (int control = 0; control < 8; ++control) {
        runtime.controlKeys[0][control] = kPlayerOneKeys[control];
    }
    zandrel::RunObject* object = runtime.NewObject();
    mfx.CreateRunObject(object, nullptr, nullptr);
    EXPECT_SAME(-1, object->player);
    EXPECT_SAME(-1, object->padId);
    EXPECT_SAME(-1, object->xinputIndex);
    EXPECT_SAME(0, object->padError);
    for (int slot = 0; slot < 16; ++slot) {
        EXPECT_SAME(slot < 8 ? kPlayerOneKeys[slot] : 0, object->keyMap[slot]);
        EXPECT_SAME(slot, object->virtualMap[slot]);
        EXPECT_SAME(1, object->controlEnabled[slot]);
    }

    // Unbound: every frame only raises the two press conditions.
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_SAME(0, mfx.HandleRunObject(object));
    }
    CheckRaisedPairs(runtime, object, 3);
    EXPECT_SAME(0, object->padError);

    // Bound to joystick 0, which the system does not have: the read fails, the
    // object is marked and then probed, and the frames go on.
    object->padId = 0;
    runtime.raised.clear();
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_SAME(0, mfx.HandleRunObject(object));
    }
    EXPECT_SAME(1, object->padError);
    EXPECT_SAME(0, object->prevPadState);
    // The failed read raises PadDisconnected (5) before the frame's two conditions.
    if (EXPECT_TRUE(!runtime.raised.empty())) {
        EXPECT_SAME(5, runtime.raised[0].code);
        runtime.raised.erase(runtime.raised.begin());
    }
    CheckRaisedPairs(runtime, object, 3);

    EXPECT_SAME(0, mfx.DestroyRunObject(object, 0));
}

WINE_CHECK_GROUP(RescanAgainstWineInventory)
{
    // What the inventory holds, read through the query the rescan makes: Wine
    // lists a few devices and no XInput pad.
    int counts[2] = {0, 0};  // devices, XInput pads
    zandrel::platform::EnumerateDeviceIds(
        [](void* context, const char16_t* deviceId) {
            auto* found = static_cast<int*>(context);
            zandrel::XInputDeviceId id = 0;
            ++found[0];
            found[1] += zandrel::ParseXInputDeviceId(deviceId, &id) ? 1 : 0;
        },
        counts);
    EXPECT_TRUE(counts[0] > 0);
    EXPECT_SAME(0, counts[1]);

    zandrel::RunInfo info{};
    mfx.GetRunObjectInfos(nullptr, &info);
    if (!EXPECT_TRUE(info.actions != nullptr && info.actions[kReLoadDeviceList] != nullptr &&
                     info.actions[kSetPlayerAndPadID] != nullptr && info.expressions != nullptr)) {
        return;
    }
    wine_host::Runtime runtime;
    zandrel::RunObject* object = runtime.NewObject();
    mfx.CreateRunObject(object, nullptr, nullptr);

    // Pad -1 names no joystick, although the system answers its capability query
    // (with the service's registry key alone): the ids and the index stay.
    object->vid = 0x045E;
    object->pid = 0x028E;
    object->xinputIndex = zandrel::kNotXInput;
    runtime.actionParameters = {2, -1};
    EXPECT_SAME(0, info.actions[kSetPlayerAndPadID](object, 0, 0));
    EXPECT_SAME(-1, object->padId);
    EXPECT_SAME(0x045E, object->vid);
    EXPECT_SAME(0x028E, object->pid);
    EXPECT_SAME(zandrel::kNotXInput, object->xinputIndex);

    // Binding joystick 0, which Wine does not have: the ids cannot be read, so the
    // binding stands without a rescan.
    runtime.actionParameters = {1, 0};
    EXPECT_SAME(0, info.actions[kSetPlayerAndPadID](object, 0, 0));
    EXPECT_SAME(1, object->player);
    EXPECT_SAME(0, object->padId);

    object->xinputIndex = zandrel::kNotXInput;
    EXPECT_SAME(0, info.actions[kReLoadDeviceList](object, 0, 0));
    EXPECT_SAME(zandrel::kXInputUnresolved, object->xinputIndex);

    EXPECT_SAME(0, mfx.HandleRunObject(object));
    EXPECT_SAME(1, object->padError);
    const struct {
        int code;
        zandrel::HostParam value;
    } answers[] = {{kIsXInput, 0}, {kGetPadID, 0}, {kIsError, 1}};
    for (const auto& answer : answers) {
        EXPECT_SAME(answer.value, info.expressions[answer.code](object, 0));
    }
    EXPECT_SAME(0, mfx.DestroyRunObject(object, 0));
}
