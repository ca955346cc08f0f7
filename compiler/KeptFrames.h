#pragma once
// The bytes between Tarnwick and the kept JVM (tarnwick.tools.KeptTools):
// big-endian 32-bit lengths before UTF-8 strings and the tool's output.
#include "runner/KeptTools.h"

#include <QStringList>
#include <optional>

namespace compiler {

inline constexpr char kGreeting = 'H';  // the JVM's first byte: it takes requests

// The tool's name followed by its arguments.
QByteArray EncodeRequest(const QStringList& strings);

struct DecodedAnswer {
    qsizetype size = 0;                        // bytes the answer took
    std::optional<runner::KeptAnswer> answer;  // nothing: the tool could not run
};

// The answer at the start of bytes; nothing while it is incomplete. Bytes
// that are no answer take all of bytes and give no answer.
std::optional<DecodedAnswer> DecodeAnswer(const QByteArray& bytes);

}  // namespace compiler
