#include "output/SavedPlacement.h"

#include "output/WindowPlacement.h"
#include "settings/SettingFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace output {

namespace {

enum ShowState { kNormal = 1, kMinimized = 2, kMaximized = 3 };

// The frame last measured on a shown window of this kind.
QSize s_frame;

QSize FrameExtent(const QWidget* window) { return window->frameGeometry().size() - window->size(); }

// The owner's screen first.
QList<QRect> AvailableScreens(const QWidget* window)
{
    const QScreen* preferred =
        window->parentWidget() ? window->parentWidget()->screen() : QGuiApplication::primaryScreen();
    QList<QRect> screens;
    if (preferred)
        screens << preferred->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != preferred)
            screens << screen->availableGeometry();
    }
    return screens;
}

}  // namespace

SavedPlacement::SavedPlacement(QWidget* window, QString section)
    : m_window(window)
    , m_section(std::move(section))
{
    m_window->installEventFilter(this);
}

// Before the first show the frame is not known yet: the last measured one is
// taken, else the owner's (same decorations), else the platform window's own.
void SavedPlacement::Restore()
{
    const settings::SettingFile settings;
    using namespace settings::ini;
    const QString keys[] = {Placement::Top, Placement::Bottom, Placement::Left, Placement::Right};
    for (const QString& key : keys) {
        if (settings.ReadString(m_section, key, {}).isEmpty())
            return;
    }
    const QRect current = m_window->frameGeometry();
    const int top = settings.ReadInt(m_section, keys[0], current.top());
    const int bottom = settings.ReadInt(m_section, keys[1], current.top() + current.height());
    const int left = settings.ReadInt(m_section, keys[2], current.left());
    const int right = settings.ReadInt(m_section, keys[3], current.left() + current.width());
    m_frame = s_frame;
    if (m_frame.isEmpty() && m_window->parentWidget())
        m_frame = FrameExtent(m_window->parentWidget()->window());
    if (m_frame.isEmpty()) {
        m_window->winId();  // creates the platform window
        m_frame = FrameExtent(m_window);
    }
    const QRect stored(left, top, qMax(0, right - left), qMax(0, bottom - top));
    m_restored = FitOnScreens(stored, AvailableScreens(m_window), m_window->minimumSize() + m_frame);
    m_window->move(m_restored.topLeft());
    m_window->resize(m_restored.size() - m_frame);
}

void SavedPlacement::Shown()
{
    m_shown = true;
    QTimer::singleShot(0, m_window, [this] { FitFrame(); });
}

// The window manager moves the window when it puts its frame around it.
bool SavedPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Move && m_shown && !m_fitted)
        FitFrame();
    return false;
}

void SavedPlacement::FitFrame()
{
    const QSize frame = FrameExtent(m_window);
    if (frame.isEmpty())
        return;
    m_fitted = true;
    if (frame == m_frame)
        return;
    s_frame = m_frame = frame;
    if (m_restored.isValid() && !m_window->isMaximized()) {
        m_window->move(m_restored.topLeft());
        m_window->resize(m_restored.size() - frame);
    }
}

void SavedPlacement::Store()
{
    if (!m_shown || !m_window->isVisible())
        return;
    // Closed before its frame came: still the rectangle it was given, which the frame measured now would misplace.
    if (!m_fitted && m_restored.isValid() && m_window->size() == m_restored.size() - m_frame) {
        Write(m_restored, kNormal);
        return;
    }
    const QSize frame = FrameExtent(m_window).isEmpty() ? m_frame : FrameExtent(m_window);
    if (!frame.isEmpty())
        s_frame = frame;
    const bool maximized = m_window->isMaximized();
    const bool minimized = m_window->isMinimized();
    const QRect normal = maximized || minimized ? m_window->normalGeometry() : m_window->geometry();
    if (normal.width() < m_window->minimumWidth() || normal.height() < m_window->minimumHeight())
        return;
    const QPoint offset = m_window->geometry().topLeft() - m_window->frameGeometry().topLeft();
    Write(QRect(normal.topLeft() - offset, normal.size() + frame), minimized   ? kMinimized
                                                                   : maximized ? kMaximized
                                                                               : kNormal);
}

void SavedPlacement::Write(const QRect& outer, int showState) const
{
    using namespace settings::ini;
    const auto value = [this](const QString& key, int number) {
        return settings::SettingValue(m_section, key, QString::number(number));
    };
    settings::SettingFile().WriteValues(
        {value(Placement::Top, outer.top()), value(Placement::Bottom, outer.top() + outer.height()),
         value(Placement::Left, outer.left()), value(Placement::Right, outer.left() + outer.width()),
         value(Placement::Max, showState)});
}

}  // namespace output
