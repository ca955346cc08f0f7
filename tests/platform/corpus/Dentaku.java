import java.awt.BorderLayout;
import java.awt.GridLayout;
import javax.swing.JButton;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JPanel;
import javax.swing.JTextField;

/**
 * 簡単な電卓。二つの数を入力して四則演算を行う。
 * Swingの練習用。
 */
public class Dentaku extends JFrame {
    private final JTextField left = new JTextField(8);
    private final JTextField right = new JTextField(8);
    private final JLabel answer = new JLabel("答え：");

    public Dentaku() {
        super("電卓");
        setDefaultCloseOperation(EXIT_ON_CLOSE);
        JPanel input = new JPanel();
        input.add(new JLabel("数１"));
        input.add(left);
        input.add(new JLabel("数２"));
        input.add(right);
        JPanel buttons = new JPanel(new GridLayout(1, 5));
        for (String op : new String[] {"＋", "-", "×", "÷"}) {
            JButton b = new JButton(op);
            b.addActionListener(e -> calculate(op));
            buttons.add(b);
        }
        JButton clear = new JButton("クリア");
        clear.addActionListener(e -> {
            left.setText("");
            right.setText("");
            answer.setText("答え：");
        });
        buttons.add(clear);
        add(input, BorderLayout.NORTH);
        add(buttons, BorderLayout.CENTER);
        add(answer, BorderLayout.SOUTH);
        pack();
    }

    /** ボタンに応じて計算し、結果をラベルに表示する。 */
    private void calculate(String op) {
        try {
            double a = Double.parseDouble(left.getText());
            double b = Double.parseDouble(right.getText());
            double r;
            switch (op) {
                case "＋": r = a + b; break;
                case "-": r = a - b; break;
                case "×": r = a * b; break;
                default:
                    if (b == 0) {
                        answer.setText("０で割ることはできません");
                        return;
                    }
                    r = a / b;
            }
            answer.setText("答え：" + r);
        } catch (NumberFormatException ex) {
            answer.setText("数字を入力してください");
        }
    }

    public static void main(String[] args) {
        new Dentaku().setVisible(true);
    }
}
