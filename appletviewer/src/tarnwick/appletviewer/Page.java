package tarnwick.appletviewer;

import java.applet.Applet;
import java.awt.Desktop;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/** The applets of one page: their windows, shared class loaders, streams and documents. */
@SuppressWarnings({"removal", "deprecation"})
final class Page {
    private final URL documentBase;
    private final Report report;
    private final List<AppletWindow> windows = new ArrayList<>();
    private final Map<String, URLClassLoader> loaders = new HashMap<>();
    private final Map<String, InputStream> streams = new HashMap<>();

    Page(URL documentBase, Report report) {
        this.documentBase = documentBase;
        this.report = report;
    }

    URL documentBase() {
        return documentBase;
    }

    Report report() {
        return report;
    }

    void open(AppletTag tag) throws MalformedURLException {
        AppletWindow window;
        synchronized (this) {
            window = new AppletWindow(this, tag, windows.size());
            windows.add(window);
        }
        window.open();
    }

    /** Applets with the same code base and archives share one loader, so they can talk. */
    synchronized ClassLoader loaderFor(URL codeBase, List<URL> archives) {
        String key = codeBase + "|" + archives;
        URLClassLoader loader = loaders.get(key);
        if (loader == null) {
            List<URL> urls = new ArrayList<>(archives);
            urls.add(codeBase);
            loader = new URLClassLoader(urls.toArray(new URL[0]), Page.class.getClassLoader());
            loaders.put(key, loader);
        }
        return loader;
    }

    synchronized Applet applet(String name) {
        for (AppletWindow window : windows) {
            String own = window.tag().attribute("name");
            if (own != null && own.equalsIgnoreCase(name) && window.applet() != null) {
                return window.applet();
            }
        }
        return null;
    }

    synchronized List<Applet> applets() {
        List<Applet> all = new ArrayList<>();
        for (AppletWindow window : windows) {
            if (window.applet() != null) {
                all.add(window.applet());
            }
        }
        return all;
    }

    Map<String, InputStream> streams() {
        return streams;
    }

    void closed(AppletWindow window) {
        boolean last;
        synchronized (this) {
            windows.remove(window);
            last = windows.isEmpty();
        }
        if (last) {
            report.line("exit");
            System.exit(0);
        }
    }

    /** An exception that left the applet's code on some thread: shown in its window. */
    void uncaught(Thread thread, Throwable thrown) {
        System.err.println("Exception in thread \"" + thread.getName() + "\"");
        thrown.printStackTrace();
        List<AppletWindow> targets = new ArrayList<>();
        synchronized (this) {
            for (AppletWindow window : windows) {
                if (mentions(thrown, window.className())) {
                    targets.add(window);
                }
            }
            if (targets.isEmpty()) {
                targets.addAll(windows);
            }
        }
        for (AppletWindow window : targets) {
            window.showException(thread.getName(), thrown, false);
        }
    }

    private static boolean mentions(Throwable thrown, String className) {
        for (Throwable t = thrown; t != null; t = t.getCause()) {
            for (StackTraceElement element : t.getStackTrace()) {
                if (element.getClassName().equals(className) || element.getClassName().startsWith(className + "$")) {
                    return true;
                }
            }
        }
        return false;
    }

    /** Opens the address in the desktop's browser, or with xdg-open where AWT cannot. */
    void showDocument(URL url, String target) {
        report.line("showDocument " + url + (target == null ? "" : " " + target));
        if (report.enabled()) {
            return;
        }
        Thread opener = new Thread(() -> {
            try {
                if (Desktop.isDesktopSupported() && Desktop.getDesktop().isSupported(Desktop.Action.BROWSE)) {
                    Desktop.getDesktop().browse(url.toURI());
                    return;
                }
            } catch (Exception e) {
                System.err.println(url + ": " + Messages.describe(e));
            }
            try {
                new ProcessBuilder("xdg-open", url.toString()).inheritIO().start();
            } catch (Exception e) {
                System.err.println(url + ": " + Messages.describe(e));
            }
        }, "showDocument");
        opener.setDaemon(true);
        opener.start();
    }
}
