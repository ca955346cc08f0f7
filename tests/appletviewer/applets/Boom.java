public class Boom extends java.applet.Applet {
  public void init() { throw new IllegalStateException("boom"); }
}
