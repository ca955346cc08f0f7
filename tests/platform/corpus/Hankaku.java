// ﾃﾞｰﾀ ﾉ ｺﾞｳｹｲ ｦ ｹｲｻﾝ ｽﾙ
public class Hankaku {
    public static void main(String[] args) {
        int[] data = {3, 1, 4, 1, 5};
        int sum = 0;
        for (int d : data) {
            sum += d; // ｶｻﾝ
        }
        System.out.println("ｺﾞｳｹｲ=" + sum);
        System.out.println("ｹｯｶ ｵﾜﾘ");
    }
}
