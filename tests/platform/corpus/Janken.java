import java.util.Random;
import java.util.Scanner;

// じゃんけんゲーム
// 0:グー 1:チョキ 2:パー
public class Janken {
    static final String[] HANDS = {"グー", "チョキ", "パー"};

    public static void main(String[] args) {
        Scanner sc = new Scanner(System.in);
        Random rnd = new Random();
        int win = 0, lose = 0, draw = 0;
        for (int round = 1; round <= 3; round++) {
            System.out.println("第" + round + "回戦");
            System.out.print("あなたの手を選んでください（0:グー 1:チョキ 2:パー）＞");
            int you = sc.nextInt();
            int cpu = rnd.nextInt(3);
            System.out.println("あなた：" + HANDS[you] + "　コンピュータ：" + HANDS[cpu]);
            // 勝ち負けの判定はこの式で求められる
            int result = (you - cpu + 3) % 3;
            switch (result) {
                case 0:
                    System.out.println("あいこです。");
                    draw++;
                    break;
                case 1:
                    System.out.println("あなたの負けです……");
                    lose++;
                    break;
                default:
                    System.out.println("あなたの勝ちです！");
                    win++;
            }
        }
        System.out.println(win + "勝" + lose + "敗" + draw + "分けでした。");
    }
}
