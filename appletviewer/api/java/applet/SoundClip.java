package java.applet;

import java.io.BufferedInputStream;
import java.io.InputStream;
import java.net.URL;
import javax.sound.sampled.AudioInputStream;
import javax.sound.sampled.AudioSystem;
import javax.sound.sampled.Clip;

/** The clip of Applet.newAudioClip: loaded at once; one that cannot be loaded stays silent. */
@SuppressWarnings("removal")
final class SoundClip implements AudioClip {
    private Clip clip;

    SoundClip(URL url) {
        try (InputStream in = new BufferedInputStream(url.openStream());
             AudioInputStream audio = AudioSystem.getAudioInputStream(in)) {
            Clip loaded = AudioSystem.getClip();
            loaded.open(audio);
            clip = loaded;
        } catch (Exception | LinkageError e) {
            clip = null;
        }
    }

    @Override
    public synchronized void play() {
        if (clip != null) {
            clip.stop();
            clip.setFramePosition(0);
            clip.start();
        }
    }

    @Override
    public synchronized void loop() {
        if (clip != null) {
            clip.loop(Clip.LOOP_CONTINUOUSLY);
        }
    }

    @Override
    public synchronized void stop() {
        if (clip != null) {
            clip.stop();
        }
    }
}
