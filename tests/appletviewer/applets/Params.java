import java.applet.*;

// Reports what reaches it through its status line: every PARAM, its stub's
// addresses and state, and the context's images, sounds and applets.
public class Params extends Applet {
  void say(String s) { showStatus(s); }

  public void init() {
    for (String n : new String[] {"speed", "SPEED", "title text", "code", "none"})
      say(n + "=" + getParameter(n));
    say("active in init=" + isActive());
    say("document=" + getDocumentBase().getPath().replace("%20", " ").endsWith("/my src/Params.html"));
    say("code base=" + getCodeBase().getPath().replace("%20", " ").endsWith("/my src/"));
    say("api=" + (Applet.class.getResource("Applet.class").toString().contains("applet-api.jar")
        ? "patched" : "jdk"));
    getAppletContext().showDocument(getDocumentBase());
    java.awt.Image image = getImage(getCodeBase(), "pic.png");
    java.awt.MediaTracker tracker = new java.awt.MediaTracker(this);
    tracker.addImage(image, 0);
    try { tracker.waitForAll(10000); } catch (InterruptedException e) { }
    say("image=" + image.getWidth(null) + "x" + image.getHeight(null));
    AudioClip clip = getAudioClip(getDocumentBase(), "beep.wav");
    clip.play(); clip.stop(); play(getCodeBase(), "missing.wav");
    say("sound=" + (clip != null));
    resize(200, 100);
  }

  public void start() {
    say("active in start=" + isActive() + " applets="
        + java.util.Collections.list(getAppletContext().getApplets()).size());
  }
}
