package tarnwick.appletviewer;

import java.applet.Applet;
import java.awt.EventQueue;
import java.awt.Point;
import java.lang.reflect.InvocationTargetException;
import java.net.MalformedURLException;
import java.net.URL;
import java.util.List;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.ThreadFactory;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.TimeoutException;

/**
 * One applet of the page, loaded and called on a thread of its own, as in browsers; its window's
 * events only queue the calls. Closing waits a bounded time for stop and destroy, then
 * interrupts that thread and closes anyway, so an applet whose init or start never returns
 * cannot keep its window open.
 */
@SuppressWarnings({"removal", "deprecation"})
final class AppletHost {
    private static final int CASCADE = 30;
    private static final long STOP_WAIT_MS = 1000;
    private static final long INTERRUPTED_WAIT_MS = 500;

    private final Page page;
    private final AppletTag tag;
    private final int index;
    private final String className;
    private final URL codeBase;
    private final List<URL> archives;
    private final ViewerStub stub;
    private final AppletFrame frame = new AppletFrame(this);
    private final ExecutorService calls;
    private final CountDownLatch settled = new CountDownLatch(1);
    private volatile Thread thread;
    private volatile Applet applet;
    private volatile LifeCycle state = LifeCycle.CREATED;
    private volatile boolean active;
    private volatile boolean closing;  // no more calls are queued
    private volatile boolean abandoned;  // closing interrupted the thread: queued calls are dropped
    private volatile long callBegan;  // System.nanoTime() when the running call began, 0 between calls

    AppletHost(Page page, AppletTag tag, int index) throws MalformedURLException {
        this.page = page;
        this.tag = tag;
        this.index = index;
        this.className = tag.className();
        this.codeBase = tag.codeBase(page.documentBase());
        this.archives = tag.archives(codeBase);
        this.stub = new ViewerStub(this, page, tag, codeBase);
        this.calls = Executors.newSingleThreadExecutor(new ThreadFactory() {
            @Override
            public Thread newThread(Runnable r) {
                Thread t = new Thread(r, "applet-" + className);
                t.setDaemon(true);
                thread = t;
                return t;
            }
        });
    }

    AppletFrame frame() {
        return frame;
    }

    AppletTag tag() {
        return tag;
    }

    int index() {
        return index;
    }

    String className() {
        return className;
    }

    Applet applet() {
        return applet;
    }

    boolean isActive() {
        return active;
    }

    /** True once start has returned, or the applet failed before it. */
    boolean awaitSettled(long ms) throws InterruptedException {
        return settled.await(ms, TimeUnit.MILLISECONDS);
    }

    boolean callRunningLongerThan(long ms) {
        long began = callBegan;
        return began != 0 && System.nanoTime() - began > ms * 1000000L;
    }

    // Anonymous classes rather than lambdas here and below: the first lambdas
    // cost tens of milliseconds of start-up, more where class data sharing is
    // off (a patched java.desktop turns it off).
    void open() {
        final Point place = page.report().enabled() ? page.report().placeSideBySide(tag.width())
                                                    : new Point(CASCADE * index, CASCADE * index);
        EventQueue.invokeLater(new Runnable() {
            @Override
            public void run() {
                frame.prepare(className, place);
            }
        });
        calls.execute(new Runnable() {
            @Override
            public void run() {
                load();
            }
        });
        page.report().watch(this);
    }

    private void load() {
        final Applet created = create();
        if (created != null) {
            created.setStub(stub);
            AppletFrame.onEventQueue(new Runnable() {
                @Override
                public void run() {
                    frame.placeApplet(created, tag.width(), tag.height());
                }
            });
            applet = created;
            make(LifeCycle.Call.INIT);
            // Shown only once init has returned: paint may rely on what init makes.
            if (state == LifeCycle.INITIALISED && !abandoned) {
                AppletFrame.onEventQueue(new Runnable() {
                    @Override
                    public void run() {
                        frame.revealApplet(created);
                    }
                });
                make(LifeCycle.Call.START);
            }
        }
        settled.countDown();
    }

