import java.awt.*;

// Draws off the screen in a slow init and paints from there, as a double-buffered
// applet does: painted before init has returned, paint would throw.
public class Slow extends java.applet.Applet {
  Image buffer;

  public void init() {
    try { Thread.sleep(1500); } catch (InterruptedException e) { }
    buffer = createImage(getSize().width, getSize().height);
    Graphics g = buffer.getGraphics();
    g.setColor(Color.green);
    g.fillRect(0, 0, getSize().width, getSize().height);
    showStatus("buffer " + buffer.getWidth(null) + "x" + buffer.getHeight(null));
  }

  public void paint(Graphics g) { g.drawImage(buffer, 0, 0, buffer.getWidth(this), buffer.getHeight(this), this); }
}
