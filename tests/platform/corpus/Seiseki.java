/*
 * 成績処理プログラム
 * 5教科の点数から合計点・平均点・評価を求める。
 */
public class Seiseki {
    public static void main(String[] args) {
        String[] kamoku = {"国語", "数学", "英語", "理科", "社会"};
        int[] ten = {78, 92, 65, 88, 71};
        int goukei = 0;
        System.out.println("【成績表】");
        for (int i = 0; i < kamoku.length; i++) {
            System.out.println("・" + kamoku[i] + "：" + ten[i] + "点");
            goukei += ten[i];
        }
        double heikin = (double) goukei / kamoku.length;
        System.out.println("合計：" + goukei + "点");
        System.out.printf("平均：%.1f点%n", heikin);
        // 平均点によって評価を決める
        String hyouka;
        if (heikin >= 80) {
            hyouka = "Ａ（優）";
        } else if (heikin >= 70) {
            hyouka = "Ｂ（良）";
        } else if (heikin >= 60) {
            hyouka = "Ｃ（可）";
        } else {
            hyouka = "Ｄ（不可）";
        }
        System.out.println("評価：" + hyouka);
    }
}
