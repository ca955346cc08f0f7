// Starts a kept JVM (jar, JDK, folder from the arguments), prints its process
// id once it takes requests and waits until it is killed.
#include "compiler/KeptCompiler.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    compiler::KeptCompiler kept(args[1]);
    QObject::connect(&kept, &compiler::KeptCompiler::Ready, [&kept] {
        std::printf("%lld\n", static_cast<long long>(kept.ProcessId()));
        std::fflush(stdout);
    });
    kept.Prepare(args[2], args[3]);
    return QCoreApplication::exec();
}
