package tarnwick.appletviewer;

import java.nio.charset.Charset;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

/** The page parser against a table of pages; ends with status 1 when a case fails. */
public final class PageParserTest {
    private static final List<String> failures = new ArrayList<>();

    /** A page and what its applets should read: class, width, height, then name=value checks. */
    private static final String[][] CASES = {
        {"generated, upper case",
            "<!-- Written by Tarnwick -->\r\n<HTML>\r\n<BODY>\r\n"
                + "<APPLET CODE = \"Foo.class\" WIDTH = \"400\" HEIGHT = \"300\">\r\n"
                + "<PARAM NAME = \"speed\" VALUE = \"10\">\r\n</APPLET>\r\n</BODY>\r\n</HTML>\r\n",
            "Foo|400|300|speed=10|SPEED=10|Speed=10|missing=null"},
        {"generated, lower case",
            "<html><body><applet code = \"Foo.class\" width = \"40\" height = \"30\">"
                + "<param name = \"a b\" value = \" x \"></applet></body></html>",
            "Foo|40|30|A B= x "},
        {"unquoted and single-quoted values, mixed case names",
            "<Applet cOdE=pkg/Bar.class Width=12 HEIGHT='34' name=first><Param Name=k VALUE='v w'></aPPlet>",
            "pkg.Bar|12|34|k=v w|name=first|code=pkg/Bar.class"},
        {"escaped values of the generator",
            "<APPLET CODE=\"Q.class\" WIDTH=\"1\" HEIGHT=\"2\">"
                + "<PARAM NAME=\"say &quot;hi&quot;\" VALUE=\"&lt;b&gt; &amp; &#65;&#x42;\"></APPLET>",
            "Q|1|2|say \"hi\"=<b> & AB"},
        {"first PARAM of a name wins, attribute answers when no PARAM",
            "<applet code=Z width=5 height=6 archive=\"a.jar, b.jar\"><param name=x value=1>"
                + "<PARAM NAME=X VALUE=2></applet>",
            "Z|5|6|x=1|archive=a.jar, b.jar"},
        {"PARAM outside an applet is ignored; commented tags skipped",
            "<param name=x value=9><!-- <applet code=Hidden width=1 height=1></applet> -->"
                + "<applet code=Shown width=7 height=8></applet><param name=y value=3>",
            "Shown|7|8|x=null|y=null"},
        {"bad sizes fall back to 100",
            "<applet code=S width=wide height=-4></applet>",
            "S|100|100"},
        {"tags across lines, an attribute without value",
            "<applet\ncode=A\twidth=3\r\nheight=4 mayscript>\n<param\nname=p\nvalue=q></applet>",
            "A|3|4|p=q|mayscript="},
        {"blanks around CODE and sizes, a package path",
            "<applet code=' pkg/sub/Foo.class ' width=' 20 ' height=30></applet>",
            "pkg.sub.Foo|20|30"},
        {"'>' and the other quote inside quoted values",
            "<applet code=A width=1 height=1><param name=x value=\"a>b'c\"><param name='y' value='say \"hi\"'></applet>",
            "A|1|1|x=a>b'c|y=say \"hi\""},
        {"the first of a repeated attribute counts",
            "<applet code=First code=Second width=1 width=9 height=1></applet>",
            "First|1|1"},
        {"references that are not decoded stay as written",
            "<applet code=A width=1 height=1><param name=e value=\"&AMP;&nbsp;&#1114112;&#xZZ;& x;\"></applet>",
            "A|1|1|e=&&nbsp;&#1114112;&#xZZ;& x;"},
    };

    private PageParserTest() {
    }

    public static void main(String[] args) throws Exception {
        for (String[] c : CASES) {
            checkSingle(c[0], c[1], c[2]);
        }
        checkTwoApplets();
        checkEmptyPages();
        checkEncodings();
        if (!failures.isEmpty()) {
            failures.forEach(System.err::println);
            System.exit(1);
        }
        System.out.println("PageParserTest: all cases passed");
    }

    private static void checkSingle(String name, String page, String expected) {
        List<AppletTag> tags = PageParser.parse(page);
        if (tags.size() != 1) {
            failures.add(name + ": " + tags.size() + " applets");
            return;
        }
        AppletTag tag = tags.get(0);
        String[] parts = expected.split("\\|");
        expect(name, "class", parts[0], tag.className());
        expect(name, "width", parts[1], String.valueOf(tag.width()));
        expect(name, "height", parts[2], String.valueOf(tag.height()));
        for (int i = 3; i < parts.length; i++) {
            int eq = parts[i].indexOf('=');
            String key = parts[i].substring(0, eq);
            expect(name, "parameter " + key, parts[i].substring(eq + 1), String.valueOf(tag.parameter(key)));
        }
    }

    private static void checkTwoApplets() {
        List<AppletTag> tags = PageParser.parse("<applet code=A width=1 height=1><param name=p value=a></applet>"
                + "<APPLET CODE=B WIDTH=2 HEIGHT=2><PARAM NAME=p VALUE=b></APPLET>");
        expect("two applets", "count", "2", String.valueOf(tags.size()));
        if (tags.size() == 2) {
            expect("two applets", "first", "A a", tags.get(0).className() + " " + tags.get(0).parameter("p"));
            expect("two applets", "second", "B b", tags.get(1).className() + " " + tags.get(1).parameter("p"));
        }
    }

    private static void checkEmptyPages() {
        for (String page : new String[] {"", "<html><body>no applet</body></html>", "<", "<applet", "<appletx code=A>",
                "<!-- <applet code=A width=1 height=1></applet>"}) {
            List<AppletTag> tags = PageParser.parse(page);
            boolean unfinished = page.equals("<applet");
            expect("page '" + page + "'", "count", unfinished ? "1" : "0", String.valueOf(tags.size()));
        }
    }

    private static void checkEncodings() throws Exception {
        String page = "<applet code=A width=1 height=1><param name=t value=\"日本語\"></applet>";
        Path utf8 = Files.createTempFile("page", ".html");
        Path cp932 = Files.createTempFile("page", ".html");
        try {
            Files.write(utf8, page.getBytes("UTF-8"));
            Files.write(cp932, page.getBytes(Charset.forName("windows-31j")));
            for (Path file : new Path[] {utf8, cp932}) {
                AppletTag tag = PageParser.parse(Main.readPage(file)).get(0);
                expect("encoding " + file.getFileName(), "t", "日本語", tag.parameter("t"));
            }
        } finally {
            Files.delete(utf8);
            Files.delete(cp932);
        }
    }

    private static void expect(String name, String what, String expected, String actual) {
        if (!expected.equals(actual)) {
            failures.add(name + ": " + what + " expected [" + expected + "] but was [" + actual + "]");
        }
    }
}
