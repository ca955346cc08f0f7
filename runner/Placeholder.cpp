// Replaced by the runner.
