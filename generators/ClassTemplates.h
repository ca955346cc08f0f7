#pragma once
// The fixed blocks of the class source: imports, superclasses and
// interfaces with their lines, as data.
#include "generators/ClassGenerator.h"
#include "generators/TemplateText.h"

#include <span>

namespace gen {

std::span<const char16_t* const> ClassImportLines();  // indexed by ClassImport

struct ClassSuperclass {
    const char16_t* fragment;     // after "public class Name"
    const char16_t* constructor;  // %s: the class name
    std::span<const TemplateLine> initLines;
    bool hasInitComponents;
    bool closingAdapter;  // unless WindowListener is chosen
    bool exitOnClose;     // windowClosing ends the program
};
const ClassSuperclass& ClassSuperclassOf(SuperclassKind kind);

extern const std::span<const TemplateLine> kClosingAdapter;

// Places in a method table where the generator writes lines of its own.
extern const char16_t kMenuDispatchSlot[];
extern const char16_t kExitSlot[];

struct ClassInterfaceDef {
    const char16_t* clauseName;  // written without a line end
    std::span<const TemplateLine> registration;
    std::span<const TemplateLine> fields;
    std::span<const TemplateLine> methods;
};
const ClassInterfaceDef& ClassInterfaceOf(ClassInterface face);

}  // namespace gen
