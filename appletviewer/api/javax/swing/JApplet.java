package javax.swing;

import java.applet.Applet;
import java.awt.AWTEvent;
import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Component;
import java.awt.Container;
import java.awt.Graphics;
import java.awt.HeadlessException;
import java.awt.LayoutManager;
import javax.accessibility.Accessible;
import javax.accessibility.AccessibleContext;

/**
 * An applet with a root pane, so that Swing components go into its content pane. Only the
 * public Swing API is used, so the class works on any JDK whose java.desktop it is patched into.
 */
@Deprecated(since = "9", forRemoval = true)
@SuppressWarnings({"removal", "serial"})
public class JApplet extends Applet implements Accessible, RootPaneContainer,
        TransferHandler.HasGetTransferHandler {
    protected JRootPane rootPane;
    protected boolean rootPaneCheckingEnabled = false;
    private TransferHandler transferHandler;

    public JApplet() throws HeadlessException {
        super();
        setForeground(Color.black);
        setBackground(Color.white);
        setLocale(JComponent.getDefaultLocale());
        setLayout(new BorderLayout());
        setRootPane(createRootPane());
        setRootPaneCheckingEnabled(true);
        setFocusTraversalPolicyProvider(true);
        enableEvents(AWTEvent.KEY_EVENT_MASK);
    }

    protected JRootPane createRootPane() {
        JRootPane root = new JRootPane();
        root.setOpaque(true);
        return root;
    }

    public void setTransferHandler(TransferHandler newHandler) {
        TransferHandler old = transferHandler;
        transferHandler = newHandler;
        firePropertyChange("transferHandler", old, newHandler);
    }

    @Override
    public TransferHandler getTransferHandler() {
        return transferHandler;
    }

    @Override
    public void update(Graphics g) {
        paint(g);
    }

    public void setJMenuBar(JMenuBar menuBar) {
        getRootPane().setJMenuBar(menuBar);
    }

    public JMenuBar getJMenuBar() {
        return getRootPane().getJMenuBar();
    }

    protected boolean isRootPaneCheckingEnabled() {
        return rootPaneCheckingEnabled;
    }

    protected void setRootPaneCheckingEnabled(boolean enabled) {
        rootPaneCheckingEnabled = enabled;
    }

    @Override
    protected void addImpl(Component comp, Object constraints, int index) {
        if (isRootPaneCheckingEnabled()) {
            getContentPane().add(comp, constraints, index);
        } else {
            super.addImpl(comp, constraints, index);
        }
    }

    @Override
    public void remove(Component comp) {
        if (comp == rootPane) {
            super.remove(comp);
        } else {
            getContentPane().remove(comp);
        }
    }

    @Override
    public void setLayout(LayoutManager manager) {
        if (isRootPaneCheckingEnabled()) {
            getContentPane().setLayout(manager);
        } else {
            super.setLayout(manager);
        }
    }

    @Override
    public JRootPane getRootPane() {
        return rootPane;
    }

    protected void setRootPane(JRootPane root) {
        if (rootPane != null) {
            remove(rootPane);
        }
        rootPane = root;
        if (rootPane != null) {
            boolean checking = isRootPaneCheckingEnabled();
            try {
                setRootPaneCheckingEnabled(false);
                add(rootPane, BorderLayout.CENTER);
            } finally {
                setRootPaneCheckingEnabled(checking);
            }
        }
    }

    @Override
    public Container getContentPane() {
        return getRootPane().getContentPane();
    }

    @Override
    public void setContentPane(Container contentPane) {
        getRootPane().setContentPane(contentPane);
    }

    @Override
    public JLayeredPane getLayeredPane() {
        return getRootPane().getLayeredPane();
    }

    @Override
    public void setLayeredPane(JLayeredPane layeredPane) {
        getRootPane().setLayeredPane(layeredPane);
    }

    @Override
    public Component getGlassPane() {
        return getRootPane().getGlassPane();
    }

    @Override
    public void setGlassPane(Component glassPane) {
        getRootPane().setGlassPane(glassPane);
    }

    @Override
    protected String paramString() {
        return super.paramString() + ",rootPane=" + (rootPane != null ? rootPane.toString() : "")
                + ",rootPaneCheckingEnabled=" + rootPaneCheckingEnabled;
    }

    @Override
    public AccessibleContext getAccessibleContext() {
        if (accessibleContext == null) {
            accessibleContext = new AccessibleJApplet();
        }
        return accessibleContext;
    }

    /** The accessible form of a JApplet. */
    protected class AccessibleJApplet extends AccessibleApplet {
        protected AccessibleJApplet() {
            super();
        }
    }
}
