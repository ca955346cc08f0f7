// Random bytes as a class file and as the start of a Java source: nothing
// reads outside them, and a name that comes out is well formed.
#include "java/ClassFile.h"
#include "java/JavaDeclarations.h"
#include "java/PackageRoot.h"
#include "tests/fuzz/FuzzCheck.h"

using namespace java;

namespace {

// Dotted names: no empty part.
bool IsQualifiedName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char('.'))
           && !name.contains(QLatin1String(".."));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArrayView data(reinterpret_cast<const char*>(bytes), qsizetype(size));
    if (const auto info = ParseClassFile(data)) {
        Check(IsQualifiedName(info->name) && !info->name.contains(QLatin1Char('/')));
        Check(info->PackagePath().isEmpty() == info->PackageName().isEmpty());
        Check(info->superName.isEmpty() || IsQualifiedName(info->superName));
    }
    for (const TypeDeclaration& type : DeclaredTypes(QString::fromUtf8(data)))
        Check(!type.name.isEmpty());
    const QString package = DeclaredPackage(data);
    Check(package.isEmpty() || IsQualifiedName(package));
    return 0;
}
