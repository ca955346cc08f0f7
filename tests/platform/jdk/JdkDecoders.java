import java.io.BufferedOutputStream;
import java.io.PrintStream;
import java.nio.ByteBuffer;
import java.nio.CharBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.Charset;
import java.nio.charset.CodingErrorAction;

// Prints, one line each, what this JDK's decoder of a charset makes of byte
// sequences given as "prefix:count:suffix" (prefix and suffix in hex, either
// empty): every sequence of the prefix, count more bytes and the suffix, in
// counting order. A line is the UTF-16 code units in hex, or "-" where the
// decoder rejects a byte.
public class JdkDecoders {
    public static void main(String[] args) throws Exception {
        Charset charset = Charset.forName(args[0]);
        PrintStream out = new PrintStream(new BufferedOutputStream(System.out, 1 << 16), false, "US-ASCII");
        for (int a = 1; a < args.length; a++) {
            String[] pattern = args[a].split(":", -1);
            byte[] prefix = hex(pattern[0]);
            int count = Integer.parseInt(pattern[1]);
            byte[] suffix = hex(pattern[2]);
            byte[] bytes = new byte[prefix.length + count + suffix.length];
            System.arraycopy(prefix, 0, bytes, 0, prefix.length);
            System.arraycopy(suffix, 0, bytes, prefix.length + count, suffix.length);
            for (int n = 0; n < 1 << (8 * count); n++) {
                for (int i = 0; i < count; i++)
                    bytes[prefix.length + i] = (byte) (n >> (8 * (count - 1 - i)));
                out.println(decode(charset, bytes));
            }
        }
        out.flush();
    }

    static String decode(Charset charset, byte[] bytes) {
        try {
            CharBuffer chars = charset.newDecoder()
                .onMalformedInput(CodingErrorAction.REPORT)
                .onUnmappableCharacter(CodingErrorAction.REPORT)
                .decode(ByteBuffer.wrap(bytes));
            StringBuilder line = new StringBuilder();
            while (chars.hasRemaining())
                line.append(String.format("%04x", (int) chars.get()));
            return line.toString();
        } catch (CharacterCodingException e) {
            return "-";
        }
    }

    static byte[] hex(String text) {
        byte[] bytes = new byte[text.length() / 2];
        for (int i = 0; i < bytes.length; i++)
            bytes[i] = (byte) Integer.parseInt(text.substring(2 * i, 2 * i + 2), 16);
        return bytes;
    }
}
