// Any bytes as a settings file, then one write: nothing crashes, parsing
// keeps every byte, a name is either refused (nothing changes) or reads back,
// and every other key keeps its value.
#include "settings/IniDocument.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <iterator>

using namespace settings;

namespace {

// Plain letters, and the characters that could end a line or change its kind.
QString Name(FuzzedDataProvider& data)
{
    static const char16_t kLetters[] = u"abcdeSKJ_0=[];\r\n \t\"\u3000\u30bd";
    QString name;
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, 6);
    for (size_t i = 0; i < length; ++i)
        name.append(QChar(kLetters[data.ConsumeIntegralInRange<size_t>(0, std::size(kLetters) - 2)]));
    return name;
}

QString ReadBackForm(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
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
    Check(doc.ToBytes() == file);
    const IniDocument before = doc;
    if (!doc.SetValue(section, key, value)) {
        Check(doc.ToBytes() == file);
        return 0;
    }
    const QByteArray written = doc.ToBytes();
    const IniDocument after = IniDocument::FromBytes(written);
    Check(after.Value(section, key) == ReadBackForm(value));
    Check(after.ToBytes() == written);
    // Every other key keeps its value (first key of the first section). A
    // value that did not decode keeps its bytes when a CP932 file moves to
    // UTF-8, but may then read differently.
    const bool moved = after.Encoding() != before.Encoding();
    for (const QString& s : {QStringLiteral("a"), QStringLiteral("S"), QStringLiteral("J_0")}) {
        for (const QString& k : {QStringLiteral("b"), QStringLiteral("K"), QStringLiteral("e")}) {
            if (s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0)
                continue;
            const auto old = before.Value(s, k);
            if (moved && old && (old->contains(QChar::ReplacementCharacter) || old->contains(QChar(0x1a))))
                continue;
            Check(after.Value(s, k) == old);
        }
    }
    return 0;
}
