// Never returns from init, whatever happens.
public class Hang extends java.applet.Applet {
  public void init() {
    while (true) try { Thread.sleep(50); } catch (InterruptedException e) { }
  }
}
