// Random bytes as a tool's output, cut into pieces at random places, through
// the line assembler and the markup chain: nothing crashes, the same lines
// come out however the bytes are cut, every link lies inside its line and a
// line the chain says it need not look at has no markup.
#include "output/OutputMarkup.h"
#include "runner/LineAssembler.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QStringList>
#include <algorithm>
#include <vector>

using namespace output;
using namespace runner;

namespace {

QString Assemble(const QByteArray& bytes, std::vector<qsizetype> cuts, qsizetype lineLimit, qint64 streamLimit)
{
    LineAssembler assembler(lineLimit, streamLimit);
    cuts.push_back(bytes.size());
    std::sort(cuts.begin(), cuts.end());
    QString text;
    qsizetype from = 0;
    for (const qsizetype cut : cuts) {
        text += assembler.Push(QByteArrayView(bytes).sliced(from, cut - from));
        from = cut;
    }
    return text + assembler.Flush();
}

// Rules that fire often, so that hints take every path.
const QList<HintRule> kRules{{"message",
                              [](const JavacMessage& m, const HintContext&) {
                                  return m.text.contains(QLatin1Char('x')) || m.caretColumn > 2 ? QStringLiteral("m")
                                                                                                : QString();
                              }},
                             {"line", nullptr, [](QStringView line, const HintContext&) {
                                  return line.startsWith(u'E') ? QStringLiteral("l") : QString();
                              }}};

void CheckMarkup(const QStringList& lines, const QList<HintRule>& rules)
{
    const bool withRules = !rules.isEmpty();
    MarkupChain chain({}, rules);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Stream stream = static_cast<Stream>(lines[i].size() % 3);
        const bool mayMark = chain.MayMark(lines[i], stream);
        const Markup markup = chain.MarkLine(lines[i], stream);
        Check(mayMark || markup.IsPlain());
        for (const SourceLink& link : markup.links) {
            Check(link.start >= 0 && link.length > 0 && link.start + link.length <= lines[i].size());
            Check(link.line > 0 && !link.file.isEmpty());
        }
        for (const QString* hint : {&markup.hint, &markup.hintBefore})
            Check(hint->isEmpty() || (withRules && hint->startsWith(QStringLiteral("ヒント: "))));
    }
    for (const Stream stream : {Stream::Output, Stream::Error, Stream::Input})
        Check(withRules || chain.Finish(stream).isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const auto lineLimit = data.ConsumeIntegralInRange<qsizetype>(4, 80);
    const qint64 streamLimit = data.ConsumeBool() ? kStreamLimit : data.ConsumeIntegralInRange<qint64>(0, 512);
    std::vector<qsizetype> cuts(data.ConsumeIntegralInRange<size_t>(0, 24));
    for (qsizetype& cut : cuts)
        cut = data.ConsumeIntegral<uint16_t>();
    const std::string rest = data.ConsumeRemainingBytesAsString();
    const QByteArray stream(rest.data(), static_cast<qsizetype>(rest.size()));
    for (qsizetype& cut : cuts)
        cut = stream.isEmpty() ? 0 : cut % (stream.size() + 1);

    const QString whole = Assemble(stream, {}, lineLimit, streamLimit);
    Check(Assemble(stream, cuts, lineLimit, streamLimit) == whole);
    Check(whole.isEmpty() || whole.endsWith(QLatin1Char('\n')));
    QStringList lines = whole.split(QLatin1Char('\n'));
    lines.removeLast();
    CheckMarkup(lines, {});
    CheckMarkup(lines, kRules);
    CheckMarkup(lines, LearnerHintRules());  // also: a line without a rule's marker gets no hint
    return 0;
}
