#pragma once
// Where the JDK installers for Windows record their JDKs in the registry.
#include <QStringList>

namespace platform {

// The JDKs' home folders that the registry names, newest version first:
// HKLM\SOFTWARE\JavaSoft\JDK\<version>\JavaHome (and the older "Java
// Development Kit" key), then the keys of the Adoptium, Microsoft and Azul
// installers; each in the 64-bit and the 32-bit view, then HKCU's.
QStringList JdkHomesFromRegistry();

}  // namespace platform
