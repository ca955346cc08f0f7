public class Archived extends java.applet.Applet {
  public void init() { showStatus("code base " + getCodeBase().getPath()); }
}
