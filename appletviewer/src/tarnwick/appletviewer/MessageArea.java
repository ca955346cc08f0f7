package tarnwick.appletviewer;

import java.awt.Canvas;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Font;
import java.awt.FontMetrics;
import java.awt.Graphics;
import java.util.ArrayList;
import java.util.List;
import java.util.function.ToIntFunction;

/**
 * A message in place of an applet, wrapped within the applet's width (a long path breaks
 * anywhere); the area grows downwards when the lines need more than the applet's height.
 */
final class MessageArea extends Canvas {
    private static final long serialVersionUID = 1L;
    private static final int MARGIN = 8;
    private static final int NARROWEST = 160;  // narrower applets still get a readable column
    private static final String BREAK_AFTER = " /。、）)";

    private final String message;
    private final int width;
    private final int height;

    MessageArea(String message, int width, int height) {
        this.message = message;
        this.width = Math.max(width, NARROWEST);
        this.height = height;
        setFont(new Font(Font.DIALOG, Font.PLAIN, 12));
        setForeground(Color.red.darker());
    }

    private List<String> lines(FontMetrics metrics) {
        return wrap(message, width - 2 * MARGIN, metrics::stringWidth);
    }

    @Override
    public Dimension getPreferredSize() {
        FontMetrics metrics = getFontMetrics(getFont());
        int needed = lines(metrics).size() * metrics.getHeight() + 2 * MARGIN;
        return new Dimension(width, Math.max(height, needed));
    }

    @Override
    public void paint(Graphics g) {
        FontMetrics metrics = g.getFontMetrics(getFont());
        int y = MARGIN + metrics.getAscent();
        for (String line : lines(metrics)) {
            g.drawString(line, MARGIN, y);
            y += metrics.getHeight();
        }
    }

    /**
     * Lines of at most maxWidth each: broken after the last blank, slash or Japanese punctuation
     * that fits, else where the width runs out; never a character pair split, never an empty line.
     */
    static List<String> wrap(String text, int maxWidth, ToIntFunction<String> measure) {
        List<String> lines = new ArrayList<>();
        int start = 0;
        while (start < text.length()) {
            int end = start;
            int lastBreak = -1;
            while (end < text.length()) {
                int next = text.offsetByCodePoints(end, 1);
                if (end > start && measure.applyAsInt(text.substring(start, next)) > maxWidth) {
                    break;
                }
                if (BREAK_AFTER.indexOf(text.charAt(end)) >= 0) {
                    lastBreak = next;
                }
                end = next;
            }
            if (end < text.length() && lastBreak > start) {
                end = lastBreak;
            }
            lines.add(text.substring(start, end).stripTrailing());
            start = end;
            while (start < text.length() && text.charAt(start) == ' ') {
                start++;
            }
        }
        return lines;
    }
}
