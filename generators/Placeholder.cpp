// Replaced by the generators.
