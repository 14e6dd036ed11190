// Compiles only the precompiled header that the test programs reuse.
