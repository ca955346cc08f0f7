#include "generators/AppletTemplates.h"

#include "generators/ListenerTemplates.h"

namespace gen {

namespace {

constexpr bool C = true;  // written only with comments on

constexpr AppletImport kImports[] = {
    {&AppletChoices::importAwtEvent, u"import java.awt.event.*;\n"},
    {&AppletChoices::importAwtImage, u"import java.awt.image.*;\n"},
    {&AppletChoices::importIo, u"import java.io.*;\n"},
    {&AppletChoices::importNet, u"import java.net.*;\n"},
    {&AppletChoices::importUtil, u"import java.util.*;\n"},
};

constexpr TemplateLine kFieldsHint[] = {{u"\t//TODO: この位置に変数の宣言をしてください\n", C}};
constexpr TemplateLine kInitHint[] = {{u"\t\t//TODO: ここに初期化の処理を書いてください\n", C}};
constexpr TemplateLine kPaintHint[] = {{u"\t\t//TODO: ここに描画用のコードを書いてください\n", C}};

constexpr TemplateLine kBufferFields[] = {
    {u"\tGraphics OSG; //オフスクリーングラフィックス\n"},
    {u"\tImage OSI;    //オフスクリーンイメージ\n"},
};
constexpr TemplateLine kBufferInit[] = {
    {u"\t\tOSI = createImage(getSize().width,getSize().height);\n"},
    {u"\t\tOSG = OSI.getGraphics();\n"},
    {u"\t\tOSG.setColor(Color.black);\n"},
    {u"\n"},
};
constexpr TemplateLine kBufferPaint[] = {
    {u"\t\tOSG.clearRect(0,0,getSize().width,getSize().height); //オフスクリーンの初期化\n"},
    {u"\t\t//TODO: この下にプログラムを書いてください\n", C},
    {u"\t\t//例:OSG.drawString(\"描画例\",10,10);\n", C},
    {u"\n"},
    {u"\t\t//ここまでにプログラムを書いてください\n", C},
    {u"\t\tg.drawImage(OSI,0,0,this);\n"},
};
constexpr TemplateLine kBufferMethods[] = {
    {u"\n"},
    {u"\tpublic void update(Graphics g) {\n"},
    {u"\t\tpaint(g);\n"},
    {u"\t}\n"},
};

constexpr TemplateLine kActionMethodHead[] = {
    {u"\n"},
    {u"\tpublic void actionPerformed(ActionEvent e) {\n"},
    {u"\t\t//TODO: Button,TextFieldなどに関する処理を書いてください\n", C},
};
constexpr TemplateLine kItemMethodHead[] = {
    {u"\n"},
    {u"\tpublic void itemStateChanged(ItemEvent e) {\n"},
    {u"\t\t//TODO: Choice,CheckBox,Listなどに関する処理を書いてください\n", C},
};

constexpr TemplateLine kMouseInit[] = {{u"\t\taddMouseListener(this);\n"}};

constexpr TemplateLine kMotionInit[] = {{u"\t\taddMouseMotionListener(this);\n"}};

constexpr TemplateLine kThreadFields[] = {
    {u"\tThread th = null; //スレッドオブジェクト宣言\n"},
    {u"\tint delay = 100;  //スレッドの待ち時間\n"},
};
constexpr TemplateLine kThreadMethods[] = {
    {u"\n"},
    {u"\tpublic void start() {\n"},
    {u"\t\t//TODO: アプレットが開始する時の処理を書いてください\n", C},
    {u"\t\tth = new Thread(this);\n"},
    {u"\t\tth.start();\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void stop() {\n"},
    {u"\t\t//TODO: アプレットが停止する時の処理を書いてください\n", C},
    {u"\t\tth = null;\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void run() {\n"},
    {u"\t\t//TODO: スレッドに処理させるプログラムを書いてください\n", C},
    {u"\t\tThread me = Thread.currentThread();\n"},
    {u"\t\twhile (th == me) {\n"},
    {u"\t\t\ttry{\n"},
    {u"\t\t\t\tThread.currentThread().sleep(delay);\n"},
    {u"\t\t\t}catch (InterruptedException e) {\n"},
    {u"\t\t\t}\n"},
    {u"\t\t\t//アプレットの場合はrepaint()をすることが多いです\n", C},
    {u"\n"},
    {u"\t\t\trepaint();\n"},
    {u"\t\t}\n"},
    {u"\t}\n"},
};

constexpr AppletInterface kInterfaces[] = {
    {&AppletChoices::actionListener, u"\tActionListener", {}, {}, kActionMethodHead, AppletChainKind::Action},
    {&AppletChoices::itemListener, u"\tItemListener", {}, {}, kItemMethodHead, AppletChainKind::Item},
    {&AppletChoices::keyListener, u"\tKeyListener", {}, kKeyRegistration, kKeyMethods},
    {&AppletChoices::mouseListener, u"\tMouseListener", {}, kMouseInit, kMouseMethods},
    {&AppletChoices::mouseMotionListener, u"\tMouseMotionListener", {}, kMotionInit, kMotionMethods},
    {&AppletChoices::runnable, u"\tRunnable", kThreadFields, {}, kThreadMethods},
};

}  // namespace

std::span<const AppletImport> AppletImports() { return kImports; }
std::span<const AppletInterface> AppletInterfaces() { return kInterfaces; }

const std::span<const TemplateLine> kAppletFieldsHint = kFieldsHint;
const std::span<const TemplateLine> kAppletInitHint = kInitHint;
const std::span<const TemplateLine> kAppletPaintHint = kPaintHint;
const std::span<const TemplateLine> kDoubleBufferFields = kBufferFields;
const std::span<const TemplateLine> kDoubleBufferInit = kBufferInit;
const std::span<const TemplateLine> kDoubleBufferPaint = kBufferPaint;
const std::span<const TemplateLine> kDoubleBufferMethods = kBufferMethods;

}  // namespace gen
