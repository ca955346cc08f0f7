package tarnwick.appletviewer;

import java.util.Collections;
import java.util.Map;
import java.util.TreeMap;

/** One APPLET tag of a page: its attributes and its PARAM values, names without regard to case. */
public final class AppletTag {
    private final Map<String, String> attributes = new TreeMap<>(String.CASE_INSENSITIVE_ORDER);
    private final Map<String, String> params = new TreeMap<>(String.CASE_INSENSITIVE_ORDER);

    void putAttribute(String name, String value) {
        attributes.put(name, value);
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
}
