#pragma once
// A place other than a new process that may run a JDK tool's request: a JVM
// kept running between requests. RunningTool asks it first and starts the
// command when it declines or fails.
#include "platform/Processes.h"

#include <QByteArray>
#include <functional>
#include <optional>

namespace runner {

// What the tool printed, in the bytes its command would print, and its exit code.
struct KeptAnswer {
    int exitCode = 0;
    QByteArray output;
    QByteArray error;
};

// Called once with the answer, or with nothing when the command must run instead.
using KeptDone = std::function<void(std::optional<KeptAnswer>)>;

class IKeptTools {
public:
    virtual ~IKeptTools() = default;
    // Takes the request when it can run it now; done is called later, from
    // the event loop, never from within Take.
    virtual bool Take(const platform::ProcessSpec& request, KeptDone done) = 0;
    // Forgets the request taken: done is not called.
    virtual void Drop() = 0;
};

}  // namespace runner
