// Never returns from start until its thread is interrupted.
public class Spin extends java.applet.Applet {
  public void start() {
    try { while (true) { repaint(); Thread.sleep(50); } } catch (InterruptedException e) { }
  }
}
