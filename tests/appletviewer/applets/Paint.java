public class Paint extends java.applet.Applet {
  public void paint(java.awt.Graphics g) { throw new ArithmeticException("paint"); }
}
