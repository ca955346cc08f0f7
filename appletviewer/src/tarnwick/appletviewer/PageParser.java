package tarnwick.appletviewer;

import java.util.ArrayList;
import java.util.List;

/**
 * Finds the APPLET tags of an HTML page and the PARAM tags inside them. Tag and attribute
 * names count in any letter case; values may be in double or single quotes or bare; comments
 * are skipped and character references in values are decoded.
 */
public final class PageParser {
    private final String text;
    private int pos;

    private PageParser(String text) {
        this.text = text;
    }

    public static List<AppletTag> parse(String text) {
        return new PageParser(text).run();
    }

    private List<AppletTag> run() {
        List<AppletTag> applets = new ArrayList<>();
        AppletTag open = null;
        while (true) {
            int lt = text.indexOf('<', pos);
            if (lt < 0) {
                break;
            }
            pos = lt + 1;
            if (text.startsWith("!--", pos)) {
                int end = text.indexOf("-->", pos + 3);
                pos = end < 0 ? text.length() : end + 3;
                continue;
            }
            boolean closing = pos < text.length() && text.charAt(pos) == '/';
            if (closing) {
                pos++;
            }
            String name = readName();
            if (name.equalsIgnoreCase("applet")) {
                if (closing) {
                    open = null;
                } else {
                    open = new AppletTag();
                    readAttributes(open);
                    applets.add(open);
                    continue;
                }
            } else if (name.equalsIgnoreCase("param") && !closing && open != null) {
                AppletTag param = new AppletTag();
                readAttributes(param);
                String paramName = param.attribute("name");
                String value = param.attribute("value");
                if (paramName != null) {
                    open.putParam(paramName, value != null ? value : "");
                }
                continue;
            }
            skipToTagEnd();
        }
        return applets;
    }

    private String readName() {
        int start = pos;
        while (pos < text.length()) {
            char c = text.charAt(pos);
            if (Character.isWhitespace(c) || c == '>' || c == '/' || c == '=' || c == '<') {
                break;
            }
            pos++;
        }
        return text.substring(start, pos);
    }

    private void skipBlanks() {
        while (pos < text.length() && Character.isWhitespace(text.charAt(pos))) {
            pos++;
        }
    }

    private void skipToTagEnd() {
        int gt = text.indexOf('>', pos);
        pos = gt < 0 ? text.length() : gt + 1;
    }

    private void readAttributes(AppletTag tag) {
        while (true) {
            skipBlanks();
            if (pos >= text.length()) {
                return;
            }
            char c = text.charAt(pos);
            if (c == '>') {
                pos++;
                return;
            }
            if (c == '/' || c == '=') {
                pos++;
                continue;
            }
            String name = readName();
            if (name.isEmpty()) {
                pos++;
                continue;
            }
            skipBlanks();
            String value = "";
            if (pos < text.length() && text.charAt(pos) == '=') {
                pos++;
                skipBlanks();
                value = decode(readValue());
            }
            tag.putAttribute(name, value);
        }
    }

    private String readValue() {
        if (pos >= text.length()) {
            return "";
        }
        char quote = text.charAt(pos);
        if (quote == '"' || quote == '\'') {
            int end = text.indexOf(quote, pos + 1);
            if (end < 0) {
                end = text.length();
            }
            String value = text.substring(pos + 1, end);
            pos = Math.min(end + 1, text.length());
            return value;
        }
        int start = pos;
        while (pos < text.length() && !Character.isWhitespace(text.charAt(pos)) && text.charAt(pos) != '>') {
            pos++;
        }
        return text.substring(start, pos);
    }

    /** Decodes &amp; &lt; &gt; &quot; &apos; and numeric references; others stay as written. */
    static String decode(String value) {
        if (value.indexOf('&') < 0) {
            return value;
        }
        StringBuilder out = new StringBuilder(value.length());
        int i = 0;
        while (i < value.length()) {
            char c = value.charAt(i);
            int semi = c == '&' ? value.indexOf(';', i) : -1;
            if (semi < 0 || semi - i > 10) {
                out.append(c);
                i++;
                continue;
            }
            String entity = value.substring(i + 1, semi);
            String replaced = entity(entity);
            if (replaced == null) {
                out.append(c);
                i++;
            } else {
                out.append(replaced);
                i = semi + 1;
            }
        }
        return out.toString();
    }

    private static String entity(String name) {
        switch (name.toLowerCase(java.util.Locale.ROOT)) {
            case "amp": return "&";
            case "lt": return "<";
            case "gt": return ">";
            case "quot": return "\"";
            case "apos": return "'";
            default: break;
        }
        if (name.startsWith("#")) {
            try {
                boolean hex = name.length() > 1 && (name.charAt(1) == 'x' || name.charAt(1) == 'X');
                int code = hex ? Integer.parseInt(name.substring(2), 16) : Integer.parseInt(name.substring(1));
                return new String(Character.toChars(code));
            } catch (IllegalArgumentException e) {
                return null;
            }
        }
        return null;
    }
}
