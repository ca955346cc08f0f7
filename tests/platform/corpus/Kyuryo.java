// ｷｭｳﾘｮｳ ｹｲｻﾝ ﾌﾟﾛｸﾞﾗﾑ
// ﾍﾝｽｳ ﾉ ｾﾂﾒｲ ﾊ ｺﾒﾝﾄ ｦ ﾐﾃ ｸﾀﾞｻｲ
public class Kyuryo {
    public static void main(String[] args) {
        int jikyu = 1050;      // ｼﾞｷｭｳ
        int jikan = 32;        // ﾛｳﾄﾞｳ ｼﾞｶﾝ
        int kyuryo = jikyu * jikan;
        System.out.println("ｼﾞｷｭｳ: " + jikyu + " ｴﾝ");
        System.out.println("ｷｭｳﾘｮｳ: " + kyuryo + " ｴﾝ");
    }
}
