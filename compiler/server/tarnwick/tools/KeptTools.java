package tarnwick.tools;

import java.io.BufferedInputStream;
import java.io.BufferedOutputStream;
import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.EOFException;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.io.PrintStream;
import java.io.PrintWriter;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Comparator;
import java.util.Optional;
import java.util.spi.ToolProvider;
import java.util.stream.Stream;

/**
 * Runs the JDK's javac, javadoc and jar in this JVM, one request at a time.
 *
 * <p>A request on standard input: the number of strings (int), then each
 * string as its length in bytes (int) and its UTF-8 bytes; the first string
 * names the tool, the rest are its arguments. The answer on standard output:
 * 'R', the exit code, then the tool's standard output and its standard error,
 * each as a length and the bytes, encoded as the tool's command would print
 * them. 'F' and a message when the tool could not run (no such tool, memory
 * ran out): the caller runs the command instead. Ints are big-endian.
 */
public final class KeptTools {
    private static final int MAX_STRINGS = 100_000;
    private static final int MAX_STRING_BYTES = 1 << 20;

    private KeptTools() {}

    public static void main(String[] args) throws IOException {
        DataInputStream in = new DataInputStream(new BufferedInputStream(System.in));
        DataOutputStream answers =
                new DataOutputStream(new BufferedOutputStream(new FileOutputStream(FileDescriptor.out)));
        Charset outCharset = streamCharset("stdout.encoding");
        Charset errCharset = streamCharset("stderr.encoding");
        // What the tools and the code they load print goes into the answer,
        // never into the channel the answers travel on.
        PrintStream quiet = new PrintStream(new ByteArrayOutputStream(), true, outCharset.name());
        System.setOut(quiet);
        System.setErr(quiet);
        // javac and javadoc read the user's class path as their commands'
        // launcher gives it: from CLASSPATH, else ".", never this JVM's own.
        System.setProperty("application.home", System.getProperty("java.home"));
        System.setProperty("java.class.path", "");
        String classPath = System.getenv("CLASSPATH");
        if (classPath != null)
            System.setProperty("env.class.path", classPath);
        else
            System.clearProperty("env.class.path");
        answers.writeByte('H');
        answers.flush();
        warmUp();
        while (true) {
            String[] request;
            try {
                request = readRequest(in);
            } catch (EOFException end) {
                return;
            }
            answer(answers, request, outCharset, errCharset);
            answers.flush();
        }
    }

    // javac's first run in a JVM loads and compiles its own classes: done
    // here, on a file of its own, the user's first compile is a warm one. A
    // request that comes meanwhile waits in the pipe.
    private static void warmUp() {
        Optional<ToolProvider> javac = ToolProvider.findFirst("javac");
        if (javac.isEmpty())
            return;
        Path folder = null;
        try {
            folder = Files.createTempDirectory("tarnwick-warm");
            Path source = Files.writeString(folder.resolve("Warm.java"),
                    "class Warm { public static void main(String[] a) { System.out.println(a.length); } }\n");
            PrintWriter nowhere = new PrintWriter(new ByteArrayOutputStream());
            javac.get().run(nowhere, nowhere, "-d", folder.toString(), source.toString());
        } catch (Throwable ignored) {
            // Only slower: the first request warms javac instead.
        } finally {
            deleteAll(folder);
        }
    }

    private static void deleteAll(Path folder) {
        if (folder == null)
            return;
        try (Stream<Path> paths = Files.walk(folder)) {
            paths.sorted(Comparator.reverseOrder()).forEach(path -> path.toFile().delete());
        } catch (IOException ignored) {
            // A temporary folder left behind.
        }
    }

    // The charset the command's System.out or System.err encodes with.
    private static Charset streamCharset(String property) {
        for (String name : new String[] {property, "sun." + property, "native.encoding"}) {
            String value = System.getProperty(name);
            if (value != null && Charset.isSupported(value))
                return Charset.forName(value);
        }
        return Charset.defaultCharset();
    }

    private static String[] readRequest(DataInputStream in) throws IOException {
        int count = in.readInt();
        if (count < 1 || count > MAX_STRINGS)
            throw new IOException("bad request");
        String[] strings = new String[count];
        for (int i = 0; i < count; i++) {
            int length = in.readInt();
            if (length < 0 || length > MAX_STRING_BYTES)
                throw new IOException("bad request");
            byte[] bytes = new byte[length];
            in.readFully(bytes);
            strings[i] = new String(bytes, StandardCharsets.UTF_8);
        }
        return strings;
    }

    private static void answer(DataOutputStream answers, String[] request, Charset outCharset, Charset errCharset)
            throws IOException {
        Optional<ToolProvider> tool = ToolProvider.findFirst(request[0]);
        if (tool.isEmpty()) {
            fail(answers, "no tool " + request[0]);
            return;
        }
        String[] arguments = new String[request.length - 1];
        System.arraycopy(request, 1, arguments, 0, arguments.length);
        ByteArrayOutputStream outBytes = new ByteArrayOutputStream();
        ByteArrayOutputStream errBytes = new ByteArrayOutputStream();
        PrintStream out = new PrintStream(outBytes, true, outCharset.name());
        PrintStream err = new PrintStream(errBytes, true, errCharset.name());
        PrintStream keptOut = System.out;
        PrintStream keptErr = System.err;
        int exitCode;
        try {
            System.setOut(out);
            System.setErr(err);
            PrintWriter outWriter = new PrintWriter(new OutputStreamWriter(out, outCharset), true);
            PrintWriter errWriter = new PrintWriter(new OutputStreamWriter(err, errCharset), true);
            exitCode = tool.get().run(outWriter, errWriter, arguments);
            outWriter.flush();
            errWriter.flush();
        } catch (Throwable failure) {
            // Memory ran out, or the tool broke: the command gives the answer.
            outBytes = null;
            errBytes = null;
            fail(answers, String.valueOf(failure));
            return;
        } finally {
            System.setOut(keptOut);
            System.setErr(keptErr);
        }
        // javac and javadoc catch running out of memory themselves and end
        // with a system error (3) or an abnormal end (4): the command, with a
        // JVM of its own, decides.
        if (exitCode >= 3 && !request[0].equals("jar")) {
            fail(answers, request[0] + " ended with " + exitCode);
            return;
        }
        answers.writeByte('R');
        answers.writeInt(exitCode);
        writeBytes(answers, outBytes.toByteArray());
        writeBytes(answers, errBytes.toByteArray());
    }

    private static void fail(DataOutputStream answers, String message) throws IOException {
        answers.writeByte('F');
        writeBytes(answers, message.getBytes(StandardCharsets.UTF_8));
    }

    private static void writeBytes(DataOutputStream answers, byte[] bytes) throws IOException {
        answers.writeInt(bytes.length);
        answers.write(bytes);
    }
}
