import javax.swing.*;

// A Swing applet that looks for its neighbour by name. It looks in init: a
// start after restoring would wait for First, whose window may have closed.
public class Second extends JApplet {
  public void init() {
    getContentPane().setBackground(new java.awt.Color(0, 128, 255));
    add(new JLabel("Swing"), java.awt.BorderLayout.NORTH);
    java.applet.Applet first = null;
    for (int i = 0; i < 100 && first == null; i++) {
      first = getAppletContext().getApplet("FIRST");
      if (first == null) try { Thread.sleep(50); } catch (InterruptedException e) { }
    }
    showStatus("found " + (first == null ? null : first.getClass().getName()) + " of "
        + java.util.Collections.list(getAppletContext().getApplets()).size()
        + ", content " + (getContentPane().getComponent(0) instanceof JLabel));
  }
}
