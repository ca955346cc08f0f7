package tarnwick.appletviewer;

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.Frame;
import java.awt.Image;
import java.awt.Label;
import java.awt.Point;
import java.awt.Toolkit;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.InvocationTargetException;
import java.net.MalformedURLException;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.Iterator;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.ThreadFactory;

/**
 * One applet in a window of its own, titled with its class, with a status line. The life-cycle
 * calls run in order on the applet's own thread, as in browsers; the window's events only queue
 * them.
 */
@SuppressWarnings({"removal", "deprecation"})
final class AppletWindow implements AppletStub {
    private static final int CASCADE = 30;

    private final Page page;
    private final AppletTag tag;
    private final int index;
    private final String className;
    private final URL codeBase;
    private final List<URL> archives = new ArrayList<>();
    private final ExecutorService thread;
    private final Frame frame = new Frame();
    private final Label status = new StatusLine();
    private final Context context = new Context();
    private volatile Applet applet;
    private volatile boolean active;
    private volatile boolean loaded;

    AppletWindow(Page page, AppletTag tag, int index) throws MalformedURLException {
        this.page = page;
        this.tag = tag;
        this.index = index;
        this.className = tag.className();
        String base = tag.attribute("codebase");
        URL codeBase = new URL(page.documentBase(), base == null || base.trim().isEmpty() ? "./" : base.trim());
        if (!codeBase.getPath().endsWith("/")) {
            codeBase = new URL(codeBase, codeBase.getPath() + "/");
        }
        this.codeBase = codeBase;
        String archive = tag.attribute("archive");
        if (archive != null) {
            for (String name : archive.split(",")) {
                if (!name.trim().isEmpty()) {
                    archives.add(new URL(codeBase, name.trim()));
                }
            }
        }
        this.thread = Executors.newSingleThreadExecutor(new ThreadFactory() {
            @Override
            public Thread newThread(Runnable r) {
                Thread t = new Thread(r, "applet-" + AppletWindow.this.className);
                t.setDaemon(true);
                return t;
            }
        });
    }

    Frame frame() {
        return frame;
    }

    AppletTag tag() {
        return tag;
    }

    Applet applet() {
        return loaded ? applet : null;
    }

    String className() {
        return className;
    }

