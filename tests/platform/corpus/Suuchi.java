import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;

public class Suuchi {
    public static void main(String[] args) throws IOException {
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
        while (true) {
            System.out.print("整数を入力してください（終了は空行）：");
            String line = in.readLine();
            if (line == null || line.isEmpty()) {
                break;
            }
            try {
                int n = Integer.parseInt(line.trim());
                System.out.println(n + "の2乗は" + (n * n) + "です。");
                System.out.println(n % 2 == 0 ? "偶数です。" : "奇数です。");
            } catch (NumberFormatException e) {
                System.out.println("エラー：「" + line + "」は整数ではありません。");
            }
        }
        System.out.println("終了します。");
    }
}
