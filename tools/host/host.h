// The reference host: it owns the objects, the player control keys, the editor and
// the host services, plays the outside world through the simulated world, and runs
// the commands of a script, collecting each command's output lines.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/host_interface.h"
#include "platform/sim_world.h"
#include "tools/host/extension.h"
#include "tools/host/script.h"

namespace zandrel::host {

// The joystick names of the registry, as the outside world holds them: the native
// build keeps them in the simulated world, the Windows build writes the real
// registry (and removes what it wrote).
void SetJoystickName(std::uint16_t vendor, std::uint16_t product, const std::u16string& name);
void ClearJoystickNames();

// Milliseconds of a monotonic clock, and a sleep, for paced frames and frame times.
double NowMilliseconds();
void SleepMilliseconds(unsigned milliseconds);

// The pad stage's virtual pads (Windows build, `--pad-channel PORT`): sends one line
// to their command channel and takes its one-line answer; false, with the reason in
// `answer`, when there is no channel or it does not answer "ok ...".
void SetPadChannel(unsigned port);
bool SendPadCommand(const std::string& line, std::string* answer);

class Host {
public:
    static constexpr std::uint32_t kDefaultEditorVersion = 0x020000F9;

    // A fresh host and world; the extension's module state is reset too.
    explicit Host(Extension& extension);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Reads the routine tables and the event catalogue; false with `error` set when
    // the extension does not answer.
    bool Start(std::string* error);
    const EventDirectory& directory() const { return directory_; }

    void Execute(const Command& command, std::vector<std::string>* output);

    // The record of the live object `name`, or null.
    const RunObject* Record(const std::string& name)
    {
        const LiveObject* live = Find(name);
        return live == nullptr ? nullptr : live->object;
    }

private:
    struct HostEditor {
        EditorServices services;  // first, so the extension's pointer leads back here
        std::uint32_t version;
    };

    struct LiveObject {
        std::string name;
        std::unique_ptr<std::uint64_t[]> memory;
        RunObject* object;
    };

    struct Watch {
        RunObject* object;
        std::int32_t code;
        std::string name;
        bool hasArgument;
        std::int32_t argument;
        std::vector<Command> reaction;  // `on ... do`: run inside the raising call
    };

    static Host* current_;
    static void ZANDREL_CALL GenerateEvent(RunObject* object, std::int32_t code, std::int32_t param);
    static HostParam ZANDREL_CALL NextActionParameter(RunObject* object, std::int32_t a, std::int32_t b);
    static std::int32_t ZANDREL_CALL FirstExpressionParameter(RunObject* object, std::int32_t a, HostParam handle);
    static std::int32_t ZANDREL_CALL NextExpressionParameter(RunObject* object, std::int32_t a, HostParam handle);
    static char16_t* ZANDREL_CALL StringResultBuffer(RunObject* object, std::int32_t a, std::int32_t room);
    static std::uint32_t ZANDREL_CALL EditorVersion(EditorServices* self);
    static HostParam ZANDREL_CALL EditorGeneralCall(EditorServices* self, void* editData, std::int32_t function,
                                                    HostParam a, HostParam b, HostParam c);
    static void OnEffect(void* context, const sim::Effect& effect);

    bool BuildDirectory(std::string* error);
    void Emit(std::string line);
    LiveObject* Find(const std::string& name);
    void World(const Command& command);
    void Editor(const Command& command);
    void Create(const std::string& name);
    void Destroy(const std::string& name);
    void RunAction(const Command& command);
    void RunCondition(const Command& command);
    void RunExpression(const Command& command);
    void RunReaction(const Command& command);
    void RunEvent(const Command& command);  // an action, condition or expression line
    void PrintMenu(const std::vector<MenuItem>& items, const std::string& indent);
    void RunFrames(std::uint32_t count);
    void PadCommand(const Command& command);
    void ReportFrameTimes();

    Extension& extension_;
    EventDirectory directory_;
    RunInfo runInfo_{};
    HostServices services_{};
    HostControlKeys controlKeys_ = {};
    HostEditor editor_{};
    HostEditor compatibleEditor_{};
    std::uint8_t editData_[64] = {};
    std::vector<LiveObject> objects_;
    std::vector<Watch> watches_;
    std::vector<std::string>* output_ = nullptr;

    // Frames paced at `pace_` a second (0: as fast as they run), and each frame's time
    // inside the extension since the last `frametimes`.
    std::uint32_t pace_ = 0;
    double nextFrameAt_ = 0;
    std::vector<double> frameTimes_;

    // The running event's parameters.
    const std::vector<Argument>* arguments_ = nullptr;
    std::size_t nextArgument_ = 0;
    char16_t stringResult_[kStringResultRoom + 16] = {};
};

}  // namespace zandrel::host
