#pragma once
// Whether a name can stand as a Java class name, as javac decides: a Java
// identifier (letters of any script, digits after the first character, "_"
// and "$") that is no keyword, literal or restricted type name.
#include <QStringView>

namespace gen {

bool IsJavaClassName(QStringView name);
// Character.isJavaIdentifierStart and isJavaIdentifierPart.
bool IsJavaIdentifierStart(char32_t c);
bool IsJavaIdentifierPart(char32_t c);

}  // namespace gen
