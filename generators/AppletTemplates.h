#pragma once
// The fixed blocks of the applet source: imports, interfaces with their
// methods, double buffering and the hint lines of the skeleton.
#include "generators/AppletGenerator.h"
#include "generators/TemplateText.h"

#include <span>

namespace gen {

struct AppletImport {
    bool AppletChoices::*chosen;
    const char16_t* line;
};
std::span<const AppletImport> AppletImports();

// Which component chain an interface's method holds.
enum class AppletChainKind { None, Action, Item };

struct AppletInterface {
    bool AppletChoices::*chosen;
    const char16_t* clauseName;  // written without a line end
    std::span<const TemplateLine> fields;
    std::span<const TemplateLine> init;
    // The methods; for a chain method only its opening lines, the chain and
    // the closing lines follow.
    std::span<const TemplateLine> methods;
    AppletChainKind chain = AppletChainKind::None;
};
// In the order of the implements clause.
std::span<const AppletInterface> AppletInterfaces();

extern const std::span<const TemplateLine> kAppletFieldsHint;
extern const std::span<const TemplateLine> kAppletInitHint;
extern const std::span<const TemplateLine> kAppletPaintHint;
extern const std::span<const TemplateLine> kDoubleBufferFields;
extern const std::span<const TemplateLine> kDoubleBufferInit;
extern const std::span<const TemplateLine> kDoubleBufferPaint;
extern const std::span<const TemplateLine> kDoubleBufferMethods;

}  // namespace gen
