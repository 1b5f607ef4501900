namespace kestrix { int PlaceholderFake() { return 1; } }
