import java.applet.Applet;
import java.awt.Component;
import java.awt.Container;
import java.awt.EventQueue;
import java.awt.Frame;
import java.awt.Graphics;
import java.awt.Window;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.net.URL;
import java.net.URLClassLoader;

/**
 * Runs a generated class as a user would and prints what they would see. "paint <classes> <Applet>...": the colour of
 * the middle of each applet after init and paint. "main <classes> <Class>": the window that main shows, then whether closing
 * it ends the program (exit status 0) or leaves it running (3); 2 when no window shows.
 */
@SuppressWarnings({"removal", "deprecation"})
public class RunGenerated {
    public static void main(String[] args) throws Exception {
        ClassLoader loader = new URLClassLoader(new URL[] {new File(args[1]).toURI().toURL()});
        Thread watchdog = new Thread(new Runnable() {
            @Override
            public void run() {
                try {
                    Thread.sleep(60000);
                } catch (InterruptedException e) {
                    return;
                }
                System.out.println("timed out");
                System.exit(4);
            }
        });
        watchdog.setDaemon(true);
        watchdog.start();
        try {
            for (int i = 2; i < args.length; ++i) {
                Class<?> type = Class.forName(args[i], true, loader);
                if (args[0].equals("paint")) {
                    paint(type);
                } else {
                    showMain(type);
                }
            }
        } catch (Throwable e) {
            e.printStackTrace();
            System.exit(1);
        }
        System.exit(0);
    }

    static void paint(Class<?> type) throws Exception {
        final Applet applet = (Applet) type.getDeclaredConstructor().newInstance();
        final Frame frame = new Frame();
        final BufferedImage image = new BufferedImage(200, 100, BufferedImage.TYPE_INT_RGB);
        // Hidden during init, as applet containers keep it, and on the event thread, so that nothing paints before.
        EventQueue.invokeAndWait(new Runnable() {
            @Override
            public void run() {
                applet.setVisible(false);
                frame.add(applet);
                applet.setSize(200, 100);
                frame.addNotify();  // peers for createImage, without showing anything
                applet.init();
                Graphics g = image.getGraphics();
                // As the window system does: the background first, then paint.
                g.setColor(applet.getBackground());
                g.fillRect(0, 0, 200, 100);
                applet.paint(g);
                g.dispose();
            }
        });
        System.out.printf("%06x%n", image.getRGB(100, 50) & 0xffffff);
        frame.dispose();
    }

    static void showMain(Class<?> type) throws Exception {
        type.getMethod("main", String[].class).invoke(null, (Object) new String[0]);
        for (int i = 0; i < 100; ++i) {
            for (Window window : Window.getWindows()) {
                if (window.isShowing()) {
                    System.out.println("window " + window.getClass().getSimpleName() + " holds the class: "
                            + holds(window, type));
                    window.dispatchEvent(new WindowEvent(window, WindowEvent.WINDOW_CLOSING));
                    Thread.sleep(5000);
                    System.out.println("still running");
                    System.exit(3);
                }
            }
            Thread.sleep(100);
        }
        System.out.println("no window");
        System.exit(2);
    }

    static boolean holds(Component component, Class<?> type) {
        if (type.isInstance(component)) {
            return true;
        }
        if (component instanceof Container) {
            for (Component child : ((Container) component).getComponents()) {
                if (holds(child, type)) {
                    return true;
                }
            }
        }
        return false;
    }
}
