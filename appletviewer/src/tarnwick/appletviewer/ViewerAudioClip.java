package tarnwick.appletviewer;

import java.applet.AudioClip;
import java.io.BufferedInputStream;
import java.io.InputStream;
import java.net.URL;
import javax.sound.sampled.AudioInputStream;
import javax.sound.sampled.AudioSystem;
import javax.sound.sampled.Clip;

/** A sound loaded on first use; one that cannot be loaded or played stays silent, as in browsers. */
@SuppressWarnings({"removal", "deprecation"})
final class ViewerAudioClip implements AudioClip {
    private final URL url;
    private Clip clip;
    private boolean failed;

    ViewerAudioClip(URL url) {
        this.url = url;
    }

    private synchronized Clip clip() {
        if (clip == null && !failed) {
            try (InputStream in = new BufferedInputStream(url.openStream());
                 AudioInputStream audio = AudioSystem.getAudioInputStream(in)) {
                Clip loaded = AudioSystem.getClip();
                loaded.open(audio);
                clip = loaded;
            } catch (Exception | LinkageError e) {
                failed = true;
                System.err.println(url + ": " + Messages.describe(e));
            }
        }
        return clip;
    }

    @Override
    public void play() {
        Clip c = clip();
        if (c != null) {
            c.stop();
            c.setFramePosition(0);
            c.start();
        }
    }

    @Override
    public void loop() {
        Clip c = clip();
        if (c != null) {
            c.loop(Clip.LOOP_CONTINUOUSLY);
        }
    }

    @Override
    public void stop() {
        Clip c = clip;
        if (c != null) {
            c.stop();
        }
    }
}
