// Menu bar and class generation for large menu trees of several shapes.
#include "generators/ClassGenerator.h"

#include <benchmark/benchmark.h>
#include <deque>

using namespace gen;

namespace {

enum Shape { Wide, Balanced, Deep, Japanese };

// Mostly distinct labels with mnemonics; every tenth repeats ("Open"), which
// exercises the numbering of repeated identifiers.
QString Label(Shape shape, int i)
{
    if (shape == Japanese)
        return (i % 2) ? QStringLiteral("保存(&S)") : QStringLiteral("ファイル(&F)");
    if (i % 10 == 0)
        return QStringLiteral("&Open");
    return QStringLiteral("Item&%1").arg(i);
}

// Wide: ten menus sharing the entries. Balanced: every menu has four
// children, filled level by level. Deep: chains of menus twelve levels deep,
// each level holding one entry besides the next menu.
MenuItemNode BuildTree(Shape shape, int nodes)
{
    MenuItemNode root{QStringLiteral("JMenuBar"), {}};
    int made = 0;
    auto add = [&](MenuItemNode& parent) -> MenuItemNode& {
        parent.children.push_back({Label(shape, made++), {}});
        return parent.children.back();
    };
    if (shape == Wide || shape == Japanese) {
        for (int m = 0; m < 10; ++m)
            add(root);
        for (int i = 0; made < nodes; ++i)
            add(root.children[i % 10]);
    } else if (shape == Balanced) {
        std::deque<MenuItemNode*> open{&root};
        while (made < nodes) {
            MenuItemNode* parent = open.front();
            open.pop_front();
            for (int i = 0; i < 4 && made < nodes; ++i)
                add(*parent);
            for (MenuItemNode& child : parent->children)
                open.push_back(&child);
        }
    } else {
        while (made < nodes) {
            MenuItemNode* menu = &root;
            for (int depth = 0; depth < 12 && made + 2 <= nodes; ++depth) {
                add(*menu);
                menu = &add(*menu);
            }
            if (made < nodes)
                add(*menu);
        }
    }
    return root;
}

void MenuBar(benchmark::State& state)
{
    const MenuItemNode tree = BuildTree(static_cast<Shape>(state.range(0)), static_cast<int>(state.range(1)));
    qsizetype chars = 0;
    for (auto _ : state) {
        ClassSections sections;
        GenerateMenuBar(tree, true, sections);
        chars = sections.fieldDecls.size() + sections.initBody.size() + sections.methodText.size();
        benchmark::DoNotOptimize(sections.methodText.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
    state.counters["output_chars"] = static_cast<double>(chars);
}

void ClassWithMenuBar(benchmark::State& state)
{
    ClassChoices choices;
    choices.fileName = QStringLiteral("Big.java");
    choices.className = QStringLiteral("Big");
    choices.superclass = SuperclassKind::JFrame;
    choices.interfaces[ActionListenerIf] = true;
    choices.comments = true;
    choices.withMenuBar = true;
    choices.menuTree = BuildTree(static_cast<Shape>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const QString text = GenerateClassSource(choices);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
}

void TreeSizes(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"shape", "nodes"});
    for (const Shape shape : {Wide, Balanced, Deep, Japanese}) {
        for (const int nodes : {1000, 10000, 100000})
            bench->Args({shape, nodes});
    }
    bench->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(MenuBar)->Apply(TreeSizes);
BENCHMARK(ClassWithMenuBar)->Apply(TreeSizes);

BENCHMARK_MAIN();
