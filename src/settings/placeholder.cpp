namespace kestrix {
int Placeholder() {
  return 1;
}
}  // namespace kestrix
