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
    private final List<AppletHost> hosts = new ArrayList<>();
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
        AppletHost host;
        synchronized (this) {
            host = new AppletHost(this, tag, hosts.size());
            hosts.add(host);
        }
        host.open();
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
        for (AppletHost host : hosts) {
            String own = host.tag().attribute("name");
            if (own != null && own.equalsIgnoreCase(name) && host.applet() != null) {
                return host.applet();
            }
        }
        return null;
    }

    synchronized List<Applet> applets() {
        List<Applet> all = new ArrayList<>();
        for (AppletHost host : hosts) {
            if (host.applet() != null) {
                all.add(host.applet());
            }
        }
        return all;
    }

    Map<String, InputStream> streams() {
        return streams;
    }

    void closed(AppletHost host) {
        boolean last;
        synchronized (this) {
            hosts.remove(host);
            last = hosts.isEmpty();
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
        List<AppletHost> targets = new ArrayList<>();
        synchronized (this) {
            for (AppletHost host : hosts) {
                if (mentions(thrown, host.className())) {
                    targets.add(host);
                }
            }
            if (targets.isEmpty()) {
                targets.addAll(hosts);
            }
        }
        for (AppletHost host : targets) {
            host.showException(thread.getName(), thrown, false);
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
