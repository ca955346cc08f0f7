#pragma once
// Which stream a piece of a run's text came from; Input is what the user typed.

namespace runner {

enum class Stream { Output, Error, Input };

}  // namespace runner
