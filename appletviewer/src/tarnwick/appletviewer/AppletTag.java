package tarnwick.appletviewer;

import java.net.MalformedURLException;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;

/** One APPLET tag of a page: its attributes and its PARAM values, names without regard to case. */
public final class AppletTag {
    private final Map<String, String> attributes = new TreeMap<>(String.CASE_INSENSITIVE_ORDER);
    private final Map<String, String> params = new TreeMap<>(String.CASE_INSENSITIVE_ORDER);

    /** The first of a repeated attribute counts, as in browsers. */
    void putAttribute(String name, String value) {
        if (!attributes.containsKey(name)) {
            attributes.put(name, value);
        }
    }

    void putParam(String name, String value) {
        if (!params.containsKey(name)) {
            params.put(name, value);
        }
    }

    public String attribute(String name) {
        return attributes.get(name);
    }

    public Map<String, String> params() {
        return Collections.unmodifiableMap(params);
    }

    /** A PARAM value, else the tag's attribute of that name (as browsers answered getParameter). */
    public String parameter(String name) {
        if (name == null) {
            return null;
        }
        String value = params.get(name);
        return value != null ? value : attributes.get(name);
    }

    /** The class name of CODE: "pkg/Foo.class" becomes "pkg.Foo". */
    public String className() {
        String code = attribute("code");
        if (code == null) {
            return null;
        }
        code = code.trim();
        if (code.endsWith(".class")) {
            code = code.substring(0, code.length() - ".class".length());
        }
        return code.replace('/', '.');
    }

    public int width() {
        return dimension("width", 100);
    }

    public int height() {
        return dimension("height", 100);
    }

    private int dimension(String name, int fallback) {
        String value = attribute(name);
        if (value == null) {
            return fallback;
        }
        try {
            int number = Integer.parseInt(value.trim());
            return number > 0 ? number : fallback;
        } catch (NumberFormatException e) {
            return fallback;
        }
    }

    /** CODEBASE against the page, else the page's folder; always a folder. */
    public URL codeBase(URL documentBase) throws MalformedURLException {
        URL base = new URL(documentBase, codeBaseText());
        return base.getPath().endsWith("/") ? base : new URL(base, base.getPath() + "/");
    }

    /** The ARCHIVE names, separated by commas, against the code base. */
    public List<URL> archives(URL codeBase) throws MalformedURLException {
        List<URL> urls = new ArrayList<>();
        for (String name : archiveNames()) {
            urls.add(new URL(codeBase, name));
        }
        return urls;
    }

    /**
     * The first place of this applet's code that is no local file, as written when it is no
     * address at all; null when all its code is local. Code from elsewhere would run with all of
     * the user's rights, as no sandbox is left in today's JDKs.
     */
    public String foreignCode(URL documentBase) {
        URL base;
        try {
            base = codeBase(documentBase);
        } catch (MalformedURLException e) {
            return codeBaseText();
        }
        if (!isLocalFile(base)) {
            return base.toString();
        }
        for (String name : archiveNames()) {
            try {
                URL archive = new URL(base, name);
                if (!isLocalFile(archive)) {
                    return archive.toString();
                }
            } catch (MalformedURLException e) {
                return name;
            }
        }
        return null;
    }

    /** A file URL with a host other than this one is fetched over the network (by FTP). */
    private static boolean isLocalFile(URL url) {
        String host = url.getHost();
        return url.getProtocol().equals("file")
                && (host == null || host.isEmpty() || host.equalsIgnoreCase("localhost"));
    }

    private String codeBaseText() {
        String base = attribute("codebase");
        return base == null || base.trim().isEmpty() ? "./" : base.trim();
    }

    private List<String> archiveNames() {
        List<String> names = new ArrayList<>();
        String archive = attribute("archive");
        if (archive != null) {
            for (String name : archive.split(",")) {
                if (!name.trim().isEmpty()) {
                    names.add(name.trim());
                }
            }
        }
        return names;
    }
}
