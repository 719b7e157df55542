// The extension fuzzer's input language: bytes read as a program of operations on a
// small host, its objects and the simulated world. The seed writer encodes readable
// op lists into the same bytes, and a finding is printed with DescribeOp.
//
// Each op is a kind byte, then its fields in the order of its schema (see
// extension_program.cpp): a byte (an event code is a signed one), an integer (one byte for -64..127, else 0xC0 and
// four little-endian bytes) or a text (a length byte, then that many bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zandrel::fuzz {

enum class OpKind : std::uint8_t {
    kCreate,      // slot, flags (1 = no control-key table, 2 = services all null)
    kDestroy,     // slot
    kFrame,       // count (0..4 frames of every live object, the count taken modulo 5)
    kCondition,   // slot, code, parameter
    kAction,      // slot, code, three integers, file name (selector, text)
    kExpression,  // slot, code, three integers, flags (1 = no string result buffer)
    kFile,        // file name (selector, text), contents, repeats (the contents written 1 + repeats times)
    kJoystick,    // id, flags (1 = capability query fails), vid, pid, x, y, pov, buttons
    kUnplug,      // id
    kXInput,      // index, answers, left trigger, right trigger
    kKey,         // key, down
    kKeyboard,    // flags (1 = snapshots fail, 2 = another program's window in front)
    kDevice,      // form (0 = XInput id of vid and pid, 1 = the text's UTF-16 units), vid, pid, text
    kDevices,     // 0 = clear, 1 = inventory fails, 2 = inventory answers
    kRegistry,    // vid, pid, value type, value bytes
    kControls,    // player, control, key
    kEditor,      // 0 = compatible, 1 = this version word, 2 = no version query, 3 = no editor; version
    kExport,      // which, code, index, buffer length (bit 16: null buffer)
    kXInputOf,    // index, joystick id, left trigger, right trigger: the index is that joystick's XInput face
    kReplug,      // from, to: joystick `from` comes back as id `to`, its XInput faces with it
    kCount
};

constexpr int kMaxValues = 8;
constexpr int kMaxTexts = 2;
constexpr std::size_t kMaxOps = 64;

struct Op {
    OpKind kind;
    std::int32_t values[kMaxValues];  // byte and integer fields, in schema order
    std::string texts[kMaxTexts];     // text fields, in schema order
};

// Reads ops until the bytes run out (an op cut short is dropped) or kMaxOps are read.
std::vector<Op> DecodeProgram(const std::uint8_t* data, std::size_t size);

// The bytes DecodeProgram reads back as `ops`; byte fields are cut to 8 bits.
std::vector<std::uint8_t> EncodeProgram(const std::vector<Op>& ops);

// One change to a program, as a fuzzer's mutation: an op inserted (its fields picked
// among the values that sit on the extension's boundaries), removed, copied or moved,
// or one field of an op changed.
void MutateProgram(std::vector<Op>* ops, std::minstd_rand* random);

// The code of the condition, action or expression (by `kind`) whose menu text is
// `name`, or -1.
std::int32_t EventCode(OpKind kind, const std::string& name);

// One line: the op's name, then its fields labelled; event codes with their menu text.
std::string DescribeOp(const Op& op);

}  // namespace zandrel::fuzz
