package tarnwick.appletviewer;

/**
 * Where an applet is in its life, and which call may come next: start follows only a
 * successful init or a stop, stop only a start, and destroy comes once, never while started.
 */
enum LifeCycle {
    CREATED, INITIALISED, STARTED, STOPPED, FAILED, DESTROYED;

    /** The applet's four calls, named as the report prints them. */
    enum Call {
        INIT("init"), START("start"), STOP("stop"), DESTROY("destroy");

        final String word;

        Call(String word) {
            this.word = word;
        }
    }

    boolean allows(Call call) {
        if (call == Call.INIT) {
            return this == CREATED;
        }
        if (call == Call.START) {
            return this == INITIALISED || this == STOPPED;
        }
        if (call == Call.STOP) {
            return this == STARTED;
        }
        return this == INITIALISED || this == STOPPED || this == FAILED;
    }

    /** Where a call leaves the applet: only a failed init changes the way; a failed start or stop counts as made. */
    LifeCycle after(Call call, boolean returned) {
        if (call == Call.INIT) {
            return returned ? INITIALISED : FAILED;
        }
        if (call == Call.START) {
            return STARTED;
        }
        return call == Call.STOP ? STOPPED : DESTROYED;
    }
}
