package tarnwick.appletviewer;

import java.awt.Frame;
import java.awt.AWTException;
import java.awt.Rectangle;
import java.awt.Robot;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import javax.imageio.ImageIO;

/**
 * The test mode, chosen by the system property tarnwick.appletviewer.report (a folder): the
 * life-cycle calls and the messages are printed, each window is saved as a PNG after its applet
 * has started and painted (or hangs), and then minimised, restored and closed, with no person
 * needed.
 */
final class Report {
    private static final String PROPERTY = "tarnwick.appletviewer.report";
    private static final long PAINT_WAIT_MS = 400;
    private static final long STUCK_MS = 3000;

    private final File folder;
    private int nextLeft;

    private Report(File folder) {
        this.folder = folder;
    }

    static Report fromSystemProperties() {
        String value = System.getProperty(PROPERTY);
        return new Report(value == null || value.isEmpty() ? null : new File(value));
    }

    boolean enabled() {
        return folder != null;
    }

    /** Windows side by side, so that each snapshot shows only its own window. */
    synchronized java.awt.Point placeSideBySide(int width) {
        java.awt.Point place = new java.awt.Point(nextLeft, 0);
        nextLeft += width + 10;
        return place;
    }

    synchronized void line(String text) {
        if (enabled()) {
            System.out.println(text);
            System.out.flush();
        }
    }

    /**
     * Waits on a thread of its own until the applet has started or failed, or hangs in a call,
     * then saves the window and its status line, then minimises, restores and closes it.
     */
    void watch(AppletHost host) {
        if (!enabled()) {
            return;
        }
        Thread watcher = new Thread(() -> exercise(host), "report-" + host.className());
        watcher.setDaemon(true);
        watcher.start();
    }

    private void exercise(AppletHost host) {
        Frame frame = host.frame();
        try {
            while (!host.awaitSettled(100) && !host.callRunningLongerThan(STUCK_MS)) {
                // a call that runs this long is taken to never return
            }
            Thread.sleep(PAINT_WAIT_MS);
            java.awt.EventQueue.invokeAndWait(() -> frame.toFront());
            Thread.sleep(PAINT_WAIT_MS / 4);
            java.awt.Toolkit.getDefaultToolkit().sync();
            save(frame, host.index(), host.className());
            line("statusline " + host.className() + " " + host.frame().statusText());
        } catch (Exception e) {
            line("error snapshot " + Messages.describe(e));
        }
        java.awt.EventQueue.invokeLater(() -> {
            post(frame, WindowEvent.WINDOW_ICONIFIED);
            post(frame, WindowEvent.WINDOW_DEICONIFIED);
            post(frame, WindowEvent.WINDOW_CLOSING);
        });
    }

    private static void post(Frame frame, int id) {
        java.awt.Toolkit.getDefaultToolkit().getSystemEventQueue().postEvent(new WindowEvent(frame, id));
    }

    /** The window's pixels as they are on the screen, so native components show as drawn. */
    private void save(Frame frame, int index, String className) throws AWTException {
        Rectangle bounds = new Rectangle(frame.getLocationOnScreen(), frame.getSize());
        BufferedImage image = new Robot().createScreenCapture(bounds);
        File file = new File(folder, index + "-" + className + ".png");
        try {
            folder.mkdirs();
            ImageIO.write(image, "png", file);
            line("title " + frame.getTitle());
            line("snapshot " + file.getPath() + " " + frame.getWidth() + "x" + frame.getHeight());
        } catch (IOException e) {
            line("error snapshot " + Messages.describe(e));
        }
    }
}
