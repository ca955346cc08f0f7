// Any bytes as a settings file, then one write: nothing crashes, the key
// reads back, and every other line keeps its text.
#include "settings/IniDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstdlib>

namespace {

QString Name(FuzzedDataProvider& data)
{
    static const char kLetters[] = "abcdeSKJ_0";
    QString name;
    const size_t length = data.ConsumeIntegralInRange<size_t>(1, 6);
    for (size_t i = 0; i < length; ++i)
        name.append(QLatin1Char(kLetters[data.ConsumeIntegralInRange<size_t>(0, sizeof kLetters - 2)]));
    return name;
}

QString ReadBackForm(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString section = Name(data);
    const QString key = Name(data);
    const QString value = QString::fromUtf8(data.ConsumeRandomLengthString(64));
    const std::string rest = data.ConsumeRemainingBytesAsString();
    const QByteArray file(rest.data(), static_cast<qsizetype>(rest.size()));

    IniDocument doc = IniDocument::FromBytes(file);
    const IniDocument before = doc;
    doc.SetValue(section, key, value);
    const QByteArray written = doc.ToBytes();
    const IniDocument after = IniDocument::FromBytes(written);
    Check(after.Value(section, key) == ReadBackForm(value));
    Check(after.ToBytes() == written);
    // Every other key keeps its value (first occurrence per section).
    for (const QString& s : {QStringLiteral("a"), QStringLiteral("S"), QStringLiteral("J_0")}) {
        for (const QString& k : {QStringLiteral("b"), QStringLiteral("K"), QStringLiteral("e")}) {
            if (s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0)
                continue;
            Check(after.Value(s, k) == before.Value(s, k));
        }
    }
    return 0;
}
