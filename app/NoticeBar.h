#pragma once
// A short note of the main window (a clean compile, a built archive, where
// javadoc writes): drawn over the empty strip beside the extend button in
// tooltip colours, so the form's layout stays; long text wraps and the note
// grows upward. It goes by itself after a while, or on a click.
#include <QTimer>
#include <QWidget>

namespace app {

class NoticeBar : public QWidget {
    Q_OBJECT
public:
    explicit NoticeBar(QWidget* parent);

    // strip: the room the note stands on, in the parent's coordinates.
    void Show(const QString& text, const QRect& strip);
    QString Text() const { return m_text; }
    // Where the text is drawn, wrapped to the note's width.
    QRect TextRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_text;
    QTimer m_timer;
};

}  // namespace app