    // Anonymous classes rather than lambdas here and below: the first lambdas
    // cost tens of milliseconds of start-up, more where class data sharing is
    // off (a patched java.desktop turns it off).
    void open() {
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                showFrame();
            }
        });
        thread.execute(new Runnable() {
            @Override
            public void run() {
                load();
            }
        });
    }

    private void showFrame() {
        frame.setTitle(className);
        frame.setLayout(new BorderLayout());
        frame.add(status, BorderLayout.SOUTH);
        status.setText(" ");
        frame.setLocation(page.report().enabled() ? page.report().placeSideBySide(tag.width())
                                                  : new Point(CASCADE * index, CASCADE * index));
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowIconified(WindowEvent e) {
                thread.execute(new Runnable() {
                    @Override
                    public void run() {
                        if (active) {
                            stop();
                        }
                    }
                });
            }

            @Override
            public void windowDeiconified(WindowEvent e) {
                thread.execute(new Runnable() {
                    @Override
                    public void run() {
                        if (loaded && !active) {
                            start();
                        }
                    }
                });
            }

            @Override
            public void windowClosing(WindowEvent e) {
                thread.execute(new Runnable() {
                    @Override
                    public void run() {
                        close();
                    }
                });
            }
        });
    }

    private void load() {
        Class<?> type;
        try {
            type = Class.forName(className, false, page.loaderFor(codeBase, archives));
        } catch (ClassNotFoundException | NoClassDefFoundError e) {
            fail(Messages.classNotFound(className, codeBase.toString()));
            return;
        } catch (UnsupportedClassVersionError e) {
            fail(Messages.tooNew(className));
            return;
        } catch (LinkageError | RuntimeException e) {
            e.printStackTrace();
            fail(Messages.cannotCreate(className, e));
            return;
        }
        if (!Applet.class.isAssignableFrom(type)) {
            fail(Messages.notAnApplet(className));
            return;
        }
        try {
            applet = (Applet) type.getDeclaredConstructor().newInstance();
        } catch (InvocationTargetException e) {
            e.getCause().printStackTrace();
            fail(Messages.cannotCreate(className, e.getCause()));
            return;
        } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
            e.printStackTrace();
            fail(Messages.cannotCreate(className, e));
            return;
        }
        applet.setStub(this);
        onEventQueue(new Runnable() {
            @Override
            public void run() {
                applet.setPreferredSize(new Dimension(tag.width(), tag.height()));
                applet.setSize(tag.width(), tag.height());
                frame.add(applet, BorderLayout.CENTER);
                frame.pack();
                frame.setVisible(true);
            }
        });
        loaded = true;
        lifeCycle("init");
        onEventQueue(new Runnable() {
            @Override
            public void run() {
                applet.validate();
                applet.repaint();
            }
        });
        start();
        page.report().started(this, index);
    }

    private void start() {
        active = true;
        if (lifeCycle("start")) {
            showStatus("アプレットを開始しました");
        }
    }

    private void stop() {
        active = false;
        if (lifeCycle("stop")) {
            showStatus("アプレットを停止しました");
        }
    }

    private void close() {
        if (loaded) {
            if (active) {
                stop();
            }
            lifeCycle("destroy");
        }
        onEventQueue(new Runnable() {
            @Override
            public void run() {
                if (loaded) {
                    frame.remove(applet);
                }
                frame.dispose();
            }
        });
        page.closed(this);
    }

    /** Runs one call of the applet; true when it returned normally. */
    private boolean lifeCycle(String name) {
        page.report().line(name + " " + className);
        try {
            switch (name) {
                case "init": applet.init(); break;
                case "start": applet.start(); break;
                case "stop": applet.stop(); break;
                default: applet.destroy(); break;
            }
            return true;
        } catch (Throwable thrown) {
            showException(name, thrown, true);
            return false;
        }
    }

    void showException(String where, Throwable thrown, boolean print) {
        if (print) {
            System.err.println(className + "." + where + ":");
            thrown.printStackTrace();
        }
        String message = Messages.thrown(where, thrown);
        page.report().line("exception " + className + " " + where + " " + Messages.describe(thrown));
        showStatus(message);
    }

    private void fail(String message) {
        System.err.println(message);
        page.report().line("error " + message);
        onEventQueue(new Runnable() {
            @Override
            public void run() {
                Label shown = new Label(message, Label.CENTER);
                shown.setForeground(Color.red.darker());
                shown.setPreferredSize(new Dimension(Math.max(tag.width(), 420), tag.height()));
                frame.add(shown, BorderLayout.CENTER);
                status.setText(message);
                frame.pack();
                frame.setVisible(true);
            }
        });
        page.report().started(this, index);
    }

    private static void onEventQueue(Runnable task) {
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

    private void showStatus(String text) {
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                status.setText(text == null || text.isEmpty() ? " " : text);
            }
        });
    }

    // AppletStub

    @Override
    public boolean isActive() {
        return active;
    }

    @Override
    public URL getDocumentBase() {
        return page.documentBase();
    }

    @Override
    public URL getCodeBase() {
        return codeBase;
    }

    @Override
    public String getParameter(String name) {
        return tag.parameter(name);
    }

    @Override
    public AppletContext getAppletContext() {
        return context;
    }

    @Override
    public void appletResize(int width, int height) {
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                applet.setPreferredSize(new Dimension(width, height));
                frame.pack();
            }
        });
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

    /** What the applet sees of its page. */
    private final class Context implements AppletContext {
        @Override
        public AudioClip getAudioClip(URL url) {
            return new ViewerAudioClip(url);
        }

        @Override
        public Image getImage(URL url) {
            return Toolkit.getDefaultToolkit().createImage(url);
        }

        @Override
        public Applet getApplet(String name) {
            return page.applet(name);
        }

        @Override
        public Enumeration<Applet> getApplets() {
            return Collections.enumeration(page.applets());
        }

        @Override
        public void showDocument(URL url) {
            page.showDocument(url, null);
        }

        @Override
        public void showDocument(URL url, String target) {
            page.showDocument(url, target);
        }

        @Override
        public void showStatus(String text) {
            page.report().line("status " + className + " " + text);
            AppletWindow.this.showStatus(text);
        }

        @Override
        public void setStream(String key, InputStream stream) throws IOException {
            synchronized (page.streams()) {
                if (stream == null) {
                    page.streams().remove(key);
                } else {
                    page.streams().put(key, stream);
                }
            }
        }

        @Override
        public InputStream getStream(String key) {
            synchronized (page.streams()) {
                return page.streams().get(key);
            }
        }

        @Override
        public Iterator<String> getStreamKeys() {
            synchronized (page.streams()) {
                return new ArrayList<>(page.streams().keySet()).iterator();
            }
        }
    }
}