    /** The applet, or null when its class cannot give one (the window then says why). */
    private Applet create() {
        Class<?> type;
        try {
            type = Class.forName(className, false, page.loaderFor(codeBase, archives));
        } catch (ClassNotFoundException | NoClassDefFoundError e) {
            return fail(Messages.classNotFound(className, codeBase.toString()));
        } catch (UnsupportedClassVersionError e) {
            return fail(Messages.tooNew(className));
        } catch (LinkageError | RuntimeException e) {
            e.printStackTrace();
            return fail(Messages.cannotCreate(className, e));
        }
        if (!Applet.class.isAssignableFrom(type)) {
            return fail(Messages.notAnApplet(className));
        }
        try {
            return (Applet) type.getDeclaredConstructor().newInstance();
        } catch (InvocationTargetException e) {
            e.getCause().printStackTrace();
            return fail(Messages.cannotCreate(className, e.getCause()));
        } catch (ReflectiveOperationException | RuntimeException | LinkageError e) {
            e.printStackTrace();
            return fail(Messages.cannotCreate(className, e));
        }
    }

    private Applet fail(final String message) {
        System.err.println(message);
        page.report().line("error " + message);
        AppletFrame.onEventQueue(new Runnable() {
            @Override
            public void run() {
                frame.showFailure(message, tag.width(), tag.height());
            }
        });
        return null;
    }

    /** Makes one call where the applet's state allows it; what it throws is shown, not passed on. */
    private void make(LifeCycle.Call call) {
        if (!state.allows(call)) {
            return;
        }
        page.report().line(call.word + " " + className);
        if (call == LifeCycle.Call.START || call == LifeCycle.Call.STOP) {
            active = call == LifeCycle.Call.START;
        }
        boolean returned = true;
        callBegan = System.nanoTime();
        try {
            if (call == LifeCycle.Call.INIT) {
                applet.init();
            } else if (call == LifeCycle.Call.START) {
                applet.start();
            } else if (call == LifeCycle.Call.STOP) {
                applet.stop();
            } else {
                applet.destroy();
            }
        } catch (Throwable thrown) {
            returned = false;
            showException(call.word, thrown, true);
        } finally {
            callBegan = 0;
        }
        state = state.after(call, returned);
        if (returned && call == LifeCycle.Call.START) {
            showStatus("アプレットを開始しました");
        } else if (returned && call == LifeCycle.Call.STOP) {
            showStatus("アプレットを停止しました");
        }
    }

    void minimised() {
        queue(LifeCycle.Call.STOP);
    }

    void restored() {
        queue(LifeCycle.Call.START);
    }

    /** On the event thread, as are the two above, so that nothing is queued once closing began. */
    private void queue(final LifeCycle.Call call) {
        if (closing) {
            return;
        }
        calls.execute(new Runnable() {
            @Override
            public void run() {
                if (!abandoned) {
                    make(call);
                }
            }
        });
    }

    void closeRequested() {
        if (closing) {
            return;
        }
        closing = true;
        Thread closer = new Thread(new Runnable() {
            @Override
            public void run() {
                close();
            }
        }, "close-" + className);
        closer.setDaemon(true);
        closer.start();
    }

    private void close() {
        Future<?> ending = calls.submit(new Runnable() {
            @Override
            public void run() {
                make(LifeCycle.Call.STOP);
                make(LifeCycle.Call.DESTROY);
            }
        });
        if (!finished(ending, STOP_WAIT_MS)) {
            abandoned = true;
            page.report().line("interrupt " + className);
            Thread stuck = thread;
            if (stuck != null) {
                stuck.interrupt();
            }
            finished(ending, INTERRUPTED_WAIT_MS);
        }
        calls.shutdown();
        frame.close();
        page.closed(this);
    }

    private static boolean finished(Future<?> task, long ms) {
        try {
            task.get(ms, TimeUnit.MILLISECONDS);
            return true;
        } catch (ExecutionException e) {
            return true;
        } catch (TimeoutException e) {
            return false;
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            return false;
        }
    }

    void resize(int width, int height) {
        Applet shown = applet;
        if (shown != null) {
            frame.resizeApplet(shown, width, height);
        }
    }

    void showStatus(String text) {
        frame.showStatus(text);
    }

    void showException(String where, Throwable thrown, boolean print) {
        if (print) {
            System.err.println(className + "." + where + ":");
            thrown.printStackTrace();
        }
        page.report().line("exception " + className + " " + where + " " + Messages.describe(thrown));
        showStatus(Messages.thrown(where, thrown));
    }
}
