// 日本語の識別子を使った例（Javaでは変数名やクラス名に漢字が使える）
abstract class 図形 {
    abstract double 面積();
    public String toString() {
        return getClass().getName() + "の面積は" + 面積() + "です";
    }
}

class 長方形 extends 図形 {
    private final double 幅, 高さ;
    長方形(double 幅, double 高さ) {
        this.幅 = 幅;
        this.高さ = 高さ;
    }
    double 面積() { return 幅 * 高さ; }
}

class 円 extends 図形 {
    private final double 半径;
    円(double 半径) { this.半径 = 半径; }
    double 面積() { return Math.PI * 半径 * 半径; }
}

public class Zukei {
    public static void main(String[] args) {
        図形[] 一覧 = { new 長方形(3, 4), new 円(2) };
        for (図形 z : 一覧) {
            System.out.println(z);
        }
    }
}
