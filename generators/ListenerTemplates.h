#pragma once
// The listener stubs that the Applet and the class sources write alike.
#include "generators/TemplateText.h"

namespace gen {

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
