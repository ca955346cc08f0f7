package java.applet;

import java.net.URL;

/**
 * The link between an applet and the program that shows it. Supplied for JDKs that no longer
 * have the Applet API; the viewer passes one to {@link Applet#setStub}.
 */
@Deprecated(since = "9", forRemoval = true)
public interface AppletStub {
    boolean isActive();

    URL getDocumentBase();

    URL getCodeBase();

    String getParameter(String name);

    @SuppressWarnings("removal")
    AppletContext getAppletContext();

    void appletResize(int width, int height);
}
