/**
 * 学生を表すクラス。
 * 学籍番号、氏名、所属学科を持つ。
 */
public class Gakusei implements Comparable<Gakusei> {
    private final int bangou;
    private final String shimei;
    private String gakka;

    /**
     * コンストラクタ。
     *
     * @param bangou 学籍番号
     * @param shimei 氏名
     * @param gakka 所属学科
     */
    public Gakusei(int bangou, String shimei, String gakka) {
        this.bangou = bangou;
        this.shimei = shimei;
        this.gakka = gakka;
    }

    /** 学籍番号を返す。 */
    public int getBangou() { return bangou; }

    /** 氏名を返す。 */
    public String getShimei() { return shimei; }

    /**
     * 転科する。
     *
     * @param atarashii 新しい学科名
     */
    public void tenka(String atarashii) {
        System.out.println(shimei + "さんは" + gakka + "から" + atarashii + "へ移りました。");
        gakka = atarashii;
    }

    /** 学籍番号の順に並べるための比較。 */
    @Override
    public int compareTo(Gakusei other) {
        return Integer.compare(bangou, other.bangou);
    }

    @Override
    public String toString() {
        return "［" + bangou + "］" + shimei + "（" + gakka + "）";
    }

    public static void main(String[] args) {
        Gakusei[] list = {
            new Gakusei(1203, "佐藤花子", "情報工学科"),
            new Gakusei(1101, "鈴木一郎", "電気電子工学科"),
            new Gakusei(1150, "高橋美咲", "機械工学科"),
        };
        java.util.Arrays.sort(list);
        for (Gakusei g : list) {
            System.out.println(g);
        }
        list[0].tenka("情報工学科");
    }
}
