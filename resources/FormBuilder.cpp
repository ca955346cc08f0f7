#include "resources/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

namespace resources {

QFont DialogFont()
{
    // Resolved once: naming one installed family spares the font matcher a
    // search through every missing one.
    static const QFont font = [] {
        // IPAPGothic shares the metrics of the classic dialog font, so the forms
        // keep their proportions; Noto's wider kana need more room. Fontconfig
        // lists a family under its name in the user's language ("IPA Pゴシック"
        // in a Japanese locale), so each family is known by all its names.
        static const char* const families[][2] = {{"ＭＳ Ｐゴシック", "MS PGothic"}, {"IPAPGothic", "IPA Pゴシック"},
                                                  {"Noto Sans CJK JP", nullptr},     {"Noto Sans JP", nullptr},
                                                  {"VL PGothic", "VL Pゴシック"},    {"Droid Sans Fallback", nullptr}};
        // The installed names are in memory once fontconfig has loaded; asking
        // for a missing name instead costs a fontconfig substitution each.
        const QStringList installed = QFontDatabase::families();
        QFont chosen;
        for (const auto& names : families) {
            const auto found = std::find_if(std::begin(names), std::end(names), [&](const char* name) {
                return name && installed.contains(QString::fromUtf8(name), Qt::CaseInsensitive);
            });
            if (found != std::end(names)) {
                chosen = QFont(QString::fromUtf8(*found));
                break;
            }
        }
        chosen.setPointSize(9);
        return chosen;
    }();
    return font;
}

DialogUnits DialogUnits::For(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.baseX = std::max(1, (width / 26 + 1) / 2);
    units.baseY = std::max(1, metrics.height());
    return units;
}

QRect DialogUnits::Map(const QRect& du) const { return QRect(X(du.x()), Y(du.y()), X(du.width()), Y(du.height())); }

QString ControlObjectName(int id) { return QStringLiteral("id%1").arg(id); }

namespace {

// A read-only edit shows the form's own colour, not the colour of a place to
// type, as read-only edits of the classic forms do.
void ShowAsReadOnly(QLineEdit* edit)
{
    QPalette palette = edit->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
    edit->setPalette(palette);
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* host)
{
    if (c.Has("multiline")) {
        auto* edit = new QPlainTextEdit(host);
        edit->setReadOnly(c.Has("readonly"));
        return edit;
    }
    auto* edit = new QLineEdit(host);
    edit->setReadOnly(c.Has("readonly"));
    if (c.Has("readonly"))
        ShowAsReadOnly(edit);
    edit->setFrame(!c.Has("noborder"));
    if (c.Has("noborder"))
        edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return edit;
}

// The styles draw no focus frame on a flat button (it has no bevel to put
// one on), so Tab would move through the shortcut buttons unseen: the
// button draws the style's own frame while it has the keyboard focus.
class FlatButton final : public QPushButton {
public:
    FlatButton(const QString& text, QWidget* parent)
        : QPushButton(text, parent)
    {
        setFlat(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        if (!hasFocus())
            return;
        QStyleOptionButton button;
        initStyleOption(&button);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);  // the style shows it only after keyboard use
        frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
        frame.backgroundColor = palette().color(QPalette::Button);
        QStylePainter(this).drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
};

QWidget* MakeButton(const ControlTemplate& c, QWidget* host)
{
    auto* button = c.kind == QLatin1String("flatbutton") ? new FlatButton(c.text, host) : new QPushButton(c.text, host);
    button->setDefault(c.Has("default"));
    button->setAutoDefault(c.Has("default"));
    return button;
}

QWidget* MakeTree(const ControlTemplate& c, QWidget* host)
{
    auto* tree = new QTreeWidget(host);
    tree->setHeaderHidden(c.kind == QLatin1String("tree"));
    if (c.kind == QLatin1String("listview")) {
        tree->setRootIsDecorated(false);
        tree->setAllColumnsShowFocus(true);
    }
    return tree;
}

QWidget* MakeIcon(QWidget* host)
{
    auto* label = new QLabel(host);
    label->setPixmap(AppIcon().pixmap(32, 32));
    return label;
}

QWidget* MakeControl(const ControlTemplate& c, QWidget* host)
{
    const QString& k = c.kind;
    if (k == QLatin1String("group"))
        return new QGroupBox(c.text, host);
    if (k == QLatin1String("label"))
        return new QLabel(c.text, host);
    if (k == QLatin1String("edit"))
        return MakeEdit(c, host);
    if (k == QLatin1String("button") || k == QLatin1String("flatbutton"))
        return MakeButton(c, host);
    if (k == QLatin1String("check"))
        return new QCheckBox(c.text, host);
    if (k == QLatin1String("radio"))
        return new QRadioButton(c.text, host);
    if (k == QLatin1String("combo"))
        return new QComboBox(host);
    if (k == QLatin1String("listbox"))
        return new QListWidget(host);
    if (k == QLatin1String("listview") || k == QLatin1String("tree"))
        return MakeTree(c, host);
    if (k == QLatin1String("tab"))
        return new QTabWidget(host);
    if (k == QLatin1String("swatch")) {
        auto* frame = new QFrame(host);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    if (k == QLatin1String("icon"))
        return MakeIcon(host);
    return new QLabel(c.text, host);
}

}  // namespace

void Form::Build(QWidget* host, const FormTemplate& form)
{
    const QFont font = DialogFont();
    host->setFont(font);
    host->setWindowTitle(form.title);
    m_units = DialogUnits::For(font);
    m_clientSize = QSize(m_units.X(form.size.width()), m_units.Y(form.size.height()));
    for (const ControlTemplate& c : form.controls) {
        QWidget* widget = MakeControl(c, host);
        widget->setGeometry(m_units.Map(c.rect));
        widget->setEnabled(!c.Has("disabled"));
        if (c.Has("hidden"))
            widget->hide();
        if (c.id != 0) {
            widget->setObjectName(ControlObjectName(c.id));
            m_controls.insert(c.id, widget);
        }
    }
}

namespace {

// Draws the program's icon at whatever size is asked, when it is asked.
class AppIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        DrawIcon(*painter, std::min(rect.width(), rect.height()));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new AppIconEngine; }

private:
    static void DrawIcon(QPainter& painter, qreal s)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x1f, 0x5f, 0x8b));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
        // A steaming cup: the tool's business is Java.
        painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
        painter.drawRoundedRect(QRectF(s * 0.22, s * 0.42, s * 0.44, s * 0.38), s * 0.06, s * 0.06);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0xf4, 0xf1, 0xe8), s * 0.07));
        painter.drawArc(QRectF(s * 0.58, s * 0.48, s * 0.2, s * 0.2), -90 * 16, 180 * 16);
        painter.setPen(QPen(QColor(0xe8, 0x8a, 0x2e), s * 0.06, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {0.34, 0.5}) {
            QPainterPath steam;
            steam.moveTo(s * x, s * 0.34);
            steam.cubicTo(s * (x - 0.06), s * 0.27, s * (x + 0.06), s * 0.2, s * x, s * 0.12);
            painter.drawPath(steam);
        }
    }
};

}  // namespace

const QIcon& AppIcon()
{
    static const QIcon icon(new AppIconEngine);
    return icon;
}

}  // namespace resources
