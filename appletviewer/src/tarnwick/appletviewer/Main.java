package tarnwick.appletviewer;

import java.awt.BorderLayout;
import java.awt.Button;
import java.awt.Frame;
import java.awt.GraphicsEnvironment;
import java.awt.GridLayout;
import java.awt.Label;
import java.awt.Panel;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.IOException;
import java.net.URL;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.Charset;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.List;

/** Shows the applets of one HTML page, each in a window of its own. */
public final class Main {
    private static final Report REPORT = Report.fromSystemProperties();

    private Main() {
    }

    public static void main(String[] args) throws IOException {
        if (args.length != 1) {
            fail(Messages.usage(), 2);
            return;
        }
        Path file = Paths.get(args[0]).toAbsolutePath();
        String text;
        try {
            text = readPage(file);
        } catch (IOException e) {
            fail(Messages.cannotRead(args[0], Messages.describe(e)), 1);
            return;
        }
        List<AppletTag> tags = PageParser.parse(text);
        if (tags.isEmpty()) {
            fail(Messages.noApplet(args[0]), 1);
            return;
        }
        URL document = file.toUri().toURL();
        for (AppletTag tag : tags) {
            if (tag.className() == null || tag.className().isEmpty()) {
                fail(Messages.noCode(args[0]), 1);
                return;
            }
            String foreign = tag.foreignCode(document);
            if (foreign != null) {
                fail(Messages.foreignCode(foreign), 1);
                return;
            }
        }
        Page page = new Page(document, REPORT);
        Thread.setDefaultUncaughtExceptionHandler(new Thread.UncaughtExceptionHandler() {
            @Override
            public void uncaughtException(Thread thread, Throwable thrown) {
                page.uncaught(thread, thrown);
            }
        });
        for (AppletTag tag : tags) {
            page.open(tag);
        }
    }

    /** Tarnwick writes UTF-8; a page from a Japanese Windows system is CP932. */
    static String readPage(Path file) throws IOException {
        byte[] bytes = Files.readAllBytes(file);
        try {
            return StandardCharsets.UTF_8.newDecoder().onMalformedInput(CodingErrorAction.REPORT)
                    .onUnmappableCharacter(CodingErrorAction.REPORT).decode(ByteBuffer.wrap(bytes)).toString();
        } catch (CharacterCodingException e) {
            Charset legacy = Charset.isSupported("windows-31j") ? Charset.forName("windows-31j")
                    : StandardCharsets.ISO_8859_1;
            return new String(bytes, legacy);
        }
    }

    /** One clear message: printed, and shown in a window unless there is no display or a test runs. */
    private static void fail(String message, int status) {
        System.err.println(message);
        REPORT.line("error " + message);
        if (REPORT.enabled() || GraphicsEnvironment.isHeadless()) {
            System.exit(status);
        }
        Frame frame = new Frame("アプレットビューア");
        frame.setLayout(new BorderLayout(8, 8));
        Panel sentences = new Panel(new GridLayout(0, 1));  // one line each, so no line outgrows the screen
        for (String sentence : message.split("(?<=。)")) {
            sentences.add(new Label(sentence, Label.CENTER));
        }
        frame.add(sentences, BorderLayout.CENTER);
        Button ok = new Button("OK");
        ok.addActionListener(e -> System.exit(status));
        Panel buttons = new Panel();
        buttons.add(ok);
        frame.add(buttons, BorderLayout.SOUTH);
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent e) {
                System.exit(status);
            }
        });
        frame.pack();
        frame.setLocationRelativeTo(null);
        frame.setVisible(true);
    }
}
