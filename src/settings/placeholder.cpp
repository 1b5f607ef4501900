namespace kestrix {
int Placeholder() { return 1; }
}
