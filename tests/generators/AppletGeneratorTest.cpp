#include "generators/AppletGenerator.h"

#include "tests/generators/GeneratedText.h"

using namespace gen;

namespace {

using K = ComponentKind;

// Option bits, in the order of the flags that Applet() sets from them.
constexpr unsigned Action = 1, Item = 2, Key = 4, Mouse = 8, Runnable = 16, Comments = 32, Util = 64, Buffered = 128,
                   Red = 256, Adapter = 512;

AppletChoices Applet(QList<K> components = {}, unsigned opts = 0)
{
    AppletChoices c;
    c.fileName = "Foo.java";
    c.className = "Foo";
    bool* const flags[] = {&c.actionListener, &c.itemListener, &c.keyListener,     &c.mouseListener, &c.runnable,
                           &c.comments,       &c.importUtil,   &c.doubleBuffering, &c.background};
    for (size_t i = 0; i < std::size(flags); ++i)
        *flags[i] = opts & (1u << i);
    c.mouseMotionListener = c.mouseListener;
    c.style = (opts & Adapter) ? EventStyle::Adapter : EventStyle::Listener;
    c.components = std::move(components);
    c.backgroundColor = {255, 0, 0};
    return c;
}

TEST(AppletGenerator, LinesStandWhereTheTemplatesPutThem)
{
    const QList<K> unsorted = {K::RadioGroup, K::Choice, K::Choice};
    const std::pair<AppletChoices, std::vector<QStringList>> cases[] = {
        // Each link's closing brace is continued by the next link's " else if".
        {Applet({K::Button, K::Button, K::TextField}, Action),
         {{"\tpublic void actionPerformed(ActionEvent e) {", "\t\tif (e.getSource() == btn1) {", "",
           "\t\t} else if (e.getSource() == btn2) {", "", "\t\t} else if (e.getSource() == tf1) {", "", "\t\t}", "\t}",
           "}"}}},
        // Without comments a RadioGroup is two lines and no link.
        {Applet({K::RadioGroup, K::CheckBox}, Item),
         {{"", "\t\tchkgp1 = new CheckboxGroup();", "\t\tchk1 = new Checkbox(\"Label\");"},
          {"\tpublic void itemStateChanged(ItemEvent e) {", "\t\tif (e.getSource() == chk1) {", "", "\t\t}", "\t}"}}},
        // With comments its two links follow a real link as comments.
        {Applet({K::CheckBox, K::RadioGroup}, Item | Comments),
         {{"\t\t} //else if (e.getSource() == chk1_0) {", "\t\t\t//TODO: ここにchk1_0のイベントを書いてください"},
          {"\t\t//}", "", "\t}"}}},
        // A code link after only commented links opens with "if".
        {Applet(unsorted, Item | Comments),
         {{"\t\t//}", "\t\tif (e.getSource() == ch1) {"}, {"\t\t} else if (e.getSource() == ch2) {"}}},
    };
    for (const auto& [choices, blocks] : cases) {
        for (const QStringList& block : blocks)
            EXPECT_BLOCK(GenerateAppletSource(choices), block);
    }
}

// With comments off exactly the comment lines go: every other line, empty lines included, stays where it was.
TEST(AppletGenerator, CommentsOffDropsOnlyTheCommentLines)
{
    const QList<K> kinds = {K::Button, K::CheckBox, K::Choice, K::Label, K::List, K::TextField};
    const unsigned all = Action | Item | Key | Mouse | Runnable | Buffered | Red | Comments;
    for (AppletChoices c : {Applet(kinds, all), Applet(kinds + QList<K>{K::RadioGroup}, all | Adapter)}) {
        QStringList expected = Lines(GenerateAppletSource(c));
        expected.removeIf(
            [](const QString& line) { return line.startsWith(u'\t') && line.trimmed().startsWith("//"); });
        c.comments = false;
        EXPECT_EQ(Lines(GenerateAppletSource(c)), expected);
    }
}

}  // namespace
