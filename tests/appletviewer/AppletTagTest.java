package tarnwick.appletviewer;

import java.net.URL;
import java.util.ArrayList;
import java.util.List;

/** Where an applet's code comes from; ends with status 1 when a case fails. */
public final class AppletTagTest {
    private static final List<String> failures = new ArrayList<>();

    /**
     * CODEBASE and ARCHIVE (null: absent) of a page in file:/p/my%20src/, and the code base and
     * archives they name, or the first place that is no local file.
     */
    private static final String[][] CASES = {
        {"the page's folder", null, null, "file:/p/my%20src/ []"},
        {"a folder, blank archive names skipped", "lib", "a.jar, ,b.jar",
            "file:/p/my%20src/lib/ [file:/p/my%20src/lib/a.jar, file:/p/my%20src/lib/b.jar]"},
        {"a parent folder with blanks", " ../classes/ ", null, "file:/p/classes/ []"},
        {"an absolute path", "/opt/applets", "x.jar", "file:/opt/applets/ [file:/opt/applets/x.jar]"},
        {"this computer by name", "file://localhost/opt/", null, "file://localhost/opt/ []"},
        {"a web code base", "http://127.0.0.1:8000/", "a.jar", "foreign http://127.0.0.1:8000/"},
        {"a scheme in capitals", "HTTPS://example.com/app", null, "foreign https://example.com/app/"},
        {"a file on another host, fetched by FTP", "//server/share", null, "foreign file://server/share/"},
        {"a web archive in a local code base", null, "lib/a.jar, http://example.com/b.jar",
            "foreign http://example.com/b.jar"},
        {"a web archive inside a jar address", null, "jar:http://example.com/a.jar!/",
            "foreign jar:http://example.com/a.jar!/"},
        {"no address at all", "javascript:go()", null, "foreign javascript:go()"},
    };

    private AppletTagTest() {
    }

    public static void main(String[] args) throws Exception {
        URL page = new URL("file:/p/my%20src/Page.html");
        for (String[] c : CASES) {
            AppletTag tag = new AppletTag();
            if (c[1] != null) {
                tag.putAttribute("CodeBase", c[1]);
            }
            if (c[2] != null) {
                tag.putAttribute("ARCHIVE", c[2]);
            }
            String foreign = tag.foreignCode(page);
            String actual = foreign != null ? "foreign " + foreign
                                            : tag.codeBase(page) + " " + tag.archives(tag.codeBase(page));
            if (!c[3].equals(actual)) {
                failures.add(c[0] + ": expected [" + c[3] + "] but was [" + actual + "]");
            }
        }
        if (!failures.isEmpty()) {
            failures.forEach(System.err::println);
            System.exit(1);
        }
        System.out.println("AppletTagTest: all cases passed");
    }
}
