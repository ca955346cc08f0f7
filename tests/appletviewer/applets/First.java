public class First extends java.applet.Applet {
  public void init() { setBackground(java.awt.Color.red); }
}
