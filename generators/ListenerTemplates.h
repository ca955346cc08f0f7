#pragma once
// The listener stubs that the Applet and the class sources write alike.
#include "generators/TemplateText.h"

#include <QString>
#include <span>

namespace gen {

// keyPressed shows a switch over the arrow keys as a comment: the Applet
// comments out each line with "//", the class the whole switch with "/* */".
enum class CommentMarks { EachLine, Block };

// Where kKeyMethods holds that switch (written with comments on only).
inline constexpr char16_t kKeySwitchSlot[] = u"<key switch>";
void AppendKeySwitch(QString& out, CommentMarks marks);

// AppendLines for a listener's methods, with the key switch in its slot.
void AppendListenerLines(QString& out, std::span<const TemplateLine> lines, bool comments, CommentMarks marks);

inline constexpr TemplateLine kKeyRegistration[] = {{u"\t\taddKeyListener(this);\n"}, {u"\t\trequestFocus();\n"}};
inline constexpr TemplateLine kKeyMethods[] = {
    {u"\n"},
    {u"\tpublic void keyTyped(KeyEvent e) {\n"},
    {u"\t\t//TODO: キーがタイプされた時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void keyPressed(KeyEvent e) {\n"},
    {u"\t\t//TODO: キーが押された時の処理を書いてください\n", true},
    {kKeySwitchSlot, true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void keyReleased(KeyEvent e) {\n"},
    {u"\t\t//TODO: キーが離された時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
};

inline constexpr TemplateLine kMouseMethods[] = {
    {u"\n"},
    {u"\tpublic void mouseClicked(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスがクリックされた時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void mousePressed(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスが押された時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void mouseReleased(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスが離された時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void mouseEntered(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスがフォーカスに入った時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void mouseExited(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスがフォーカスから出た時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
};

inline constexpr TemplateLine kMotionMethods[] = {
    {u"\n"},
    {u"\tpublic void mouseDragged(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスがドラッグされた時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
    {u"\n"},
    {u"\tpublic void mouseMoved(MouseEvent e) {\n"},
    {u"\t\t//TODO: マウスが移動した時の処理を書いてください\n", true},
    {u"\n"},
    {u"\t}\n"},
};

}  // namespace gen
