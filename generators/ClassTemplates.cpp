#include "generators/ClassTemplates.h"

#include "generators/ListenerTemplates.h"

namespace gen {

const char16_t kMenuDispatchSlot[] = u"<menu dispatch>";
const char16_t kExitSlot[] = u"<exit>";

namespace {

constexpr bool C = true;  // written only with comments on

constexpr const char16_t* kImports[ImportCount] = {
    u"import javax.swing.*;\n", u"import java.awt.*;\n", u"import java.awt.event.*;\n", u"import java.awt.image.*;\n",
    u"import java.io.*;\n",     u"import java.net.*;\n", u"import java.util.*;\n",      u"import java.applet.*;\n",
    u"import java.beans.*;\n",  u"import java.rmi.*;\n",
};

constexpr TemplateLine kFrameInit[] = {
    {u"\t\tsetTitle(\"JavaFrame\");\n"},
    {u"\t\t//大きさを設定します\n", C},
    {u"\t\tint width = 400;\n"},
    {u"\t\tint height = 300;\n"},
    {u"\t\tDimension d = Toolkit.getDefaultToolkit().getScreenSize();\n"},
    {u"\t\tsetBounds(d.width/2 - width/2, d.height/2 - height/2,width,height);\n"},
    {u"\t\t//TODO: コンポーネントを追加して下さい;\n", C},
    {u"\t\t//例:getContentPane().add(obj);\n", C},
};
constexpr TemplateLine kDialogInit[] = {
    {u"\t\tsetTitle(\"JavaDialog\");\n"},
    {u"\t\t//大きさを設定します\n", C},
    {u"\t\tint width = 400;\n"},
    {u"\t\tint height = 300;\n"},
    {u"\t\tDimension d = Toolkit.getDefaultToolkit().getScreenSize();\n"},
    {u"\t\tsetBounds(d.width/2 - width/2, d.height/2 - height/2,width,height);\n"},
    {u"\t\tsetSize(width,height);\n"},
    {u"\t\t//コンポーネントを追加して下さい;\n", C},
    {u"\t\t//例:getContentPane().add(obj);\n", C},
};
constexpr TemplateLine kWindowInit[] = {
    {u"\t\t//大きさを設定します\n", C},
    {u"\t\tint width = 400;\n"},
    {u"\t\tint height = 300;\n"},
    {u"\t\tDimension d = Toolkit.getDefaultToolkit().getScreenSize();\n"},
    {u"\t\tsetLocation(d.width/2 - width/2, d.height/2 - height/2);\n"},
    {u"\t\tsetSize(width,height);\n"},
    {u"\t\t//TODO: コンポーネントを追加して下さい;\n", C},
    {u"\t\t//例:getContentPane().add(obj);\n", C},
    {u"\t\tsetVisible(true);\n"},
};
constexpr TemplateLine kAdapter[] = {
    {u"\t\taddWindowListener(new WindowAdapter() {\n"},
    {u"\t\t\tpublic void windowClosing(WindowEvent e) {\n"},
    {u"\t\t\t\tSystem.exit(0);\n"},
    {u"\t\t\t}\n"},
    {u"\t\t});\n"},
};

// Indexed by SuperclassKind. A dialog centres on its parent, or on the screen
// when main() opens it without one.
const ClassSuperclass kSuperclasses[] = {
    {u"", u"\tpublic %s() {\n\t}\n", {}, false, false, false},
    {u" extends JFrame", u"\tpublic %s() {\n\t\tinitComponents();\n\t\tsetVisible(true);\n\t}\n", kFrameInit, true,
     true, true},
    {u" extends JDialog",
     u"\tpublic %s(Frame parent,boolean modal) {\n\t\tsuper(parent,modal);\n\t\tinitComponents();\n"
     u"\t\tsetLocationRelativeTo(parent);\n\t\tsetVisible(true);\n\t}\n",
     kDialogInit, true, true, true},
    {u" extends JPanel", u"\tpublic %s() {\n\t\tinitComponents();\n\t}\n", {}, true, false, false},
    {u" extends JWindow", u"\tpublic %s() {\n\t\tinitComponents();\n\t}\n", kWindowInit, true, false, false},
    {u" extends ", u"\tpublic %s() {\n\t}\n", {}, false, false, false},
};

constexpr TemplateLine kActionMethods[] = {
    {u"\n"},
    {u"\tpublic void actionPerformed(ActionEvent e) {\n"},
    {u"\t\t//JButton,JTextField,JMenuItemなどに関する処理を書いてください\n", C},
    {kMenuDispatchSlot},
    {u"\n"},
    {u"\t}\n"},
};
constexpr TemplateLine kItemMethods[] = {
    {u"\n"},
    {u"\tpublic void itemStateChanged(ItemEvent e) {\n"},
    {u"\t\t//JComboBox,JCheckBox,JListなどに関する処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
};

constexpr TemplateLine kMouseRegistration[] = {{u"\t\taddMouseListener(this);\n"}};

constexpr TemplateLine kMotionRegistration[] = {{u"\t\taddMouseMotionListener(this);\n"}};

constexpr TemplateLine kWindowRegistration[] = {{u"\t\taddWindowListener(this);\n"}};
constexpr TemplateLine kWindowMethods[] = {
    {u"\n"},
    {u"\tpublic void windowOpened(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウが開いた時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void windowClosing(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウを閉じる時の処理を書いてください\n", C},
    {kExitSlot},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void windowClosed(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウが閉じた時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void windowIconified(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウがアイコン化した時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void windowDeiconified(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウがアイコンから戻った時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void windowActivated(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウがアクティブになった時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void windowDeactivated(WindowEvent e) {\n"},
    {u"\t\t//TODO: ウインドウがアクティブでなくなった時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
};

constexpr TemplateLine kThreadRegistration[] = {{u"\t\tstart();\n"}};
constexpr TemplateLine kThreadFields[] = {
    {u"\tprivate Thread th = null; //スレッドオブジェクト宣言\n"},
    {u"\tprivate int delay = 100;  //スレッドの待ち時間\n"},
};
constexpr TemplateLine kThreadMethods[] = {
    {u"\n"},
    {u"\tpublic void start() {\n"},
    {u"\t\t//TODO: アプリケーションが開始する時の処理を書いてください\n", C},
    {u"\t\tth = new Thread(this);\n"},
    {u"\t\tth.start();\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void stop() {\n"},
    {u"\t\t//TODO: アプリケーションが停止する時の処理を書いてください\n", C},
    {u"\t\tth = null;\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void run() {\n"},
    {u"\t\t//スレッドに行わせる処理を書いてください\n", C},
    {u"\t\tThread me = Thread.currentThread();\n"},
    {u"\t\twhile (th == me) {\n"},
    {u"\t\t\ttry{\n"},
    {u"\t\t\t\tThread.currentThread().sleep(delay);\n"},
    {u"\t\t\t}catch (InterruptedException e) {\n"},
    {u"\t\t\t}\n"},
    {u"\t\t\t//処理の内容は大抵ここに書きます\n", C},
    {u"\n"},
    {u"\t\t\t//repaint();\n"},
    {u"\t\t}\n"},
    {u"\t}\n"},
};

constexpr TemplateLine kComponentRegistration[] = {{u"\t\taddComponentListener(this);\n"}};
constexpr TemplateLine kComponentMethods[] = {
    {u"\n"},
    {u"\tpublic void componentHidden(ComponentEvent e) {\n"},
    {u"\t\t//TODO: コンポーネントが不可視にされた時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void componentMoved(ComponentEvent e) {\n"},
    {u"\t\t//TODO: コンポーネントの位置が変わった時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void componentResized(ComponentEvent e) {\n"},
    {u"\t\t//TODO: コンポーネントのサイズが変わった時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void componentShown(ComponentEvent e) {\n"},
    {u"\t\t//TODO: コンポーネントが可視にされた時の処理を書いてください\n", C},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
};

// Indexed by ClassInterface.
const ClassInterfaceDef kInterfaces[] = {
    {u"\tActionListener", {}, {}, kActionMethods},
    {u"\tItemListener", {}, {}, kItemMethods},
    {u"\tKeyListener", kKeyRegistration, {}, kKeyMethods},
    {u"\tMouseListener", kMouseRegistration, {}, kMouseMethods},
    {u"\tMouseMotionListener", kMotionRegistration, {}, kMotionMethods},
    {u"\tWindowListener", kWindowRegistration, {}, kWindowMethods},
    {u"\tRunnable", kThreadRegistration, kThreadFields, kThreadMethods},
    {u"\tComponentListener", kComponentRegistration, {}, kComponentMethods},
};

}  // namespace

const std::span<const TemplateLine> kClosingAdapter = kAdapter;

std::span<const char16_t* const> ClassImportLines() { return kImports; }

const ClassSuperclass& ClassSuperclassOf(SuperclassKind kind) { return kSuperclasses[static_cast<int>(kind)]; }

const ClassInterfaceDef& ClassInterfaceOf(ClassInterface face) { return kInterfaces[face]; }

}  // namespace gen
