#pragma once
// A menu command's row: its id (commands/CommandIds.h), the rule that enables
// it and the handler that runs it. Each class that answers commands lists its
// rows in its own header, beside the handlers' declarations, so that a new
// command is its entry in resources/menus.json, its row and declaration, and
// its handler's body.
#include "commands/CommandIds.h"

namespace cmd {

enum class CommandRule {
    Free,          // always enabled: neither the file nor the JDK matters
    NeedsFile,     // a usable JDK and a current file
    NeedsSource,   // a usable JDK and a current Java source
    JavaDocument,  // the options name a Java document
};

template <class Target>
struct CommandRow {
    int id;
    CommandRule rule;
    void (Target::*run)();
};

}  // namespace cmd
