package java.applet;

/** A sound that can be played once, looped and stopped. */
@Deprecated(since = "9", forRemoval = true)
public interface AudioClip {
    void play();

    void loop();

    void stop();
}
