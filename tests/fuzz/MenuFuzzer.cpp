// Random menu trees: the generator never fails, every identifier is a Java
// name, and no field or handler is declared twice.
#include "generators/MenuBarGenerator.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>
#include <QSet>

using namespace gen;

namespace {

QString Label(FuzzedDataProvider& data)
{
    static const char* const kPieces[] = {"File", "&", "-",  "ファイル", "(&F)", "保存", " ", "+",
                                          "Open", "a", "&&", "1",        "Bar",  "\"",   "\\"};
    QString label;
    const int parts = data.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < parts; ++i)
        label += QString::fromUtf8(kPieces[data.ConsumeIntegralInRange<size_t>(0, std::size(kPieces) - 1)]);
    if (data.ConsumeBool())
        label += QString::fromUtf8(data.ConsumeRandomLengthString(6));
    return label;
}

void Grow(FuzzedDataProvider& data, MenuItemNode& node, int depth, int& budget)
{
    while (budget > 0 && data.remaining_bytes() > 0 && data.ConsumeBool()) {
        --budget;
        node.children.push_back({Label(data), {}});
        if (depth < 6 && data.ConsumeBool())
            Grow(data, node.children.back(), depth + 1, budget);
    }
}

// Every name declared after a type in the field lines, and every handler.
void CheckUniqueDeclarations(const ClassSections& sections)
{
    static const QRegularExpression declared(QStringLiteral("(?:JMenuItem|JMenu|,) (menu\\w*)"));
    static const QRegularExpression handler(QStringLiteral("private void (On\\w+)\\(\\)"));
    QSet<QString> names;
    for (auto it = declared.globalMatch(sections.fieldDecls); it.hasNext();) {
        const QString name = it.next().captured(1);
        Check(!names.contains(name));
        names.insert(name);
    }
    QSet<QString> handlers;
    for (auto it = handler.globalMatch(sections.methodText); it.hasNext();) {
        const QString name = it.next().captured(1);
        Check(!handlers.contains(name));
        handlers.insert(name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const bool comments = data.ConsumeBool();
    MenuItemNode root{QStringLiteral("JMenuBar"), {}};
    int budget = 200;
    Grow(data, root, 0, budget);

    for (const MenuItemNode& child : root.children) {
        QString plain = child.label;
        plain.remove(QLatin1Char('&'));
        static const QRegularExpression identifier(QStringLiteral("^[A-Za-z0-9_]+$"));
        Check(identifier.match(LabelToIdentifier(plain)).hasMatch());
    }
    ClassSections sections;
    GenerateMenuBar(root, comments, sections);
    for (const QString* text : {&sections.fieldDecls, &sections.initBody, &sections.methodText, &sections.menuDispatch})
        Check(text->isEmpty() || text->endsWith(QLatin1String("\r\n")));
    Check(sections.menuDispatch == QLatin1String("\t\tactionPerformedMenu(e);\r\n"));
    CheckUniqueDeclarations(sections);
    return 0;
}
