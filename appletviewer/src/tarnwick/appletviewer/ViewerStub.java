package tarnwick.appletviewer;

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.Image;
import java.awt.Toolkit;
import java.io.InputStream;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.Iterator;
import java.util.Map;

/** What one applet sees of its page: its stub and its context in one. */
@SuppressWarnings({"removal", "deprecation"})
final class ViewerStub implements AppletStub, AppletContext {
    private final AppletHost host;
    private final Page page;
    private final AppletTag tag;
    private final URL codeBase;

    ViewerStub(AppletHost host, Page page, AppletTag tag, URL codeBase) {
        this.host = host;
        this.page = page;
        this.tag = tag;
        this.codeBase = codeBase;
    }

    // AppletStub

    @Override
    public boolean isActive() {
        return host.isActive();
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
        return this;
    }

    @Override
    public void appletResize(int width, int height) {
        host.resize(width, height);
    }

    // AppletContext: images, sounds and documents are data and may come from anywhere.

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
        page.report().line("status " + host.className() + " " + text);
        host.showStatus(text);
    }

    @Override
    public void setStream(String key, InputStream stream) {
        Map<String, InputStream> streams = page.streams();
        synchronized (streams) {
            if (stream == null) {
                streams.remove(key);
            } else {
                streams.put(key, stream);
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
