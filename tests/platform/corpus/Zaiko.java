import java.util.ArrayList;
import java.util.List;

/**
 * 在庫管理クラス。
 * 商品の登録、入庫、出庫、在庫数の照会を行う。
 *
 * @author 山田太郎
 * @version 1.0
 */
public class Zaiko {
    /** 商品名の一覧 */
    private List<String> names = new ArrayList<>();
    /** 各商品の在庫数 */
    private List<Integer> counts = new ArrayList<>();

    /**
     * 新しい商品を登録する。
     * 既に同じ名前の商品が登録されている場合は何もしない。
     *
     * @param name 商品名
     */
    public void register(String name) {
        if (!names.contains(name)) {
            names.add(name);
            counts.add(0);
        }
    }

    /**
     * 入庫処理。指定された数量を在庫に加算する。
     *
     * @param name 商品名
     * @param amount 入庫数（正の整数）
     * @throws IllegalArgumentException 数量が負の場合
     */
    public void receive(String name, int amount) {
        if (amount < 0) {
            throw new IllegalArgumentException("入庫数が負です：" + amount);
        }
        int i = indexOf(name);
        counts.set(i, counts.get(i) + amount);
    }

    /**
     * 出庫処理。在庫が不足している場合は例外を投げる。
     *
     * @param name 商品名
     * @param amount 出庫数
     */
    public void ship(String name, int amount) {
        int i = indexOf(name);
        if (counts.get(i) < amount) {
            throw new IllegalStateException("在庫不足：" + name + "（残り" + counts.get(i) + "個）");
        }
        counts.set(i, counts.get(i) - amount);
    }

    /** 商品の位置を返す。未登録なら例外。 */
    private int indexOf(String name) {
        int i = names.indexOf(name);
        if (i < 0) {
            throw new IllegalArgumentException("未登録の商品です：" + name);
        }
        return i;
    }

    /** 全商品の在庫一覧を表示する。 */
    public void print() {
        System.out.println("＝＝＝ 在庫一覧 ＝＝＝");
        for (int i = 0; i < names.size(); i++) {
            System.out.println(names.get(i) + "\t" + counts.get(i) + "個");
        }
    }

    public static void main(String[] args) {
        Zaiko z = new Zaiko();
        z.register("鉛筆");
        z.register("消しゴム");
        z.register("定規");
        z.receive("鉛筆", 120);
        z.receive("消しゴム", 30);
        z.ship("鉛筆", 45);
        z.print();
    }
}
