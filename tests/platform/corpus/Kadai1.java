// 課題1
public class Kadai1 {
    public static void main(String[] args) {
        int a = 12, b = 5;
        System.out.println(a + b);
        System.out.println(a - b);
        System.out.println(a * b);
        System.out.println(a / b);
        System.out.println(a % b);
    }
}
