package tarnwick.appletviewer;

/** The viewer's messages to the user. */
final class Messages {
    private Messages() {
    }

    static String usage() {
        return "使い方: java tarnwick.appletviewer.Main <ページ.html>";
    }

    static String cannotRead(String page, String reason) {
        return page + " を読み込めません: " + reason;
    }

    static String noApplet(String page) {
        return page + " にAPPLETタグがありません。表示するアプレットがありません。";
    }

    static String noCode(String page) {
        return page + " のAPPLETタグにCODE属性がありません。";
    }

    static String foreignCode(String address) {
        return address + " はローカルのファイルではありません。"
                + "ネットワーク上のアプレットは安全に実行できないため、ローカルのファイルにあるアプレットだけを実行します。";
    }

    static String classNotFound(String className, String codeBase) {
        return "クラス " + className + " が見つかりません (コードベース: " + codeBase + ")。"
                + "ソースをコンパイルしたか確認してください。";
    }

    static String notAnApplet(String className) {
        return "クラス " + className + " はアプレットではありません (java.applet.Applet を継承していません)。";
    }

    static String tooNew(String className) {
        return "クラス " + className + " はこのJDKより新しいJDKでコンパイルされています。"
                + "このJDKでコンパイルし直してください。";
    }

    static String cannotCreate(String className, Throwable cause) {
        return "クラス " + className + " のアプレットを作成できません: " + describe(cause);
    }

    static String thrown(String where, Throwable cause) {
        return "アプレットの " + where + " で例外が発生しました: " + describe(cause);
    }

    static String describe(Throwable cause) {
        String message = cause.getMessage();
        return message == null ? cause.getClass().getName() : cause.getClass().getName() + ": " + message;
    }
}
