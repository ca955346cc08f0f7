import java.util.Scanner;

/**
 * キーボードから名前と年齢を読み込んで、あいさつを表示するプログラム。
 * 第3章 演習問題3-2
 */
public class Greeting {
    public static void main(String[] args) {
        Scanner sc = new Scanner(System.in);
        System.out.print("名前を入力してください：");
        String name = sc.nextLine();
        System.out.print("年齢を入力してください：");
        int age = sc.nextInt();
        // 来年の年齢を計算する
        int next = age + 1;
        System.out.println(name + "さん、こんにちは。");
        System.out.println("あなたは来年" + next + "歳になります。");
        if (age < 20) {
            System.out.println("まだ未成年ですね。");
        } else {
            System.out.println("成人ですね。お酒はほどほどに。");
        }
        sc.close();
    }
}
