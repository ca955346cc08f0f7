#include "dialogs/CAppletDialog.h"
#include "dialogs/CClassDialog.h"
#include "dialogs/CHtmlDialog.h"
#include "tests/dialogs/DialogTestSupport.h"

#include <QComboBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

// Renders each generator dialog as it opens and filled in, for people to look at.
namespace {

const QString kSample = QStringLiteral("/home/user/java/サンプル/Sample.java");

void ClickAll(QDialog& d, std::initializer_list<int> ids)
{
    for (int id : ids)
        Click(d.findChild<QWidget*>(QStringLiteral("id%1").arg(id)));
}

TEST(DialogGallery, RendersEachDialogOpenAndFilled)
{
    FakeUserDialogs user;
    user.files = {kSample, kSample};
    user.colors = {Rgb{0, 128, 192}};

    CAppletDialog applet;
    SaveToGallery(&applet, "applet_open");
    ClickAll(applet, {1013, 1017, 1022, 1024, 1029, 1041, 1042, 1043, 1048});
    auto* kinds = qobject_cast<QComboBox*>(applet.Control(1031));
    for (const char* kind : {"Button", "TextField", "Label", "Button"}) {
        kinds->setCurrentIndex(kinds->findText(QString::fromLatin1(kind)));
        ClickAll(applet, {1033});
    }
    SaveToGallery(&applet, "applet_filled");

    CHtmlDialog html;
    html.SetPageDefaults("Sample", "/home/user/java/", "SampleApplet", 400, 300);
    SaveToGallery(&html, "html_open");
    ClickAll(html, {1109, 1111});
    for (const auto& [name, value] : {std::pair{"speed", "10"}, std::pair{"title", "こんにちは"}}) {
        SetText(html.Control(1112), QString::fromUtf8(name));
        SetText(html.Control(1113), QString::fromUtf8(value));
        ClickAll(html, {1001});
    }
    SaveToGallery(&html, "html_filled");

    CClassDialog cls;
    SaveToGallery(&cls, "class_open");
    ClickAll(cls, {1056, 1015, 1076, 1027, 1083, 1104, 1048});
    auto* tree = qobject_cast<QTreeWidget*>(cls.Control(1103));
    const auto add = [&](QTreeWidgetItem* below, const char* label) {
        tree->clearSelection();
        below->setSelected(true);
        SetText(cls.Control(1105), QString::fromUtf8(label));
        ClickAll(cls, {1001});
    };
    add(tree->topLevelItem(0), "ファイル(&F)");
    add(tree->topLevelItem(0), "ヘルプ(&H)");
    for (const char* label : {"開く(&O)", "-", "終了(&X)"})
        add(tree->topLevelItem(0)->child(0), label);
    SaveToGallery(&cls, "class_filled");
}

}  // namespace
