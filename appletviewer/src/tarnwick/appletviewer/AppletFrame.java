package tarnwick.appletviewer;

import java.applet.Applet;
import java.awt.AWTEvent;
import java.awt.BorderLayout;
import java.awt.Component;
import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.Frame;
import java.awt.Label;
import java.awt.Panel;
import java.awt.Point;
import java.awt.event.WindowEvent;
import java.lang.reflect.InvocationTargetException;

/**
 * An applet's window: titled with its class, the applet (or why there is none) in the middle,
 * a status line below. Its events go to the host, which queues the applet's calls.
 */
@SuppressWarnings({"removal", "deprecation"})
final class AppletFrame extends Frame {
    private static final long serialVersionUID = 1L;

    private final transient AppletHost host;
    private final Label status = new StatusLine();
    private final Panel stage = new Stage();

    AppletFrame(AppletHost host) {
        this.host = host;
        enableEvents(AWTEvent.WINDOW_EVENT_MASK);
    }

    /** On the event thread. */
    void prepare(String title, Point place) {
        setTitle(title);
        setLayout(new BorderLayout());
        add(stage, BorderLayout.CENTER);
        add(status, BorderLayout.SOUTH);
        setLocation(place);
    }

    /**
     * On the event thread: the window shows with the applet in place but hidden, so that init
     * finds its size and a peer (createImage needs one) while AWT cannot yet paint it.
     */
    void placeApplet(Applet applet, int width, int height) {
        applet.setVisible(false);
        applet.setPreferredSize(new Dimension(width, height));
        applet.setSize(width, height);
        stage.add(applet);
        pack();
        setVisible(true);
    }

    /** On the event thread, once init has returned. */
    void revealApplet(Applet applet) {
        applet.setVisible(true);
        validate();
        applet.repaint();
    }

    /** On the event thread: why there is no applet, wrapped within the applet's area. */
    void showFailure(String message, int width, int height) {
        stage.add(new MessageArea(message, width, height));
        status.setText(message);
        pack();
        setVisible(true);
    }

    void resizeApplet(Applet applet, int width, int height) {
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                applet.setPreferredSize(new Dimension(width, height));
                pack();
            }
        });
    }

    void showStatus(String text) {
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                status.setText(text == null || text.isEmpty() ? " " : text);
            }
        });
    }

    String statusText() {
        return status.getText();
    }

    /** Leaves the event thread free for a stuck applet's own window calls. */
    void close() {
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                dispose();
            }
        });
    }

    @Override
    protected void processWindowEvent(WindowEvent e) {
        super.processWindowEvent(e);
        if (e.getID() == WindowEvent.WINDOW_ICONIFIED) {
            host.minimised();
        } else if (e.getID() == WindowEvent.WINDOW_DEICONIFIED) {
            host.restored();
        } else if (e.getID() == WindowEvent.WINDOW_CLOSING) {
            host.closeRequested();
        }
    }

    /** Runs a task on the event thread and waits for it. */
    static void onEventQueue(Runnable task) {
        if (EventQueue.isDispatchThread()) {
            task.run();
            return;
        }
        try {
            EventQueue.invokeAndWait(task);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        } catch (InvocationTargetException e) {
            e.getCause().printStackTrace();
        }
    }

    /** Holds the applet at its size, also while it is hidden (a layout would leave it out). */
    private static final class Stage extends Panel {
        private static final long serialVersionUID = 1L;

        Stage() {
            super(null);
        }

        @Override
        public Dimension getPreferredSize() {
            return getComponentCount() == 0 ? new Dimension(0, 0) : getComponent(0).getPreferredSize();
        }

        @Override
        public void doLayout() {
            for (Component shown : getComponents()) {
                shown.setBounds(0, 0, getWidth(), getHeight());
            }
        }
    }

    /** A status line as wide as the applet: a long message is cut, it never widens the window. */
    private static final class StatusLine extends Label {
        private static final long serialVersionUID = 1L;

        StatusLine() {
            super(" ");
        }

        @Override
        public Dimension getPreferredSize() {
            return new Dimension(1, super.getPreferredSize().height);
        }

        @Override
        public Dimension getMinimumSize() {
            return getPreferredSize();
        }
    }
}
