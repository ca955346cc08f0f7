#pragma once
// The Applet source generator: a pure function from the applet dialog's
// choices to the text of the source file (CR LF line ends). The import of
// java.awt.event.* is written whenever the code uses an event type, ticked
// or not, so that every choice compiles.
#include "platform/UserDialogs.h"  // platform::Rgb

#include <QList>
#include <QString>
#include <optional>

namespace gen {

enum class EventStyle { Listener, Adapter };

enum class ComponentKind { Button, TextField, Label, List, Choice, CheckBox, RadioGroup };

// The name under which a kind is listed: "Button", "TextField", "Label",
// "List", "Choice", "CheckBox", "RadioGroup".
QString ComponentKindName(ComponentKind kind);
std::optional<ComponentKind> ComponentKindFromName(const QString& name);

struct AppletChoices {
    QString fileName;   // Foo.java
    QString className;  // Foo
    bool importAwtEvent = false;
    bool importAwtImage = false;
    bool importIo = false;
    bool importNet = false;
    bool importUtil = false;
    bool actionListener = false;
    bool itemListener = false;
    bool keyListener = false;
    bool mouseListener = false;
    bool mouseMotionListener = false;
    bool runnable = false;
    EventStyle style = EventStyle::Listener;
    QList<ComponentKind> components;
    bool doubleBuffering = false;
    bool background = false;
    platform::Rgb backgroundColor;
    bool comments = false;
};

QString GenerateAppletSource(const AppletChoices& choices);

}  // namespace gen
