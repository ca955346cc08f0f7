#pragma once
// One read-only text of a case (its input, the expected output or the
// program's output), bounded so that a long text shows at once, with the
// first differing line marked, the differing characters highlighted and
// what cannot be seen made visible: full-width digits and spaces, a trailing
// blank, a missing line end at the end.
#include "output/BoundedText.h"

#include <QPlainTextEdit>

namespace output {

class CaseTextPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CaseTextPane(QWidget* parent = nullptr);

    // focusLine from 1 (0: none); differing is the part of that line to
    // highlight. Full-width digits, letters and spaces are marked when asked.
    void ShowText(QStringView text, int focusLine = 0, CharRange differing = {}, bool markFullWidth = false);
    // A text that cannot be shown: the reason, greyed.
    void ShowNotice(const QString& notice);
    bool IsCut() const { return m_cut; }
    // The block holding the marked line; -1 when none is shown.
    int FocusBlock() const { return m_focusBlock; }
    // The characters highlighted on the marked line (block positions), and
    // the full-width characters marked anywhere.
    CharRange Highlighted() const { return m_highlighted; }
    int FullWidthMarks() const { return m_fullWidthMarks; }
    // Puts the cursor on the marked line and shows it.
    void ShowFocus();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Mark();
    QTextCharFormat GreyFormat() const;

    TextExcerpt m_excerpt;
    CharRange m_differing;
    CharRange m_highlighted;
    int m_focusBlock = -1;
    int m_fullWidthMarks = 0;
    bool m_cut = false;
    bool m_markFullWidth = false;
};

}  // namespace output
