#pragma once
// How the common Linux and Windows editors are told to open a file at a line. The table
// is data; an editor it does not know opens the file without a line.
#include "platform/Processes.h"

namespace platform {

struct EditorLineForm {
    const char* programs;              // blank-separated program names
    const char* form;                  // blank-separated arguments with {file} and {line}
    const char* columnForm = nullptr;  // the same with {column}; none when the editor takes no column
};

// The table, for tests and for readers.
const EditorLineForm* FindEditorLineForm(const QString& program);

// request opens file (as an argument of its own, or as its file:// address);
// the result opens it at line. The editor is the last known program before
// that argument (so an editor inside a terminal command is found). Unchanged
// when no known editor takes the file. A column (from 1) is given where the
// editor takes one.
ProcessSpec AtLine(const ProcessSpec& request, const QString& file, int line, int column = 0);

}  // namespace platform
