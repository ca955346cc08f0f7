// Leaves a file in the working folder when it runs.
public class Remote extends java.applet.Applet {
  public void init() {
    try { new java.io.File("ran").createNewFile(); } catch (java.io.IOException e) { }
  }
}
