// Splitting any argument string never fails, and quoting any argument list
// splits back into the same list.
#include "platform/CommandLine.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString text = QString::fromUtf8(data.ConsumeRandomLengthString(256));
    const QStringList split = SplitCommandLine(text);
    for (const QString& argument : split)  // a blank stays inside an argument only when quoted
        Check(!argument.contains(QLatin1Char(' ')) || text.contains(QLatin1Char('"')));
    QStringList arguments;
    while (data.remaining_bytes() > 0 && arguments.size() < 8)
        arguments.append(QString::fromUtf8(data.ConsumeRandomLengthString(32)));
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted.append(QuoteArgument(argument));
    Check(SplitCommandLine(quoted.join(QLatin1Char(' '))) == arguments);
    return 0;
}
