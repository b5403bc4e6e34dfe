// The translation unit that builds the tests' shared precompiled header.
