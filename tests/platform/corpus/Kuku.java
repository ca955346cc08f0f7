// 九九の表を表示する
// 二重ループの練習
public class Kuku {
    public static void main(String[] args) {
        System.out.println("　　｜　１　２　３　４　５　６　７　８　９");
        System.out.println("ーー＋ーーーーーーーーーーーーーーーーーーー");
        for (int i = 1; i <= 9; i++) {
            System.out.printf("%3d｜", i);
            for (int j = 1; j <= 9; j++) {
                System.out.printf("%3d", i * j);
            }
            System.out.println();
        }
        System.out.println("※ 横の段と縦の段を掛けた値です。");
    }
}
