namespace kestrix {
int PlaceholderFake() {
  return 1;
}
}  // namespace kestrix
